#include "enemies/super_mine.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/play_context.hpp"

SuperMine::SuperMine()
{
    circles.push_back(Circle{20.0f, 0.0f, 0.0f, 0.0f, 0.0f});
}

bool SuperMine::LoadResources() { return LoadSheet(EnemySheets::SuperMine, sheet); }

void SuperMine::Spawn(float sx, float sy)
{
    PlaceAtSpawn(*this, sx, sy, CurrentPlay().difficulty == 0 ? 2.0f : 5.0f);
}

void SuperMine::Think()
{
    Vec2 d;
    if (!DirectionToShip(*this, x, y, d))
        d = {0.0f, 0.0f};
    vx = d.x * 0.35f;
    vy = d.y * 1.25f + CameraStep().y;
    x += vx;
    y += vy;
    AdvanceFrame(frame, 0.65f, 8);
}

void SuperMine::Destroyed()
{
    ExplodeEnemy(*this, {.score = Score, .fireballHalf = 96.0f, .glowHalf = 64.0f});
}

void SuperMine::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation)});
}
