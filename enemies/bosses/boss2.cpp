#include "enemies/bosses/boss2.hpp"

#include "enemies/bosses/boss_sheets.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"
#include "player/control_states.hpp"
#include "player/shot_kinds.hpp"

#include <cmath>

namespace {

// Tuning: health and size, its glide in and its drift, and the phases of its fight.
constexpr ByDifficulty<float> Health{150.0f, 150.0f, 200.0f};
constexpr float CoreRadius = 44.0f;
constexpr float CoreAhead = 115.0f; // the core's circle in front of the centre
constexpr float ShellRadius = 135.0f;
constexpr float EnterSpeed = 1.5f;
constexpr float Damping = 0.95f;
constexpr float StandOff = 540.0f;
constexpr float FollowPull = 0.04f; // towards the ship's height, per tick
constexpr float FollowTop = 160.0f; // camera y + these bound its height
constexpr float FollowBottom = 320.0f;
constexpr uint32_t IrisEvery = 5; // ticks per cell of the iris
constexpr uint32_t VolleyTicks = 240;
constexpr uint32_t BurstTicks = 240;
constexpr uint32_t SpinTicks = 180; // one whole turn at 2 degrees a tick
constexpr float SpinStep = 2.0f;
constexpr int32_t DeathTicks = 299;

// A fanned volley at tick 40 of every 60, its shots by difficulty, up to nine.
constexpr uint32_t VolleyEvery = 60;
constexpr uint32_t VolleyAt = 40;
constexpr ByDifficulty<int32_t> VolleyShots{5, 7, 9};
constexpr float VolleySpeed = 4.0f;
constexpr float VolleySpread = 12.0f; // degrees between shots
// Three bursts of five, from tick 40 of every 70, a shot every 6 ticks.
constexpr uint32_t BurstEvery = 70;
constexpr uint32_t BurstStart = 40;
constexpr uint32_t BurstGap = 6;
constexpr int32_t BurstPhaseShots = 15;
constexpr float BurstSpeed = 6.0f;
// Ticks between the spiral's shots on Novice and Expert (Rookie's spin is silent).
constexpr ByDifficulty<uint32_t> SpiralGap{0, 8, 4};
constexpr float SpiralSpeed = 3.5f;

} // namespace

Boss2::Boss2()
{
    keepOnRestart = 1;
    drawOrder = 1;
    active = 0;
    // The core behind the iris, reached by shots along its line: the circle stands out in front
    // of the shell, or the shell would spend every shot before it came near the core.
    circles.push_back(Circle{CoreRadius, 0.0f, 0.0f, -CoreAhead, 0.0f});
    circles.push_back(Circle{ShellRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

bool Boss2::LoadResources() { return LoadSheet(BossSheets::Boss2, sheet); }

void Boss2::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    ResetBossState();
    angle = prevAngle = 0.0f;
    health = Health[CurrentPlay().difficulty];
    phase = Entering;
    phaseTicks = 0;
    iris = 0;
    burstShots = 0;
    burstDirection = {-1.0f, 0.0f};
}

void Boss2::Think()
{
    MeetPlayerShots();
    if (dying) {
        StepDying(DeathTicks, Score, true);
        return;
    }
    const CameraPoint& camera = CurrentPlay().world.camera;
    ++phaseTicks;
    if (phase == Entering) {
        Enter(camera.x);
        return;
    }
    RideWithCamera(*this);
    StepCellTowards(iris, phase == Spinning ? 0 : 3, phaseTicks, IrisEvery);
    switch (phase) {
    case Volleys: StepVolleys(); break;
    case Bursts: StepBursts(); break;
    case Spinning: StepSpin(); break;
    default: break;
    }
    if (phase != Spinning)
        FollowShip(camera.y);
    x += vx;
    y += vy;
    vx *= Damping;
    vy *= Damping;
}

void Boss2::Enter(float cx)
{
    x -= EnterSpeed;
    x += vx;
    y += vy;
    vx *= Damping;
    vy *= Damping;
    if (x - cx <= StandOff) {
        RaiseBossWarning(*this);
        NextPhase(Volleys);
    }
}

void Boss2::NextPhase(int32_t next)
{
    phase = next;
    phaseTicks = 0;
    burstShots = 0;
}

// Drifts towards the ship's height, keeping the whole shell on the screen.
void Boss2::FollowShip(float cy)
{
    float sx = 0.0f, sy = 0.0f;
    if (ShipTarget(sx, sy))
        vy += sy > y ? FollowPull : -FollowPull;
    if (y < cy + FollowTop && vy < 0.0f)
        vy = 0.0f;
    if (y > cy + FollowBottom && vy > 0.0f)
        vy = 0.0f;
}

void Boss2::StepVolleys()
{
    if (phaseTicks % VolleyEvery == VolleyAt)
        FireBossFan(*this, shots::EnemyBullet, x, y, VolleyShots[CurrentPlay().difficulty], VolleySpeed,
                    VolleySpread);
    if (phaseTicks >= VolleyTicks)
        NextPhase(Bursts);
}

// Each burst along the line to the ship as it starts.
void Boss2::StepBursts()
{
    const uint32_t inBurst = phaseTicks % BurstEvery;
    if (phaseTicks >= BurstStart && inBurst >= BurstStart && (inBurst - BurstStart) % BurstGap == 0 &&
        burstShots < BurstPhaseShots) {
        if ((inBurst - BurstStart) == 0)
            DirectionToShip(*this, x, y, burstDirection);
        FireEnemyBullet(*this, shots::EnemyBullet, x, y, burstDirection.x * BurstSpeed,
                        burstDirection.y * BurstSpeed);
        ++burstShots;
    }
    if (phaseTicks >= BurstTicks)
        NextPhase(Spinning);
}

void Boss2::StepSpin()
{
    angle += SpinStep;
    if (angle >= 360.0f) {
        angle -= 360.0f;
        prevAngle -= 360.0f;
    }
    const uint32_t gap = SpiralGap[CurrentPlay().difficulty];
    if (gap != 0 && phaseTicks % gap == 0) {
        const float radians = Radians(angle);
        const float dx = std::cos(radians) * SpiralSpeed;
        const float dy = std::sin(radians) * SpiralSpeed;
        FireEnemyBullet(*this, shots::EnemyBullet, x, y, dx, dy);
        FireEnemyBullet(*this, shots::EnemyBullet, x, y, -dx, -dy);
    }
    if (phaseTicks >= SpinTicks) {
        angle = prevAngle = 0.0f;
        NextPhase(Volleys);
    }
}

void Boss2::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    DrawEnemyCell(*this, sheet, iris,
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), BossSheets::Boss2Half,
                   BossSheets::Boss2Half, InterpolatedAngle(*this, interpolation)});
}
