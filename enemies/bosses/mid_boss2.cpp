#include "enemies/bosses/mid_boss2.hpp"

#include "enemies/bosses/boss_sheets.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"
#include "player/control_states.hpp"
#include "player/shot_kinds.hpp"

#include <array>
#include <cmath>

namespace {

// Tuning: health and size, its swim and sway, its swings, and the shots of its claws and body.
constexpr float Health = 1000.0f;
// Its shell is as tough as its health says, but a blow through the open eye counts tenfold:
// one blow a shot, in the two slow swings a Mk I could not wear a thousand down.
constexpr float EyeBlowFactor = 10.0f;
constexpr float BodyRadius = 60.0f;
constexpr float ClawRadius = 40.0f;
constexpr float EnterSpeed = 2.0f;
constexpr float LeaveFactor = 1.5f; // of the speed it came in at
constexpr float HoldDistance = 430.0f;
constexpr float SwayStep = 0.1f;
constexpr float SwayLimit = 10.0f;
constexpr float SwayFactor = 0.2f; // of the sway, moved per tick
constexpr float Top = 130.0f; // camera y + these bound its height
constexpr float Bottom = 350.0f;
constexpr uint32_t EyeEvery = 5; // ticks per cell of the eye
constexpr uint32_t Swings = 3;
// Slow swings turn 2 degrees a tick within 30 degrees of level, fast ones 4 within 45.
constexpr float SlowSwingStep = 2.0f;
constexpr float FastSwingStep = 4.0f;
constexpr float SlowSwingLimit = 30.0f;
constexpr float FastSwingLimit = 45.0f;
constexpr int32_t DeathTicks = 99;
constexpr float ClawShotSpeed = 10.0f;
// Ticks between claw shots, and shots per ring, by difficulty.
constexpr ByDifficulty<uint32_t> ClawGap{50, 36, 24};
constexpr ByDifficulty<int> RingShots{8, 12, 16};
constexpr std::array<uint32_t, 3> RingTicks{50, 150, 250}; // of each swing
constexpr float RingSpeed = 3.0f;

} // namespace

MidBoss2::MidBoss2()
{
    keepOnRestart = 0;
    drawOrder = 1;
    active = 0;
    circles.push_back(Circle{BodyRadius, 0.0f, 0.0f, 0.0f, 0.0f}); // the body, open to a shot with its eye
    circles.push_back(Circle{ClawRadius, 0.0f, 0.0f, 0.0f, -BossSheets::MidBoss2ClawReach});
    circles.push_back(Circle{ClawRadius, 0.0f, 0.0f, 0.0f, BossSheets::MidBoss2ClawReach});
    placeCircles = &Entity::PlaceCirclesRotated;
}

bool MidBoss2::LoadResources()
{
    const bool clawLoaded = LoadSheet(BossSheets::MidBoss2Claw, claw);
    return LoadSheet(BossSheets::MidBoss2Body, bodySheet) && clawLoaded;
}

void MidBoss2::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    ResetBossState();
    angle = prevAngle = 0.0f;
    health = Health;
    entered = 0;
    phase = 0;
    phaseTicks = 0;
    sway = 0.0f;
    swayStep = SwayStep;
    swingDirection = 1.0f;
    eye = 0;
    clawShots = 0;
}

Vec2 MidBoss2::ClawOffset(float side, float degrees) const
{
    const float radians = Radians(degrees);
    const float reach = BossSheets::MidBoss2ClawReach * side;
    return {std::sin(radians) * reach, -std::cos(radians) * reach};
}

void MidBoss2::Think()
{
    MeetPlayerShots();
    if (dying) {
        StepDying(DeathTicks, 0, false);
        return;
    }
    const CameraPoint& camera = CurrentPlay().world.camera;
    if (!entered) {
        x -= EnterSpeed;
        entered = x - camera.x <= HoldDistance ? 1 : 0;
        return;
    }
    if (phase >= Swings) {
        x += EnterSpeed * LeaveFactor;
        return;
    }
    RideWithCamera(*this);
    ++phaseTicks;
    sway += swayStep;
    if (sway >= SwayLimit || sway <= -SwayLimit)
        swayStep = -swayStep;
    y += sway * SwayFactor;
    if (y < camera.y + Top)
        y = camera.y + Top;
    if (y > camera.y + Bottom)
        y = camera.y + Bottom;
    Swing();
    StepCellTowards(eye, phase % 2 == 0 ? 3 : 0, phaseTicks, EyeEvery);
    Fire();
    if (phaseTicks >= SwingTicks) {
        ++phase;
        phaseTicks = 0;
    }
}

void MidBoss2::Swing()
{
    const bool fast = phase % 2 == 1;
    const float step = fast ? FastSwingStep : SlowSwingStep;
    const float limit = fast ? FastSwingLimit : SlowSwingLimit;
    angle += step * swingDirection;
    if ((swingDirection > 0.0f && angle >= limit) || (swingDirection < 0.0f && angle <= -limit))
        swingDirection = -swingDirection;
}

void MidBoss2::Fire()
{
    const int level = CurrentPlay().difficulty;
    if (phaseTicks % ClawGap[level] == 0) {
        const Vec2 offset = ClawOffset(clawShots % 2 == 0 ? 1.0f : -1.0f, angle);
        FireAimedBullet(*this, shots::MidBossBullet, x + offset.x, y + offset.y, ClawShotSpeed);
        ++clawShots;
    }
    if (phaseTicks == RingTicks[0] || phaseTicks == RingTicks[1] || phaseTicks == RingTicks[2])
        FireBossRing(*this, shots::MidBossBullet, x, y, RingShots[level], RingSpeed, 0.0f);
}

void MidBoss2::TakeDamage(float amount)
{
    BossEntity::TakeDamage(amount * EyeBlowFactor);
}

void MidBoss2::Destroyed()
{
    if (dying)
        return;
    CurrentPlay().score += Score;
    BossEntity::Destroyed();
}

void MidBoss2::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const float px = InterpolatedX(*this, interpolation);
    const float py = InterpolatedY(*this, interpolation);
    const float degrees = InterpolatedAngle(*this, interpolation);
    const float clawHalf = BossSheets::MidBoss2ClawHalf;
    const Vec2 upper = ClawOffset(1.0f, degrees);
    const Vec2 lower = ClawOffset(-1.0f, degrees);
    DrawEnemyCell(*this, claw, 0, {px + upper.x, py + upper.y, clawHalf, clawHalf, degrees});
    DrawEnemyCell(*this, claw, 0, {px + lower.x, py + lower.y, clawHalf, -clawHalf, degrees});
    const float bodyHalf = BossSheets::MidBoss2BodyHalf;
    DrawEnemyCell(*this, bodySheet, eye, {px, py, bodyHalf, bodyHalf});
}
