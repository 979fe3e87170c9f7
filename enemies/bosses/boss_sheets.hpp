#pragma once
// The pictures of the bosses and mid-bosses, how each is cut and where its parts sit, named
// once for the classes' drawing and hit circles and for the content tests. Offsets are in
// screen pixels from the boss's position; every boss faces left, towards the ship.
#include "world/sheet_spec.hpp"

#include <array>

namespace BossSheets {

// "BOSS1", the hive heart of the docks: a fixed organism filling the right of the screen, with
// a root along the ceiling and one along the floor reaching to the left edge. Drawn whole as
// a 640 x 640 quad centred at (-220, 0): the texture maps 1.6 texels to a screen pixel.
inline constexpr SheetSpec Boss1{"GFX/Boss1.tga", 1, 1, 1024, 1024};
inline constexpr float Boss1CentreX = -220.0f;
inline constexpr float Boss1Half = 320.0f;

// The valve (cells 0..3: 0 wide open on its glowing core, where it fires and can be hurt;
// 3 shut) and the mouth above it (cells 4..7: 4 at rest, 7 gaping), each drawn 80 px.
inline constexpr SheetSpec Boss1Valve{"GFX/Boss1Valve.tga", 4, 2, 512, 256};
inline constexpr float ValveX = -69.0f;
inline constexpr float ValveY = 38.0f;
inline constexpr float MouthX = -99.0f;
inline constexpr float MouthY = -38.0f;
inline constexpr float ValveHalf = 40.0f;
inline constexpr int MouthFirstCell = 4;

// Where the three arms leave the body: arm 0 from the lower front, arm 1 from the tip of the
// floor root, arm 2 from the tip of the ceiling root.
struct ArmRoot {
    float x, y, angle;
};
inline constexpr std::array<ArmRoot, 3> ArmRoots{{
    {-33.0f, 162.0f, -20.0f},
    {-455.0f, 224.0f, 80.0f},
    {-470.0f, -224.0f, 280.0f},
}};

// The eleven eyes, each its own picture of four cells (0 shut .. 3 wide open) drawn at its
// place on the body with the given half size.
struct EyePlace {
    float x, y, half;
};
inline constexpr std::array<EyePlace, 11> EyePlaces{{
    {-190.0f, -120.0f, 20.0f},
    {-130.0f, -175.0f, 24.0f},
    {-40.0f, -200.0f, 28.0f},
    {40.0f, -150.0f, 22.0f},
    {-10.0f, -90.0f, 30.0f},
    {50.0f, -40.0f, 20.0f},
    {20.0f, 40.0f, 26.0f},
    {50.0f, 110.0f, 22.0f},
    {-40.0f, 130.0f, 24.0f},
    {-140.0f, 140.0f, 20.0f},
    {-200.0f, 80.0f, 18.0f},
}};
inline constexpr std::array<SheetSpec, 11> Boss1Eyes{{
    {"GFX/Boss1Eyes1.png", 2, 2, 128, 128},
    {"GFX/Boss1Eyes2.png", 2, 2, 128, 128},
    {"GFX/Boss1Eyes3.png", 2, 2, 128, 128},
    {"GFX/Boss1Eyes4.png", 2, 2, 128, 128},
    {"GFX/Boss1Eyes5.png", 2, 2, 128, 128},
    {"GFX/Boss1Eyes6.png", 2, 2, 128, 128},
    {"GFX/Boss1Eyes7.png", 2, 2, 128, 128},
    {"GFX/Boss1Eyes8.png", 2, 2, 128, 128},
    {"GFX/Boss1Eyes9.png", 2, 2, 128, 128},
    {"GFX/Boss1Eyes10.png", 2, 2, 128, 128},
    {"GFX/Boss1Eyes11.png", 2, 2, 128, 128},
}};

// "BOSS2", the warden of the flooded caverns: a round armoured shell creature that spins in
// its rotating phase; cells 0..3 open the iris over its core (0 shut, 3 open: the weak
// point). Drawn 300 px, rotated to its angle.
inline constexpr SheetSpec Boss2{"GFX/Boss2.tga", 2, 2, 1024, 1024};
inline constexpr float Boss2Half = 150.0f;

// "BOSS3", the fortress guardian: a 16-frame loop of a war machine reshaping its armour
// around the core at its front (always visible: the weak point). Drawn 256 px.
inline constexpr SheetSpec Boss3{"GFX/Boss3Transform.tga", 4, 4, 1024, 1024};
inline constexpr float Boss3Half = 128.0f;
inline constexpr float Boss3CoreX = -40.0f;

// "MIDBOSS1": a docks gunship, its hull drawn 224 px with wing guns 100 px above and below
// the centre; its core in the middle (cells 0 shut .. 3 open, the weak point) drawn 72 px.
inline constexpr SheetSpec MidBoss1Hull{"GFX/Stage1_MidBoss.tga", 1, 1, 512, 512};
inline constexpr SheetSpec MidBoss1Core{"GFX/Stage1_MidBossCenter.tga", 2, 2, 256, 256};
inline constexpr float MidBoss1HullHalf = 112.0f;
inline constexpr float MidBoss1CoreHalf = 36.0f;

// "MIDBOSS2": a cavern creature's body (cells 0 eye shut .. 3 open, the weak point) drawn
// 160 px, between two gun claws (one picture, mirrored for the lower one) drawn 112 px and
// carried 120 px from the centre across its angle.
inline constexpr SheetSpec MidBoss2Claw{"GFX/Stage2_MidBoss.tga", 1, 1, 256, 256};
inline constexpr SheetSpec MidBoss2Body{"GFX/Stage2_MidBossCenter.tga", 2, 2, 512, 512};
inline constexpr float MidBoss2BodyHalf = 80.0f;
inline constexpr float MidBoss2ClawHalf = 56.0f;
inline constexpr float MidBoss2ClawReach = 120.0f;

} // namespace BossSheets
