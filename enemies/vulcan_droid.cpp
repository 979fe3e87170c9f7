#include "enemies/vulcan_droid.hpp"

#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_sheets.hpp"

#include <algorithm>

namespace {

// Tuning: how long its turn and squat take (the burst is in the header).
constexpr float TurnRate = 0.5f; // cells per tick
constexpr float SquatRate = 0.5f;
// Where the raised gun's muzzle is, ahead of and above the feet.
constexpr float MuzzleAhead = 16.0f;
constexpr float MuzzleHeight = 36.0f;

constexpr int WalkCells = 16;
constexpr float TurnCells = 8.0f; // facing right (0) to facing left (7)
constexpr float CrouchedCell = 7.0f; // of the squat, from standing (0)

} // namespace

VulcanDroid::VulcanDroid() : DeclaredEnemy(Score) {}

std::span<const PropertyDecl<VulcanDroid>> VulcanDroid::Properties() { return DroidProperties<VulcanDroid>(); }

bool VulcanDroid::LoadResources()
{
    const bool walkLoaded = LoadSheet(EnemySheets::VulcanDroidWalk, walkSheet);
    const bool turnLoaded = LoadSheet(EnemySheets::VulcanDroidTurn, turnSheet);
    return LoadSheet(EnemySheets::VulcanDroidSquat, squatSheet) && walkLoaded && turnLoaded;
}

void VulcanDroid::Spawn(float sx, float sy)
{
    SpawnDroid(sx, sy);
    pose = Pose::Walking;
    poseFrame = 0.0f;
    burstLeft = 0;
    burstTimer = 0;
}

void VulcanDroid::Think()
{
    if (pose == Pose::Walking) {
        Walk();
        return;
    }
    vx = 0.0f; // turning or squatting it stands its ground, and still falls
    StepWalking(Gait{}, 0);
    if (pose == Pose::Turning)
        StepTurn();
    else if (pose == Pose::Squatting)
        StepSquat();
    else
        StepRise();
}

void VulcanDroid::Walk()
{
    const int direction = HeldDirection();
    if (grounded && direction == -facing) {
        pose = Pose::Turning;
        poseFrame = 0.0f;
        vx = 0.0f;
        return;
    }
    StepWalking(Gait{}, direction);
    AnimateStride(WalkCells);
    // The timer runs on the ground only: it squats where it stands.
    if (grounded && --fireTimer <= 0) {
        pose = Pose::Squatting;
        poseFrame = 0.0f;
        burstLeft = BurstLength;
        burstTimer = 0;
    }
}

void VulcanDroid::StepTurn()
{
    poseFrame += TurnRate;
    if (poseFrame < TurnCells)
        return;
    facing = -facing;
    poseFrame = 0.0f;
    pose = Pose::Walking;
}

void VulcanDroid::StepSquat()
{
    if (poseFrame < CrouchedCell) {
        poseFrame = std::min(poseFrame + SquatRate, CrouchedCell);
        return;
    }
    if (--burstTimer > 0)
        return;
    FireAimedBullet(*this, x + MuzzleAhead * static_cast<float>(facing), y - MuzzleHeight);
    if (--burstLeft > 0)
        burstTimer = BurstGap;
    else
        pose = Pose::Rising;
}

void VulcanDroid::StepRise()
{
    poseFrame -= SquatRate;
    if (poseFrame > 0.0f)
        return;
    poseFrame = 0.0f;
    pose = Pose::Walking;
    fireTimer = RearmFireTimer(FireDelay::Long);
}

void VulcanDroid::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const int poseCell = static_cast<int>(poseFrame);
    switch (pose) {
    case Pose::Walking: DrawBodyCell(walkSheet, static_cast<int>(frame), interpolation, facing < 0); break;
    // The turn's cells run from facing right to facing left: a droid facing left plays them backwards.
    case Pose::Turning:
        DrawBodyCell(turnSheet, facing > 0 ? poseCell : static_cast<int>(TurnCells) - 1 - poseCell, interpolation,
                     false);
        break;
    case Pose::Squatting:
    case Pose::Rising: DrawBodyCell(squatSheet, poseCell, interpolation, facing < 0); break;
    }
}
