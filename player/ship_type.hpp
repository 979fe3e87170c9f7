#pragma once
// The ship types, the orb weapons and the power-up kinds, by the numbers that settings,
// demos and stage files store.
#include <cstdint>

enum class ShipType : int32_t { MkI = 0, MkII = 1, MkIII = 2, Butterfly = 3 };
constexpr int32_t ShipTypeCount = 4;

// The orb's weapon kinds; the cheats screen names them in this order.
enum class OrbWeapon : int32_t { Laser = 0, Arc = 1, Bio = 2, Trawler = 3, Plasma = 4, Magma = 5, Boomer = 6 };
constexpr int32_t OrbWeaponCount = 7;

// What a power-up holds: an orb weapon (the same numbers), a gun pod or missiles.
enum class PowerUpKind : int32_t {
    Laser = 0,
    Arc = 1,
    Bio = 2,
    Trawler = 3,
    Plasma = 4,
    Magma = 5,
    Boomer = 6,
    GunPod = 7,
    Missiles = 8,
};
constexpr int32_t PowerUpKindCount = 9;

constexpr int32_t Id(ShipType type) { return static_cast<int32_t>(type); }
constexpr int32_t Id(OrbWeapon weapon) { return static_cast<int32_t>(weapon); }
constexpr int32_t Id(PowerUpKind kind) { return static_cast<int32_t>(kind); }
