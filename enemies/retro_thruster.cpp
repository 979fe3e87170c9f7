#include "enemies/retro_thruster.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"

namespace {

// Tuning: health and size, and its bursts.
constexpr ByDifficulty<float> Health{10.0f, 25.0f, 25.0f};
constexpr float HitRadius = 24.0f;
// Bursts of 3 bullets on Rookie, 5 above, 8 ticks apart along its facing, every 100-199
// ticks: a line the ship sidesteps once it has seen where the nose points.
constexpr ByDifficulty<int32_t> BurstBullets{3, 5, 5};
constexpr int32_t BurstGap = 8;
constexpr float Muzzle = 30.0f; // from the centre to the nose

const PropertyDecl<RetroThruster> Declared[] = {
    {.name = "Rotation", .kind = PropertyKind::Float, .floatMember = &RetroThruster::angle},
};

} // namespace

RetroThruster::RetroThruster()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

std::span<const PropertyDecl<RetroThruster>> RetroThruster::Properties() { return Declared; }

int32_t RetroThruster::BurstLength() { return BurstBullets[CurrentPlay().difficulty]; }

bool RetroThruster::LoadResources() { return LoadSheet(EnemySheets::RetroThruster, sheet); }

void RetroThruster::Spawn(float sx, float sy)
{
    PlaceAtSpawn(*this, sx, sy, Health[CurrentPlay().difficulty]);
    fireTimer = RearmFireTimer(FireDelay::Short);
    burstLeft = 0;
}

void RetroThruster::Think()
{
    AdvanceFrame(frame, 0.75f, 16);
    if (--fireTimer > 0)
        return;
    Vec2 forward, side;
    AngleVectors(angle, forward, side);
    FireEnemyBullet(*this, x + forward.x * Muzzle, y + forward.y * Muzzle, forward.x * BulletSpeed,
                    forward.y * BulletSpeed);
    if (burstLeft == 0)
        burstLeft = BurstLength();
    fireTimer = --burstLeft > 0 ? BurstGap : RearmFireTimer(FireDelay::Short);
}

void RetroThruster::Destroyed() { ExplodeEnemy(*this, {.score = Score}); }

void RetroThruster::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), 32.0f, 32.0f, angle});
}
