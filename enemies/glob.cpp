#include "enemies/glob.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/play_context.hpp"

Glob::Glob()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{10.0f, 0.0f, 0.0f, 0.0f, 0.0f});
}

float Glob::Speed() { return CurrentPlay().difficulty == 0 ? 1.5f : 2.15f; }

bool Glob::LoadResources() { return LoadSheet(EnemySheets::Glob, sheet); }

void Glob::Spawn(float sx, float sy) { PlaceAtSpawn(*this, sx, sy, 0.5f); }

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
        AddBlastAt(*this, x, y, 24.0f, 16.0f);
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
