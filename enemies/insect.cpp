#include "enemies/insect.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"

namespace {

// Tuning: health and size, and its flight.
constexpr ByDifficulty<float> Health{1.0f, 2.0f, 2.0f};
constexpr float HitRadius = 18.0f;
constexpr float TurnRate = 1.85f; // degrees per tick while LEFT or RIGHT is held
constexpr float FlightSpeed = 2.5f;

const PropertyDecl<Insect> Declared[] = {
    RecordPatternProperty<Insect>(),
    {.name = "Start Top", .kind = PropertyKind::Flag, .flagMember = &Insect::startTop},
};

} // namespace

Insect::Insect()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

std::span<const PropertyDecl<Insect>> Insect::Properties() { return Declared; }

bool Insect::LoadResources() { return LoadSheet(EnemySheets::Insect, sheet); }

void Insect::Spawn(float sx, float sy)
{
    angle = StartHeading(startTop != 0);
    PlaceAtSpawn(*this, sx, sy, Health[CurrentPlay().difficulty]);
    fireTimer = RearmFireTimer(FireDelay::Long);
}

void Insect::Think()
{
    SteerByPattern(*this, TurnRate);
    MoveAlongHeading(*this, FlightSpeed);
    AdvanceFrame(frame, 1.5f, 31);
    if (FireTimerExpired(fireTimer, FireDelay::Long))
        FireAimedBullet(*this, x, y);
}

void Insect::Destroyed() { ExplodeEnemy(*this, {.score = Score}); }

void Insect::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), 32.0f, 32.0f,
                   InterpolatedAngle(*this, interpolation)});
}
