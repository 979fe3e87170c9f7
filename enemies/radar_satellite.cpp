#include "enemies/radar_satellite.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"

namespace {

// Tuning: health and size, its rings and its blast.
constexpr ByDifficulty<float> Health{10.0f, 25.0f, 25.0f};
constexpr float HitRadius = 30.0f;
// A ring every 200-299 ticks, its first bullet along the dish, at 3 px per tick: slower than
// an aimed bullet, so the gaps can be read and flown through.
constexpr ByDifficulty<int32_t> RingBullets{8, 16, 16};
constexpr float FireballHalf = 96.0f;
constexpr float GlowHalf = 64.0f;

const PropertyDecl<RadarSatellite> Declared[] = {
    {.name = "Rotation", .kind = PropertyKind::Float, .floatMember = &RadarSatellite::angle},
};

} // namespace

RadarSatellite::RadarSatellite()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

std::span<const PropertyDecl<RadarSatellite>> RadarSatellite::Properties() { return Declared; }

int32_t RadarSatellite::RingSize() { return RingBullets[CurrentPlay().difficulty]; }

bool RadarSatellite::LoadResources() { return LoadSheet(EnemySheets::RadarSatellite, sheet); }

void RadarSatellite::Spawn(float sx, float sy)
{
    PlaceAtSpawn(*this, sx, sy, Health[CurrentPlay().difficulty]);
    fireTimer = RearmFireTimer(FireDelay::Medium);
}

void RadarSatellite::Think()
{
    float tx = 0.0f, ty = 0.0f;
    if (ShipTarget(tx, ty)) {
        const Vec2 own = PlayLayerPoint(*this, x, y);
        TurnBy(*this, TurnTowards(angle, own.x, own.y, tx, ty));
    }
    AdvanceFrame(frame, 0.65f, 15);
    if (!FireTimerExpired(fireTimer, FireDelay::Medium))
        return;
    const int32_t count = RingSize();
    for (int32_t i = 0; i < count; ++i) {
        Vec2 forward, side;
        AngleVectors(angle + 360.0f * static_cast<float>(i) / static_cast<float>(count), forward, side);
        FireEnemyBullet(*this, x, y, forward.x * RingSpeed, forward.y * RingSpeed);
    }
}

void RadarSatellite::Destroyed()
{
    ExplodeEnemy(*this, {.score = Score, .fireballHalf = FireballHalf, .glowHalf = GlowHalf,
                         .sound = SoundId::LargeExplosion});
}

void RadarSatellite::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), 48.0f, 48.0f,
                   InterpolatedAngle(*this, interpolation)});
}
