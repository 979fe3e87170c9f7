#include "enemies/bosses/mid_boss1.hpp"

#include "enemies/bosses/boss_sheets.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "world/play_context.hpp"
#include "player/shot_kinds.hpp"

namespace {

constexpr float EnterSpeed = 2.0f;
constexpr float HoldDistance = 600.0f; // from the camera's left edge
constexpr float HorizontalDamping = 0.97f;
constexpr float VerticalDamping = 0.77f;
constexpr float Top = 80.0f; // camera y + these bound its height
constexpr float Bottom = 400.0f;
constexpr uint32_t PhaseTicks = 180;
constexpr int32_t Rounds = 3;
constexpr int32_t DeathTicks = 99;
constexpr float Muzzle = 30.0f; // the pair leaves this far ahead of the centre
constexpr float WingGun = 100.0f;

// Ticks between pairs, and shots per wing spread, by difficulty.
constexpr uint32_t PairGap[3] = {25, 18, 12};
constexpr int SpreadShots[3] = {2, 3, 3};

} // namespace

MidBoss1::MidBoss1()
{
    keepOnRestart = 0;
    drawOrder = 1;
    active = 0;
    // The core, its circle standing out in front of the hull so that shots along its line
    // reach it.
    circles.push_back(Circle{32.0f, 0.0f, 0.0f, -50.0f, 0.0f});
    circles.push_back(Circle{70.0f, 0.0f, 0.0f, 10.0f, 0.0f});
    circles.push_back(Circle{32.0f, 0.0f, 0.0f, -10.0f, -WingGun});
    circles.push_back(Circle{32.0f, 0.0f, 0.0f, -10.0f, WingGun});
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
    health = 100.0f;
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
        if (phaseTicks > 20 && phaseTicks % PairGap[level] == 0) {
            FireEnemyBullet(*this, shots::EnemyBullet, x - Muzzle, y - 10.0f, -6.0f, 0.0f);
            FireEnemyBullet(*this, shots::EnemyBullet, x - Muzzle, y + 10.0f, -6.0f, 0.0f);
        }
        if (phaseTicks >= PhaseTicks)
            NextPhase(Spreads);
        break;
    case Spreads:
        RideWithCamera(*this);
        if (phaseTicks % 45 == 30) {
            FireBossFan(*this, shots::EnemyBullet, x - 10.0f, y - WingGun, SpreadShots[level], 4.0f, 15.0f);
            FireBossFan(*this, shots::EnemyBullet, x - 10.0f, y + WingGun, SpreadShots[level], 4.0f, 15.0f);
        }
        if (phaseTicks >= PhaseTicks)
            NextPhase(++rounds >= Rounds ? Leaving : Pairs);
        break;
    case Leaving: vx += 0.1f; break;
    default: break;
    }
    StepCellTowards(core, phase == Pairs ? 3 : 0, phaseTicks, 5);
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
        vy += sy > y ? 0.4f : -0.4f;
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
