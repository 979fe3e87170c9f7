#include "enemies/bosses/boss3.hpp"

#include "enemies/bosses/boss_sheets.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"
#include "player/shot_kinds.hpp"

#include <cmath>

namespace {

// Tuning: health and size, where it starts, its moves and the shots of each.
constexpr ByDifficulty<float> Health{100.0f, 100.0f, 150.0f};
constexpr float CoreRadius = 34.0f;
constexpr float CoreAhead = 50.0f; // the core's circle in front of the drawn core
constexpr float ArmourRadius = 100.0f;
constexpr float ArmourBehind = 10.0f;
constexpr float StartRight = 600.0f; // from the camera
constexpr float StartAbove = 128.0f;
constexpr uint32_t WarningTick = 20;
constexpr uint32_t MoveTick = 100;
constexpr float Damping = 0.9f;
constexpr float RightTurn = 540.0f; // camera x + this: where a retreat turns back
constexpr float ChargeEnd = 220.0f;
constexpr float TopTurn = 50.0f; // camera y + these: where a sweep turns back
constexpr float BottomTurn = 430.0f;
constexpr float MidHeight = 240.0f;
constexpr int32_t SweepTurns = 4;
constexpr int32_t DeathTicks = 299;
// Dropping in: its pull towards the middle, and how near and slow it must be to start sweeping.
constexpr float DropPull = 1.1f;
constexpr float SettleDistance = 8.0f;
constexpr float SettleSpeed = 1.0f;
// Sweeping, charging and retreating: the pulls per tick.
constexpr float SweepPull = 0.3f;
constexpr float SweepReturnPull = 0.1f; // back left, when it has drifted past the turn
constexpr float ChargePull = 0.6f;
constexpr float ChargeLevelPull = 0.1f; // towards the middle height
constexpr float RetreatPull = 0.2f;

// Shots per group by difficulty: the ring (up to 10), the fan (up to 5), the triplet (up to 3).
constexpr ByDifficulty<int> RingShots{6, 8, 10};
constexpr ByDifficulty<int> FanShots{3, 4, 5};
constexpr ByDifficulty<int> TripletShots{2, 3, 3};
// A ring at each turn of a sweep, its first shot straight back along the sweep's line.
constexpr float RingSpeed = 3.0f;
constexpr float RingFirstDegrees = 180.0f;
// A triplet at tick 10 of every 20 of the charge, a fan at tick 15 of every 30 of the retreat.
constexpr uint32_t TripletEvery = 20;
constexpr uint32_t TripletAt = 10;
constexpr float TripletSpeed = 5.0f;
constexpr float TripletSpread = 10.0f; // degrees between shots
constexpr uint32_t FanEvery = 30;
constexpr uint32_t FanAt = 15;
constexpr float FanSpeed = 4.0f;
constexpr float FanSpread = 14.0f;

constexpr float FrameRate = 0.45f;

} // namespace

Boss3::Boss3()
{
    keepOnRestart = 1;
    drawOrder = 1;
    active = 0;
    // The core's circle stands out in front of the armour so that shots along its line reach it.
    circles.push_back(Circle{CoreRadius, 0.0f, 0.0f, BossSheets::Boss3CoreX - CoreAhead, 0.0f});
    circles.push_back(Circle{ArmourRadius, 0.0f, 0.0f, ArmourBehind, 0.0f});
}

bool Boss3::LoadResources() { return LoadSheet(BossSheets::Boss3, sheet); }

// It takes its place from the camera, not from where it was put.
void Boss3::Spawn(float, float)
{
    const CameraPoint& camera = CurrentPlay().world.camera;
    x = prevX = camera.x + StartRight;
    y = prevY = camera.y - StartAbove;
    ResetBossState();
    health = Health[CurrentPlay().difficulty];
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
        vy += y < cy + MidHeight ? DropPull : -DropPull;
        if (std::fabs(y - (cy + MidHeight)) < SettleDistance && std::fabs(vy) < SettleSpeed)
            NextPhase(Sweeping);
        break;
    case Sweeping:
        vy += SweepPull * sweepDirection;
        if ((sweepDirection > 0.0f && y > cy + BottomTurn) || (sweepDirection < 0.0f && y < cy + TopTurn)) {
            sweepDirection = -sweepDirection;
            FireBossRing(*this, shots::EnemyBullet, coreX, y, RingShots[level], RingSpeed, RingFirstDegrees);
            if (++turns >= SweepTurns) {
                turns = 0;
                NextPhase(Charging);
            }
        }
        if (x > cx + RightTurn)
            vx -= SweepReturnPull;
        break;
    case Charging:
        vx -= ChargePull;
        vy += (y < cy + MidHeight ? ChargeLevelPull : -ChargeLevelPull);
        if (phaseTicks % TripletEvery == TripletAt)
            FireBossFan(*this, shots::EnemyBullet, coreX, y, TripletShots[level], TripletSpeed, TripletSpread);
        if (x < cx + ChargeEnd)
            NextPhase(Retreating);
        break;
    case Retreating:
        vx += RetreatPull;
        if (phaseTicks % FanEvery == FanAt)
            FireBossFan(*this, shots::EnemyBullet, coreX, y, FanShots[level], FanSpeed, FanSpread);
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
