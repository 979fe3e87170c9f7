#include "enemies/bosses/mid_boss2.hpp"

#include "enemies/bosses/boss_sheets.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "world/play_context.hpp"
#include "player/control_states.hpp"
#include "player/shot_kinds.hpp"

#include <cmath>

namespace {

constexpr float EnterSpeed = 2.0f;
constexpr float HoldDistance = 430.0f;
constexpr uint32_t Swings = 3;
constexpr int32_t DeathTicks = 99;
constexpr float ClawShotSpeed = 10.0f;

// Ticks between claw shots, and shots per ring, by difficulty.
constexpr uint32_t ClawGap[3] = {50, 36, 24};
constexpr int RingShots[3] = {8, 12, 16};

} // namespace

MidBoss2::MidBoss2()
{
    keepOnRestart = 0;
    drawOrder = 1;
    active = 0;
    circles.push_back(Circle{60.0f, 0.0f, 0.0f, 0.0f, 0.0f}); // the body, open to a shot with its eye
    circles.push_back(Circle{40.0f, 0.0f, 0.0f, 0.0f, -BossSheets::MidBoss2ClawReach});
    circles.push_back(Circle{40.0f, 0.0f, 0.0f, 0.0f, BossSheets::MidBoss2ClawReach});
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
    health = 1000.0f;
    entered = 0;
    phase = 0;
    phaseTicks = 0;
    sway = 0.0f;
    swayStep = 0.1f;
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
        x += EnterSpeed * 1.5f;
        return;
    }
    RideWithCamera(*this);
    ++phaseTicks;
    sway += swayStep;
    if (sway >= 10.0f || sway <= -10.0f)
        swayStep = -swayStep;
    y += sway * 0.2f;
    if (y < camera.y + 130.0f)
        y = camera.y + 130.0f;
    if (y > camera.y + 350.0f)
        y = camera.y + 350.0f;
    Swing();
    StepCellTowards(eye, phase % 2 == 0 ? 3 : 0, phaseTicks, 5);
    Fire();
    if (phaseTicks >= SwingTicks) {
        ++phase;
        phaseTicks = 0;
    }
}

// Slow swings turn 2 degrees a tick within 30 degrees of level, fast ones 4 within 45.
void MidBoss2::Swing()
{
    const bool fast = phase % 2 == 1;
    const float step = fast ? 4.0f : 2.0f;
    const float limit = fast ? 45.0f : 30.0f;
    angle += step * swingDirection;
    if ((swingDirection > 0.0f && angle >= limit) || (swingDirection < 0.0f && angle <= -limit))
        swingDirection = -swingDirection;
}

void MidBoss2::Fire()
{
    const int level = CurrentPlay().difficulty;
    if (phaseTicks % ClawGap[level] == 0) {
        const Vec2 offset = ClawOffset(clawShots % 2 == 0 ? 1.0f : -1.0f, angle);
        FireAimedBullet(*this, x + offset.x, y + offset.y, ClawShotSpeed);
        ++clawShots;
    }
    if (phaseTicks == 50 || phaseTicks == 150 || phaseTicks == 250)
        FireBossRing(*this, shots::EnemyBullet, x, y, RingShots[level], 3.0f, 0.0f);
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
