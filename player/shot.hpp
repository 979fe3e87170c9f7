#pragma once
// Every projectile, the ship's and the enemies' alike: a plain record whose kind is the set
// of its four operations. The player's shots hurt enemies, the enemies' shots hurt the ship;
// both lists are held by value as Engine::shots and emptied at every stage build.
#include "graphics/effects.hpp"
#include "world/entity_handle.hpp"
#include "world/geometry.hpp"

#include <cstdint>
#include <vector>

struct Shot;

using ShotInitOp = void (*)(Shot& shot, float x, float y, float vx, float vy);
using ShotUpdateOp = void (*)(Shot& shot);
using ShotDrawOp = void (*)(const Shot& shot, float alpha);
using ShotHitOp = void (*)(Shot& shot, float amount);

struct Shot {
    float x = 0.0f;
    float y = 0.0f;
    float prevX = 0.0f;
    float prevY = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    float spare = 0.0f;
    float orientation = 0.0f;
    uint8_t dead = 0;
    float strength = 0.0f;
    float frame = 0.0f;
    std::vector<Circle> circles; // empty: harmless
    ShotInitOp init = nullptr;
    ShotUpdateOp update = nullptr;
    ShotDrawOp draw = nullptr;
    ShotHitOp hit = nullptr;
    EntityHandle homingTarget;
    TrailHandle trail;
};

// A kind: the operations FireShot installs.
struct ShotKind {
    ShotInitOp init = nullptr;
    ShotUpdateOp update = nullptr;
    ShotDrawOp draw = nullptr;
};

using ShotList = std::vector<Shot>;

struct ShotLists {
    ShotList playerShots;
    ShotList enemyShots;
};

// What the hit operation does with the amount it is handed.
void AbsorbHit(Shot& shot, float amount);
void PierceHit(Shot& shot, float amount);
void ExpireHit(Shot& shot, float amount);
void IgnoreHit(Shot& shot, float amount);

// Builds a zeroed shot of the kind, lets `preset` set what the kind's init reads (frame,
// power), runs init and appends the shot.
void FireShot(ShotList& list, const ShotKind& kind, float x, float y, float vx, float vy, float presetFrame = 0.0f,
              float presetStrength = 0.0f);

// One tick of a list: every shot's update runs; finished shots are removed and their trails
// told that the emitter has ended.
void AdvanceShots(ShotList& list, Effects& effects);
// Player shots whose homing target is gone or dead forget it.
void ForgetDeadTargets(ShotList& list);
// Nothing moves between ticks any more: previous positions = current positions.
void FreezeShots(ShotList& list);
void ClearShots(ShotLists& shots);
