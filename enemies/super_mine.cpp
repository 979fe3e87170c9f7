#include "enemies/super_mine.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"

namespace {

// Tuning: health and size, its drift towards the ship, its blast.
constexpr ByDifficulty<float> Health{2.0f, 5.0f, 5.0f};
constexpr float HitRadius = 20.0f;
constexpr float AcrossSpeed = 0.35f;
constexpr float UpDownSpeed = 1.25f;
constexpr float FireballHalf = 96.0f;
constexpr float GlowHalf = 64.0f;

} // namespace

SuperMine::SuperMine()
{
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

bool SuperMine::LoadResources() { return LoadSheet(EnemySheets::SuperMine, sheet); }

void SuperMine::Spawn(float sx, float sy)
{
    PlaceAtSpawn(*this, sx, sy, Health[CurrentPlay().difficulty]);
}

void SuperMine::Think()
{
    Vec2 d;
    if (!DirectionToShip(*this, x, y, d))
        d = {0.0f, 0.0f};
    vx = d.x * AcrossSpeed;
    vy = d.y * UpDownSpeed + CameraStep().y;
    x += vx;
    y += vy;
    AdvanceFrame(frame, 0.65f, 8);
}

void SuperMine::Destroyed()
{
    ExplodeEnemy(*this, {.score = Score, .fireballHalf = FireballHalf, .glowHalf = GlowHalf});
}

void SuperMine::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation)});
}
