#include "enemies/falling_rock.hpp"
#include "player/player.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/play_context.hpp"
#include "world/player_contact.hpp"

#include <algorithm>
#include <cmath>

namespace {

// Tuning: its health and its blast (the fall and the crush are in the header).
constexpr float Health = 5.0f;
constexpr float FireballHalf = 128.0f;
constexpr float GlowHalf = 96.0f;

constexpr float ProbeBelow = 30.0f;
constexpr float DrawnHalf = 32.0f;

} // namespace

FallingRock::FallingRock()
{
    // Part of the scenery: a restart finds it where it was placed.
    keepOnRestart = 1;
    circles.push_back(Circle{Radius, 0.0f, 0.0f, 0.0f, 0.0f});
    active = 0;
}

bool FallingRock::LoadResources() { return LoadSheet(EnemySheets::FallingRock, sheet); }

void FallingRock::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    vx = vy = 0.0f;
    health = Health;
    frame = 0.0f;
    hitFlash = 0;
    active = 0;
    support.Reset();
    (this->*placeCircles)(circles);
}

void FallingRock::Think()
{
    if (!StandOnSupport()) {
        Fall();
        RestOnEntityBelow();
    }
    (this->*placeCircles)(circles);
    // On the play layer the collision pass already deals its blows; the far layers are out of
    // the ship's reach.
    if (layer == ForegroundLayer)
        MeetPlayer();
}

bool FallingRock::StandOnSupport()
{
    // Circles set side by side no longer touch at the resting height: once landed, the rock
    // keeps to what it landed on until that breaks or moves from under it.
    const Entity* below = support.Get();
    if (!below || below->health <= 0.0f || std::fabs(below->x - x) >= StackHeight) {
        support.Reset();
        return false;
    }
    y = below->y - StackHeight;
    vy = 0.0f;
    return true;
}

void FallingRock::Fall()
{
    if (Blocked(x, y + ProbeBelow)) {
        vy = 0.0f;
        return;
    }
    vy = std::min(vy + FallGain, MaxFall);
    y += vy;
}

void FallingRock::RestOnEntityBelow()
{
    if (layer < 1 || layer > 4)
        return;
    const std::vector<Circle> own = {Circle{Radius, x, y, 0.0f, 0.0f}};
    for (const auto& other : CurrentPlay().world.entityLayers[static_cast<size_t>(layer - 1)]) {
        if (other.get() == this || other->health <= 0.0f || other->y <= y || !other->HitTest(own))
            continue;
        y = other->y - StackHeight;
        vy = 0.0f;
        support = other->Handle();
        return;
    }
}

void FallingRock::MeetPlayer()
{
    if (PlayerContact* contact = CurrentPlay().world.player) {
        contact->StrikeShots([this](const std::vector<Circle>& shot, float strength, float& amount) {
            if (health <= 0.0f || !HitTest(shot))
                return false;
            amount = health;
            TakeDamage(strength);
            return true;
        });
    }
    Player& ship = CurrentPlay().player;
    if (health > 0.0f && ship.OrbOut() && ship.orb.HitTest(circles))
        TakeDamage(OrbDrain);
    // A rock broken this tick crushes nothing.
    if (health > 0.0f && ship.DyingCounter == 0 && ship.HitTest(circles))
        ship.TakeDamage(CrushDamage);
}

void FallingRock::Destroyed()
{
    ExplodeEnemy(*this, {.score = Score, .fireballHalf = FireballHalf, .glowHalf = GlowHalf});
}

void FallingRock::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const SpritePlacement at{InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), DrawnHalf,
                             DrawnHalf};
    DrawEnemyCell(*this, sheet, 0, at);
}
