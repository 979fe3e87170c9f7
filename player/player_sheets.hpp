#pragma once
// The pictures of the player's side and how each is cut: the ships' three tint layers
// (primary, secondary, cockpit; the game multiplies each grey texel by the colour set of
// that name), the Mk III's tail, the selection previews, the orb pods, the gun pod and the
// power-ups with their glows. Named once here for the loaders and the content tests.
#include "player/ship_type.hpp"
#include "world/sheet_spec.hpp"

#include <array>

namespace PlayerSheets {

// Per `ShipType`: 16 bank frames of 128, 0 fully down, 8 and 9 level, 15 fully up.
inline constexpr std::array<std::array<SheetSpec, 3>, ShipTypeCount> ShipLayers{{
    {{{"GFX/PlrShip1Color1.tga", 4, 4, 512, 512}, {"GFX/PlrShip1Color2.tga", 4, 4, 512, 512},
      {"GFX/PlrShip1Color3.tga", 4, 4, 512, 512}}},
    {{{"GFX/PlrShip2Color1.tga", 4, 4, 512, 512}, {"GFX/PlrShip2Color2.tga", 4, 4, 512, 512},
      {"GFX/PlrShip2Color3.tga", 4, 4, 512, 512}}},
    {{{"GFX/PlrShip4Color1.tga", 4, 4, 512, 512}, {"GFX/PlrShip4Color2.tga", 4, 4, 512, 512},
      {"GFX/PlrShip4Color3.tga", 4, 4, 512, 512}}},
    {{{"GFX/PlrShip5Color1.tga", 4, 4, 512, 512}, {"GFX/PlrShip5Color2.tga", 4, 4, 512, 512},
      {"GFX/PlrShip5Color3.tga", 4, 4, 512, 512}}},
}};

// Per `ShipType`: one three-quarter view of 256.
inline constexpr std::array<std::array<SheetSpec, 3>, ShipTypeCount> SelectLayers{{
    {{{"GFX/Ship1SelectColor1.tga", 1, 1, 256, 256}, {"GFX/Ship1SelectColor2.tga", 1, 1, 256, 256},
      {"GFX/Ship1SelectColor3.tga", 1, 1, 256, 256}}},
    {{{"GFX/Ship2SelectColor1.tga", 1, 1, 256, 256}, {"GFX/Ship2SelectColor2.tga", 1, 1, 256, 256},
      {"GFX/Ship2SelectColor3.tga", 1, 1, 256, 256}}},
    {{{"GFX/Ship4SelectColor1.tga", 1, 1, 256, 256}, {"GFX/Ship4SelectColor2.tga", 1, 1, 256, 256},
      {"GFX/Ship4SelectColor3.tga", 1, 1, 256, 256}}},
    {{{"GFX/Ship5SelectColor1.tga", 1, 1, 256, 256}, {"GFX/Ship5SelectColor2.tga", 1, 1, 256, 256},
      {"GFX/Ship5SelectColor3.tga", 1, 1, 256, 256}}},
}};

// A tail segment's roll: cells 0..14 by its phase (cell 15 repeats cell 0).
inline constexpr SheetSpec Tail{"GFX/Ship3Tail.tga", 4, 4, 128, 128};

// Per orb pod type: cells 0..5 the energy loop by the orb's frame, 6 fully charged, 7 a
// white flash.
inline constexpr std::array<SheetSpec, 3> Orbs{{
    {"GFX/OrbType1.tga", 4, 2, 256, 128},
    {"GFX/OrbType2.tga", 4, 2, 256, 128},
    {"GFX/OrbType3.tga", 4, 2, 256, 128},
}};

// The gun pod: cells 0..14 its roll by the pod's frame, 15 the white arrival flash.
inline constexpr SheetSpec GunPod{"GFX/BitType1.tga", 4, 4, 256, 256};

// Per power-up kind 0..8: 32 frames of 64, and the glow added over each.
inline constexpr std::array<SheetSpec, PowerUpKindCount> PowerUps{{
    {"GFX/PowerUp_Blue.png", 8, 4, 512, 256},
    {"GFX/PowerUp_Cyan.png", 8, 4, 512, 256},
    {"GFX/PowerUp_Green.png", 8, 4, 512, 256},
    {"GFX/PowerUp_Orange.png", 8, 4, 512, 256},
    {"GFX/PowerUp_Purple.png", 8, 4, 512, 256},
    {"GFX/PowerUp_Red.png", 8, 4, 512, 256},
    {"GFX/PowerUp_Yellow.png", 8, 4, 512, 256},
    {"GFX/PowerUp_GunPod.png", 8, 4, 512, 256},
    {"GFX/PowerUp_Missile.png", 8, 4, 512, 256},
}};
inline constexpr SheetSpec WeaponGlow{"GFX/PowerUp_Glow.png", 8, 4, 512, 256};
inline constexpr std::array<SheetSpec, PowerUpKindCount> PowerUpGlows{{
    WeaponGlow, WeaponGlow, WeaponGlow, WeaponGlow, WeaponGlow, WeaponGlow, WeaponGlow,
    {"GFX/PowerUp_GunPodGlow.png", 8, 4, 512, 256},
    {"GFX/PowerUp_MissileGlow.png", 8, 4, 512, 256},
}};

} // namespace PlayerSheets
