#include "enemies/glob.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"

namespace {

// Tuning: health and size, its chase, and its burst on a wall.
constexpr float Health = 0.5f;
constexpr float HitRadius = 10.0f;
constexpr ByDifficulty<float> CruiseSpeed{1.5f, 2.15f, 2.15f};
constexpr float WallFireballHalf = 24.0f;
constexpr float WallGlowHalf = 16.0f;

} // namespace

Glob::Glob()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

float Glob::Speed() { return CruiseSpeed[CurrentPlay().difficulty]; }

bool Glob::LoadResources() { return LoadSheet(EnemySheets::Glob, sheet); }

void Glob::Spawn(float sx, float sy) { PlaceAtSpawn(*this, sx, sy, Health); }

void Glob::Think()
{
    float tx = 0.0f, ty = 0.0f;
    if (ShipTarget(tx, ty)) {
        const Vec2 own = PlayLayerPoint(*this, x, y);
        TurnBy(*this, TurnTowards(angle, own.x, own.y, tx, ty));
    }
    MoveAlongHeading(*this, Speed());
    AdvanceFrame(frame, 1.5f, 16);
    if (layer == 3 && Blocked(x, y)) {
        // Burst on the wall: no score for what the scenery did.
        health = -1.0f;
        AddBlastAt(*this, x, y, WallFireballHalf, WallGlowHalf);
    }
}

void Glob::Destroyed() { ExplodeEnemy(*this, {.score = Score}); }

void Glob::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), 16.0f, 16.0f});
}
