#include "enemies/pod_spawner.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"
#include "world/stage_map.hpp"

namespace {

// Tuning: health and size, its flight, and its pods.
constexpr float Health = 2.0f;
constexpr float HitRadius = 16.0f;
constexpr float TurnRate = 3.0f; // degrees per tick while LEFT or RIGHT is held
constexpr float FlightSpeed = 5.0f;
// A pod every 60 ticks on Rookie, 40 above, drifting back at 1.5 px per tick: a trail the
// ship must weave through, thin enough to pass at any speed level.
constexpr ByDifficulty<int32_t> PodTicks{60, 40, 40};
constexpr float PodDrift = 1.5f;

const PropertyDecl<PodSpawner> Declared[] = {
    RecordPatternProperty<PodSpawner>(),
    {.name = "Start Top", .kind = PropertyKind::Flag, .flagMember = &PodSpawner::startTop},
};

// Partly broken walls: the codes of breakable tiles that miss a quadrant.
constexpr int16_t FirstOpenedWall = 977;
constexpr int16_t LastOpenedWall = 990;

} // namespace

PodSpawner::PodSpawner()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

std::span<const PropertyDecl<PodSpawner>> PodSpawner::Properties() { return Declared; }

int32_t PodSpawner::PodInterval() { return PodTicks[CurrentPlay().difficulty]; }

bool PodSpawner::LoadResources() { return LoadSheet(EnemySheets::PodSpawner, sheet); }

void PodSpawner::Spawn(float sx, float sy)
{
    angle = StartHeading(startTop != 0);
    PlaceAtSpawn(*this, sx, sy, Health);
    podTimer = PodInterval();
}

void PodSpawner::Think()
{
    SteerByPattern(*this, TurnRate);
    MoveAlongHeading(*this, FlightSpeed);
    AdvanceFrame(frame, 0.95f, 15);
    StageWorld& world = CurrentPlay().world;
    const int16_t code = CollisionCodeAt(world, x, y);
    if (layer == 3 && code >= FirstOpenedWall && code <= LastOpenedWall)
        GrowTile(world, x, y);
    if (--podTimer <= 0) {
        podTimer = PodInterval();
        Vec2 forward, side;
        AngleVectors(angle, forward, side);
        FireEnemyBullet(*this, x, y, -forward.x * PodDrift, -forward.y * PodDrift);
    }
}

void PodSpawner::Destroyed() { ExplodeEnemy(*this, {.score = Score}); }

void PodSpawner::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), 24.0f, 24.0f});
}
