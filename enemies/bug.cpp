#include "enemies/bug.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "core/screen_size.hpp"
#include "world/play_context.hpp"

namespace {

// Tuning: health and size, the crossing and the bob.
constexpr float Health = 3.0f;
constexpr float HitRadius = 18.0f;
// It crosses the screen at 1.2 px per tick measured against the scroll, from either edge
// alike, and its vertical speed swings between -2 and 2: a bob of about 50 px every 53 ticks.
constexpr float CrossingSpeed = 1.2f;
constexpr float BobStep = 0.15f; // the change of the vertical speed per tick
constexpr float BobLimit = 2.0f;
constexpr float Spin = 12.0f; // degrees per tick
constexpr float RightEntry = ScreenWidth + 20.0f; // beyond the screen, inside its window

const PropertyDecl<Bug> Declared[] = {
    {.name = "Spawn Side", .kind = PropertyKind::Flag, .flagMember = &Bug::spawnSide},
};

} // namespace

Bug::Bug()
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

std::span<const PropertyDecl<Bug>> Bug::Properties() { return Declared; }

bool Bug::LoadResources() { return LoadSheet(EnemySheets::Bug, sheet); }

void Bug::Spawn(float, float sy)
{
    const CameraPoint& camera = CurrentPlay().world.camera;
    PlaceAtSpawn(*this, spawnSide ? camera.x : camera.x + RightEntry, sy, Health);
    bob = BobStep;
    fireTimer = RearmFireTimer(FireDelay::Short);
}

void Bug::Think()
{
    vy += bob;
    if (vy >= BobLimit || vy <= -BobLimit)
        bob = -bob;
    x += (spawnSide ? CrossingSpeed : -CrossingSpeed) + CameraStep().x;
    y += vy;
    TurnBy(*this, Spin);
    AdvanceFrame(frame, 0.5f, 8);
    if (FireTimerExpired(fireTimer, FireDelay::Short))
        FireAimedBullet(*this, x, y);
}

void Bug::Destroyed() { ExplodeEnemy(*this, {.score = Score}); }

void Bug::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), 24.0f, 24.0f,
                   InterpolatedAngle(*this, interpolation)});
}
