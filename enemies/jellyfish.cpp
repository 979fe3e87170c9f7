#include "enemies/jellyfish.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"

#include <cmath>

namespace {

// Tuning: health and size, its sway, its sinking through the water, and its stroke.
constexpr float Health = 2.0f;
constexpr float HitRadius = 20.0f;
constexpr float SwayStep = 0.02f; // radians per tick
constexpr float SwayWidth = 1.5f; // the most it moves across in a tick
constexpr float SinkAcceleration = 0.05f;
constexpr float WaterDrag = 0.97f; // of the vertical speed, per tick
constexpr float StrokeKick = 1.0f; // upwards, once per swim cycle
constexpr float SwimCellsPerTick = 1.5f; // of the 32-cell cycle that times the stroke
constexpr float StrokeCell = 16.0f; // the stroke is the step from cell 15 to 16

} // namespace

Jellyfish::Jellyfish()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

bool Jellyfish::LoadResources() { return LoadSheet(EnemySheets::Jellyfish, sheet); }

void Jellyfish::Spawn(float sx, float sy)
{
    PlaceAtSpawn(*this, sx, sy, Health);
    sway = 0.0f;
}

void Jellyfish::Think()
{
    sway += SwayStep;
    x += SwayWidth * std::sin(sway);
    vy = (vy + SinkAcceleration) * WaterDrag;
    const float before = frame;
    AdvanceFrame(frame, SwimCellsPerTick, 32);
    float cameraX = 0.0f, cameraY = 0.0f;
    const bool low = LayerCamera(cameraX, cameraY) && y > cameraY + StrokeLine;
    if (low && before < StrokeCell && frame >= StrokeCell)
        vy -= StrokeKick;
    y += vy;
}

void Jellyfish::Destroyed() { ExplodeEnemy(*this, {.score = Score}); }

void Jellyfish::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation)});
}
