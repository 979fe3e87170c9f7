#pragma once
// The pictures of the enemy family and how each is cut, named once for the classes'
// LoadResources and for the content test that checks every generated sheet. Unless noted,
// a picture faces right (angle 0) and its cells run row by row from the top-left.
#include "world/sheet_spec.hpp"

#include <array>

namespace EnemySheets {

// "BUTTERFLY": 16 wing-beat frames (a closed loop: 15 flows back into 0), drawn 64 px; the
// glow holds only its lights.
inline constexpr SheetSpec Butterfly{"GFX/Enemy1.png", 4, 4, 256, 256};
inline constexpr SheetSpec ButterflyGlow{"GFX/Enemy1_Glow.png", 4, 4, 256, 256};

// "TURRET", "SUPER TURRET": a gun on a floor mount, 32 barrel frames sweeping from pointing
// left (0) through straight up (15, 16) to pointing right (31). The mount's base is the
// bottom edge of the cell; drawn 64 px with the position at the top edge of the quad.
inline constexpr SheetSpec Turret{"GFX/Turret1.png", 8, 4, 512, 256};
inline constexpr SheetSpec SuperTurret{"GFX/Turret2.png", 8, 4, 512, 256};

// "SUPER MINE": an 8-frame pulsing spiked mine, drawn 64 px.
inline constexpr SheetSpec SuperMine{"GFX/SuperMine.png", 4, 2, 256, 128};

// "SERPENT": head, body segment and tail, each one picture drawn 48 px, rotated to the
// heading.
inline constexpr SheetSpec SerpentHead{"GFX/SerpentHead.png", 1, 1, 64, 64};
inline constexpr SheetSpec SerpentBody{"GFX/SerpentBody.png", 1, 1, 64, 64};
inline constexpr SheetSpec SerpentTail{"GFX/SerpentTail.png", 1, 1, 64, 64};

// "POWERDROID": a 16-frame walk cycle, and 16 frames of flight (legs tucked, jets
// flickering) with the jets' light as an additive layer; drawn 64 px.
inline constexpr SheetSpec PowerDroidWalk{"GFX/PowerDroid_Walk.png", 4, 4, 256, 256};
inline constexpr SheetSpec PowerDroidFly{"GFX/PowerDroid_Fly.png", 4, 4, 256, 256};
inline constexpr SheetSpec PowerDroidFlyGlow{"GFX/PowerDroid_Fly_Glow.png", 4, 4, 256, 256};

// "FALLING ROCK": one boulder, drawn 64 px (rocks stack 60 px apart).
inline constexpr SheetSpec FallingRock{"GFX/FallingRock.tga", 1, 1, 128, 128};

// "POD SPAWNER": a 15-frame spinning seed pod (cell 15 unused), drawn 48 px.
inline constexpr SheetSpec PodSpawner{"GFX/PodSpawner.tga", 4, 4, 256, 256};

// "DROID": a 16-frame walk cycle in light grey, tinted by its "COLOR"; drawn 64 px.
inline constexpr SheetSpec Droid{"GFX/Droid_Layer1.tga", 4, 4, 256, 256};

// "VULCANDROID": a 16-frame walk; 8 frames of the turn from facing right (0) to facing left
// (7); 8 frames of the squat from standing (0) to crouched with the gun raised (7); drawn
// 64 px.
inline constexpr SheetSpec VulcanDroidWalk{"GFX/VulcanDroid_Walk.tga", 4, 4, 256, 256};
inline constexpr SheetSpec VulcanDroidTurn{"GFX/VulcanDroid_Turn.tga", 4, 2, 256, 128};
inline constexpr SheetSpec VulcanDroidSquat{"GFX/VulcanDroid_Squat.tga", 4, 2, 256, 128};

// "RETRO THRUSTER": a 16-frame loop of its burning thrusters, nose (and gun) to the right;
// drawn 64 px, rotated to its angle.
inline constexpr SheetSpec RetroThruster{"GFX/RetroThruster.tga", 4, 4, 256, 256};

// "INSECT1": a 31-frame wing loop (cell 31 unused), drawn 64 px, rotated to the heading.
inline constexpr SheetSpec Insect{"GFX/Insect1.tga", 8, 4, 512, 256};

// "RADAR SATTELITE": a 15-frame loop of its turning dish (cell 15 unused), dish to the
// right; drawn 96 px, rotated to its angle.
inline constexpr SheetSpec RadarSatellite{"GFX/WellEnemy.tga", 4, 4, 512, 512};

// "GROWTH": one organic mass, drawn 96 px at scale 1.
inline constexpr SheetSpec Growth{"GFX/Growth.png", 1, 1, 128, 128};

// "JELLYFISH": a 32-frame swim loop; the stroke is cells 15 to 16. Drawn 64 px.
inline constexpr SheetSpec Jellyfish{"GFX/JellyFish.tga", 8, 4, 512, 256};

// "GLOBSACK": a 16-frame throbbing sack, drawn 128 px.
inline constexpr SheetSpec GlobSack{"GFX/GlobSack.tga", 4, 4, 512, 512};

// "GREEN SERPENT": head and body segment, drawn 64 and 56 px, rotated to the heading.
inline constexpr SheetSpec GreenSerpentHead{"GFX/GreenSerpentHead.tga", 1, 1, 128, 128};
inline constexpr SheetSpec GreenSerpentBody{"GFX/GreenSerpentBody.tga", 1, 1, 128, 128};

// "BUG": an 8-frame wing flutter, seen from above, drawn 48 px and spun by the game.
inline constexpr SheetSpec Bug{"GFX/Bug.tga", 4, 2, 256, 128};

// "GRABOID": cell 0 the head with open jaws pointing right, cell 1 a body ring; drawn 64 and
// 48 px, rotated along the body.
inline constexpr SheetSpec Graboid{"GFX/Graboid.tga", 2, 1, 256, 128};

// The glob a "GLOBSACK" releases: a 16-frame wobble, drawn 32 px.
inline constexpr SheetSpec Glob{"GFX/Glob.tga", 4, 4, 128, 128};

inline constexpr std::array<SheetSpec, 28> All{{
    Butterfly,        ButterflyGlow,     Turret,          SuperTurret,      SuperMine,
    SerpentHead,      SerpentBody,       SerpentTail,     PowerDroidWalk,   PowerDroidFly,
    PowerDroidFlyGlow, FallingRock,      PodSpawner,      Droid,            VulcanDroidWalk,
    VulcanDroidTurn,  VulcanDroidSquat,  RetroThruster,   Insect,           RadarSatellite,
    Growth,           Jellyfish,         GlobSack,        GreenSerpentHead, GreenSerpentBody,
    Bug,              Graboid,           Glob,
}};

} // namespace EnemySheets
