#include "enemies/bosses/mid_boss1.hpp"

#include "enemies/bosses/boss_sheets.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"
#include "player/shot_kinds.hpp"

namespace {

// Tuning: health and size, its flight and shadowing, and the shots of its rounds.
constexpr float Health = 100.0f;
constexpr float CoreRadius = 32.0f;
constexpr float CoreAhead = 50.0f; // the core's circle in front of the centre
constexpr float HullRadius = 70.0f;
constexpr float HullBehind = 10.0f;
constexpr float WingGunRadius = 32.0f;
constexpr float EnterSpeed = 2.0f;
constexpr float HoldDistance = 600.0f; // from the camera's left edge
constexpr float LeaveAcceleration = 0.1f;
constexpr float HorizontalDamping = 0.97f;
constexpr float VerticalDamping = 0.77f;
constexpr float ShadowPull = 0.4f; // towards the ship's height, per tick
constexpr float Top = 80.0f; // camera y + these bound its height
constexpr float Bottom = 400.0f;
constexpr uint32_t CoreEvery = 5; // ticks per cell of the core
constexpr uint32_t PhaseTicks = 180;
constexpr int32_t Rounds = 3;
constexpr int32_t DeathTicks = 99;
// Pairs straight ahead, after the first 20 ticks of the phase, by difficulty so many ticks apart.
constexpr uint32_t PairsStart = 20;
constexpr ByDifficulty<uint32_t> PairGap{25, 18, 12};
constexpr float Muzzle = 30.0f; // the pair leaves this far ahead of the centre
constexpr float PairHalfSpacing = 10.0f;
constexpr float PairSpeed = 6.0f;
// A spread from each wing gun at tick 30 of every 45, its shots by difficulty.
constexpr uint32_t SpreadEvery = 45;
constexpr uint32_t SpreadAt = 30;
constexpr ByDifficulty<int> SpreadShots{2, 3, 3};
constexpr float SpreadSpeed = 4.0f;
constexpr float SpreadDegrees = 15.0f; // between shots
constexpr float WingGun = 100.0f; // above and below the centre
constexpr float WingGunAhead = 10.0f;

} // namespace

MidBoss1::MidBoss1()
{
    keepOnRestart = 0;
    drawOrder = 1;
    active = 0;
    // The core, its circle standing out in front of the hull so that shots along its line
    // reach it.
    circles.push_back(Circle{CoreRadius, 0.0f, 0.0f, -CoreAhead, 0.0f});
    circles.push_back(Circle{HullRadius, 0.0f, 0.0f, HullBehind, 0.0f});
    circles.push_back(Circle{WingGunRadius, 0.0f, 0.0f, -WingGunAhead, -WingGun});
    circles.push_back(Circle{WingGunRadius, 0.0f, 0.0f, -WingGunAhead, WingGun});
}

bool MidBoss1::LoadResources()
{
    const bool hullLoaded = LoadSheet(BossSheets::MidBoss1Hull, hull);
    return LoadSheet(BossSheets::MidBoss1Core, coreSheet) && hullLoaded;
}

void MidBoss1::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    ResetBossState();
    health = Health;
    phase = Entering;
    phaseTicks = 0;
    rounds = 0;
    core = 0;
}

void MidBoss1::Think()
{
    MeetPlayerShots();
    if (dying) {
        StepDying(DeathTicks, 0, false);
        return;
    }
    ++phaseTicks;
    const CameraPoint& camera = CurrentPlay().world.camera;
    const int level = CurrentPlay().difficulty;
    switch (phase) {
    case Entering:
        vx = -EnterSpeed;
        if (x - camera.x <= HoldDistance)
            NextPhase(Pairs);
        break;
    case Pairs:
        RideWithCamera(*this);
        if (phaseTicks > PairsStart && phaseTicks % PairGap[level] == 0) {
            FireEnemyBullet(*this, shots::MidBossBullet, x - Muzzle, y - PairHalfSpacing, -PairSpeed, 0.0f);
            FireEnemyBullet(*this, shots::MidBossBullet, x - Muzzle, y + PairHalfSpacing, -PairSpeed, 0.0f);
        }
        if (phaseTicks >= PhaseTicks)
            NextPhase(Spreads);
        break;
    case Spreads:
        RideWithCamera(*this);
        if (phaseTicks % SpreadEvery == SpreadAt) {
            FireBossFan(*this, shots::MidBossBullet, x - WingGunAhead, y - WingGun, SpreadShots[level], SpreadSpeed,
                        SpreadDegrees);
            FireBossFan(*this, shots::MidBossBullet, x - WingGunAhead, y + WingGun, SpreadShots[level], SpreadSpeed,
                        SpreadDegrees);
        }
        if (phaseTicks >= PhaseTicks)
            NextPhase(++rounds >= Rounds ? Leaving : Pairs);
        break;
    case Leaving: vx += LeaveAcceleration; break;
    default: break;
    }
    StepCellTowards(core, phase == Pairs ? 3 : 0, phaseTicks, CoreEvery);
    if (phase != Entering)
        Shadow(camera.y);
    x += vx;
    y += vy;
    vx *= HorizontalDamping;
    vy *= VerticalDamping;
}

void MidBoss1::NextPhase(int32_t next)
{
    phase = next;
    phaseTicks = 0;
}

void MidBoss1::Shadow(float cy)
{
    float sx = 0.0f, sy = 0.0f;
    if (ShipTarget(sx, sy))
        vy += sy > y ? ShadowPull : -ShadowPull;
    if (y < cy + Top && vy < 0.0f)
        vy = 0.0f;
    if (y > cy + Bottom && vy > 0.0f)
        vy = 0.0f;
}

// A mid-boss pays at once and leaves the stage running.
void MidBoss1::Destroyed()
{
    if (dying)
        return;
    CurrentPlay().score += Score;
    BossEntity::Destroyed();
}

void MidBoss1::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const float px = InterpolatedX(*this, interpolation);
    const float py = InterpolatedY(*this, interpolation);
    DrawEnemyCell(*this, hull, 0, {px, py, BossSheets::MidBoss1HullHalf, BossSheets::MidBoss1HullHalf});
    DrawEnemyCell(*this, coreSheet, core, {px, py, BossSheets::MidBoss1CoreHalf, BossSheets::MidBoss1CoreHalf});
}
