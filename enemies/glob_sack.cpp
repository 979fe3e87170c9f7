#include "enemies/glob_sack.hpp"
#include "world/entity_type.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"
#include "core/random.hpp"
#include "world/child_entities.hpp"

namespace {

// Tuning: health and size, its sinking, its bursts of globs and its blast.
constexpr float Health = 15.0f;
constexpr float HitRadius = 40.0f;
constexpr float SinkAcceleration = 0.05f; // per tick
// The first burst 40-79 ticks after release, while the sinking sack is still on screen;
// then one every 100-199 ticks.
constexpr int32_t FirstBurstDelay = 40;
constexpr int32_t FirstBurstSpread = 40;
constexpr ByDifficulty<int32_t> GlobsPerBurst{4, 8, 8};
constexpr float ReleaseRadius = 5.0f;
constexpr float FireballHalf = 96.0f;
constexpr float GlowHalf = 80.0f;

} // namespace

GlobSack::GlobSack()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

int32_t GlobSack::BurstSize() { return GlobsPerBurst[CurrentPlay().difficulty]; }

bool GlobSack::LoadResources()
{
    // The globs are created mid-stage: a missing picture of theirs stops the stage load here.
    const bool globLoaded = LoadPicture(EnemySheets::Glob) != 0;
    return LoadSheet(EnemySheets::GlobSack, sheet) && globLoaded;
}

void GlobSack::Spawn(float sx, float sy)
{
    PlaceAtSpawn(*this, sx, sy, Health);
    burstTimer = Random() % FirstBurstSpread + FirstBurstDelay;
}

void GlobSack::Think()
{
    vy += SinkAcceleration;
    y += vy;
    AdvanceFrame(frame, 1.5f, 16);
    if (!FireTimerExpired(burstTimer, FireDelay::Short))
        return;
    const int32_t count = BurstSize();
    for (int32_t i = 0; i < count; ++i) {
        const float heading = static_cast<float>(Random() % 360);
        Vec2 forward, side;
        AngleVectors(heading, forward, side);
        Entity* glob = SpawnChild(CurrentPlay().world, TypeId(EntityType::Glob), layer, x + forward.x * ReleaseRadius,
                                  y + forward.y * ReleaseRadius);
        if (glob)
            glob->angle = glob->prevAngle = heading;
    }
}

void GlobSack::Destroyed()
{
    ExplodeEnemy(*this, {.score = Score, .fireballHalf = FireballHalf, .glowHalf = GlowHalf,
                         .sound = SoundId::LargeExplosion});
}

void GlobSack::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), 64.0f, 64.0f});
}
