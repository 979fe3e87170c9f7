#include "enemies/glob_sack.hpp"
#include "world/entity_type.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/play_context.hpp"
#include "core/random.hpp"
#include "world/child_entities.hpp"

namespace {

constexpr float ReleaseRadius = 5.0f;

} // namespace

GlobSack::GlobSack()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{40.0f, 0.0f, 0.0f, 0.0f, 0.0f});
}

int32_t GlobSack::BurstSize() { return CurrentPlay().difficulty == 0 ? 4 : 8; }

bool GlobSack::LoadResources()
{
    // The globs are created mid-stage: a missing picture of theirs stops the stage load here.
    const bool globLoaded = LoadPicture(EnemySheets::Glob) != 0;
    return LoadSheet(EnemySheets::GlobSack, sheet) && globLoaded;
}

void GlobSack::Spawn(float sx, float sy)
{
    PlaceAtSpawn(*this, sx, sy, 15.0f);
    // The first burst 40-79 ticks after release, while the sinking sack is still on screen;
    // then one every 100-199 ticks.
    burstTimer = Random() % 40 + 40;
}

void GlobSack::Think()
{
    vy += 0.05f;
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
    ExplodeEnemy(*this, {.score = Score, .fireballHalf = 96.0f, .glowHalf = 80.0f, .sound = 0});
}

void GlobSack::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), 64.0f, 64.0f});
}
