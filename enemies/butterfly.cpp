#include "enemies/butterfly.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_sheets.hpp"
#include "core/screen_size.hpp"
#include "world/play_context.hpp"

#include <cmath>

namespace {

// Tuning: health and size, and its drift across the screen.
constexpr float Health = 1.0f;
constexpr float HitRadius = 16.0f;
constexpr float RightwardStep = 1.5f; // per tick, from the left edge
constexpr float LeftwardStep = -0.95f; // per tick, from the right edge
constexpr float Damping = 0.9f; // of a push, per tick
// Where a butterfly from the right edge appears: beyond the screen, inside its window.
constexpr float RightEntry = ScreenWidth + 20.0f;

const PropertyDecl<Butterfly> Declared[] = {
    {.name = "Spawn Side", .kind = PropertyKind::Flag, .flagMember = &Butterfly::spawnSide},
    {.name = "Move Up Or Down?", .kind = PropertyKind::Flag, .flagMember = &Butterfly::waveDirection},
    {.name = "SineWave", .kind = PropertyKind::Float, .floatMember = &Butterfly::waveStep},
};

} // namespace

std::span<const PropertyDecl<Butterfly>> Butterfly::Properties() { return Declared; }

Butterfly::Butterfly()
{
    keepOnRestart = 0;
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, 0.0f});
    drawOrder = 0;
    active = 0;
}

bool Butterfly::LoadResources()
{
    const bool sheetLoaded = LoadSheet(EnemySheets::Butterfly, sheet);
    return LoadSheet(EnemySheets::ButterflyGlow, glow) && sheetLoaded;
}

void Butterfly::Spawn(float, float sy)
{
    const CameraPoint& camera = CurrentPlay().world.camera;
    x = prevX = spawnSide ? camera.x : camera.x + RightEntry;
    y = prevY = sy;
    health = Health;
    frame = 4.0f;
    hitFlash = 0;
    active = 0;
    vx = vy = 0.0f;
    wavePhase = 0.0f;
    fireTimer = RearmFireTimer(FireDelay::Long);
}

void Butterfly::Think()
{
    x += spawnSide ? RightwardStep : LeftwardStep;
    wavePhase += waveDirection ? -waveStep : waveStep;
    const float wave = std::sin(wavePhase);
    y += wave;
    x += vx;
    y += vy;
    vx *= Damping;
    vy *= Damping;
    frame += wave;
    if (frame >= 16.0f)
        frame -= 16.0f;
    if (frame < 0.0f)
        frame += 16.0f;
    if (FireTimerExpired(fireTimer, FireDelay::Long))
        FireAimedBullet(*this, x, y);
}

void Butterfly::Destroyed() { ExplodeEnemy(*this, {.score = Score}); }

void Butterfly::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const SpritePlacement at{InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation),
                             spawnSide ? 32.0f : -32.0f, 32.0f};
    const int cell = static_cast<int>(frame);
    DrawEnemyCell(*this, sheet, cell, at);
    DrawEnemyGlow(*this, glow, cell, at);
}
