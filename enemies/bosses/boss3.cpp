#include "enemies/bosses/boss3.hpp"

#include "enemies/bosses/boss_sheets.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "world/play_context.hpp"
#include "player/shot_kinds.hpp"

#include <cmath>

namespace {

constexpr uint32_t WarningTick = 20;
constexpr uint32_t MoveTick = 100;
constexpr float Damping = 0.9f;
constexpr float FrameRate = 0.45f;
constexpr float RightTurn = 540.0f; // camera x + this: where a retreat turns back
constexpr float ChargeEnd = 220.0f;
constexpr float TopTurn = 50.0f; // camera y + these: where a sweep turns back
constexpr float BottomTurn = 430.0f;
constexpr float MidHeight = 240.0f;
constexpr int32_t SweepTurns = 4;
constexpr int32_t DeathTicks = 299;

// Shots per group by difficulty: the ring (up to 10), the fan (up to 5), the triplet (up to 3).
constexpr int RingShots[3] = {6, 8, 10};
constexpr int FanShots[3] = {3, 4, 5};
constexpr int TripletShots[3] = {2, 3, 3};

} // namespace

Boss3::Boss3()
{
    keepOnRestart = 1;
    drawOrder = 1;
    active = 0;
    // The core's circle stands out in front of the armour so that shots along its line reach it.
    circles.push_back(Circle{34.0f, 0.0f, 0.0f, BossSheets::Boss3CoreX - 50.0f, 0.0f});
    circles.push_back(Circle{100.0f, 0.0f, 0.0f, 10.0f, 0.0f});
}

bool Boss3::LoadResources() { return LoadSheet(BossSheets::Boss3, sheet); }

// It takes its place from the camera, not from where it was put.
void Boss3::Spawn(float, float)
{
    const CameraPoint& camera = CurrentPlay().world.camera;
    x = prevX = camera.x + 600.0f;
    y = prevY = camera.y - 128.0f;
    ResetBossState();
    health = CurrentPlay().difficulty == 2 ? 150.0f : 100.0f;
    frame = 0.0f;
    bossClock = 0;
    phase = Waiting;
    phaseTicks = 0;
    sweepDirection = 1.0f;
    turns = 0;
}

void Boss3::Think()
{
    MeetPlayerShots();
    frame += FrameRate;
    if (frame >= 16.0f)
        frame -= 16.0f;
    if (dying) {
        StepDying(DeathTicks, Score, true);
        return;
    }
    ++bossClock;
    ++phaseTicks;
    if (bossClock == WarningTick)
        RaiseBossWarning(*this);
    RideWithCamera(*this);
    const CameraPoint& camera = CurrentPlay().world.camera;
    if (phase == Waiting && bossClock >= MoveTick)
        NextPhase(Dropping);
    if (phase != Waiting)
        Move(camera.x, camera.y);
    x += vx;
    y += vy;
    vx *= Damping;
    vy *= Damping;
}

void Boss3::NextPhase(int32_t next)
{
    phase = next;
    phaseTicks = 0;
}

void Boss3::Move(float cx, float cy)
{
    const int level = CurrentPlay().difficulty;
    const float coreX = x + BossSheets::Boss3CoreX;
    switch (phase) {
    case Dropping:
        // Falls in hard and brakes as hard around the middle of the screen.
        vy += y < cy + MidHeight ? 1.1f : -1.1f;
        if (std::fabs(y - (cy + MidHeight)) < 8.0f && std::fabs(vy) < 1.0f)
            NextPhase(Sweeping);
        break;
    case Sweeping:
        vy += 0.3f * sweepDirection;
        if ((sweepDirection > 0.0f && y > cy + BottomTurn) || (sweepDirection < 0.0f && y < cy + TopTurn)) {
            sweepDirection = -sweepDirection;
            FireBossRing(*this, shots::EnemyBullet, coreX, y, RingShots[level], 3.0f, 180.0f);
            if (++turns >= SweepTurns) {
                turns = 0;
                NextPhase(Charging);
            }
        }
        if (x > cx + RightTurn)
            vx -= 0.1f;
        break;
    case Charging:
        vx -= 0.6f;
        vy += (y < cy + MidHeight ? 0.1f : -0.1f);
        if (phaseTicks % 20 == 10)
            FireBossFan(*this, shots::EnemyBullet, coreX, y, TripletShots[level], 5.0f, 10.0f);
        if (x < cx + ChargeEnd)
            NextPhase(Retreating);
        break;
    case Retreating:
        vx += 0.2f;
        if (phaseTicks % 30 == 15)
            FireBossFan(*this, shots::EnemyBullet, coreX, y, FanShots[level], 4.0f, 14.0f);
        if (x > cx + RightTurn)
            NextPhase(Sweeping);
        break;
    default: break;
    }
}

void Boss3::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, static_cast<int>(frame),
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), BossSheets::Boss3Half,
                   BossSheets::Boss3Half});
}
