#include "enemies/growth.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "core/math_utils.hpp"

#include <cmath>

namespace {

constexpr float FullTurn = 6.2831853f; // radians

// Tuning: health and size, its breath, and its blast at rest size.
constexpr float Health = 20.0f;
constexpr float RestRadius = 40.0f;
// A breath every 160 ticks between 0.8 and 1.2 of its size.
constexpr float PulseStep = FullTurn / 160.0f;
constexpr float PulseDepth = 0.2f;
constexpr float FireballHalf = 96.0f;
constexpr float GlowHalf = 72.0f;

constexpr float RestHalf = 48.0f;

float ScaleAt(float pulse) { return 1.0f + PulseDepth * std::sin(pulse); }

} // namespace

Growth::Growth()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{RestRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

float Growth::Scale() const { return ScaleAt(pulse); }

bool Growth::LoadResources() { return LoadSheet(EnemySheets::Growth, sheet); }

void Growth::Spawn(float sx, float sy)
{
    PlaceAtSpawn(*this, sx, sy, Health);
    pulse = previousPulse = 0.0f;
    circles[0].radius = RestRadius;
}

void Growth::Think()
{
    previousPulse = pulse;
    pulse += PulseStep;
    if (pulse >= FullTurn)
        pulse -= FullTurn;
    circles[0].radius = RestRadius * Scale();
}

void Growth::Destroyed()
{
    const float scale = Scale();
    ExplodeEnemy(*this, {.score = Score, .fireballHalf = FireballHalf * scale, .glowHalf = GlowHalf * scale});
}

void Growth::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const float half = RestHalf * ScaleAt(Lerp(pulse, previousPulse > pulse ? previousPulse - FullTurn : previousPulse,
                                               interpolation));
    DrawEnemyCell(*this, sheet, 0,
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), half, half});
}
