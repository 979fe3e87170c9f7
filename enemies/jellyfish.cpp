#include "enemies/jellyfish.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"

#include <cmath>

namespace {

constexpr float SwayStep = 0.02f;
constexpr float StrokeCell = 16.0f; // the stroke is the step from cell 15 to 16

} // namespace

Jellyfish::Jellyfish()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{20.0f, 0.0f, 0.0f, 0.0f, 0.0f});
}

bool Jellyfish::LoadResources() { return LoadSheet(EnemySheets::Jellyfish, sheet); }

void Jellyfish::Spawn(float sx, float sy)
{
    PlaceAtSpawn(*this, sx, sy, 2.0f);
    sway = 0.0f;
}

void Jellyfish::Think()
{
    sway += SwayStep;
    x += 1.5f * std::sin(sway);
    vy = (vy + 0.05f) * 0.97f;
    const float before = frame;
    AdvanceFrame(frame, 1.5f, 32);
    float cameraX = 0.0f, cameraY = 0.0f;
    const bool low = LayerCamera(cameraX, cameraY) && y > cameraY + StrokeLine;
    if (low && before < StrokeCell && frame >= StrokeCell)
        vy -= 1.0f;
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
