#include "enemies/bosses/boss1.hpp"

#include "enemies/bosses/boss_sheets.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"
#include "graphics/effects.hpp"
#include "core/random.hpp"
#include "player/control_states.hpp"
#include "player/shot_kinds.hpp"
#include "world/child_entities.hpp"

#include <algorithm>
#include <cmath>

namespace {

// Tuning: health, the fight's clock (ticks of a still camera), the valve's stream and the
// mouth's bursts.
constexpr ByDifficulty<float> Health{100.0f, 100.0f, 200.0f};
constexpr uint32_t WarningTick = 20;
constexpr uint32_t FightTick = 500;
constexpr std::array<uint32_t, 3> LaunchTicks = {500, 750, 1000};
constexpr uint32_t RepeatTick = 1250;
constexpr int32_t ValvePhase = 150; // ticks open, then shut
constexpr int32_t VolleyDelay = 50; // from the valve's opening to its first shot
constexpr int32_t VolleyGap = 2;
constexpr int32_t VolleyShots = 9;
constexpr float ValveShotSpeed = 3.0f;
constexpr int32_t BurstPause = 150;
constexpr int32_t BurstGap = 5;
constexpr int32_t BurstShots = 11;
constexpr float BurstSpeed = 10.0f;
constexpr int32_t DeathTicks = 299;

const PropertyDecl<Boss1> Declared[] = {
    RecordPatternProperty<Boss1>(),
    {.name = "Which pattern to record", .kind = PropertyKind::Integer, .intMember = &Boss1::recordedArm,
     .stored = false, .minValue = 0, .maxValue = 2},
};

// The body as hit circles: the valve first (its own test makes the boss vulnerable), then
// the mass around it and the two roots along the ceiling and the floor.
constexpr std::array<Circle, 17> HiveCircles{{
    {28.0f, 0.0f, 0.0f, BossSheets::ValveX, BossSheets::ValveY},
    {30.0f, 0.0f, 0.0f, BossSheets::MouthX, BossSheets::MouthY},
    {60.0f, 0.0f, 0.0f, -160.0f, -150.0f},
    {70.0f, 0.0f, 0.0f, -60.0f, -170.0f},
    {70.0f, 0.0f, 0.0f, 50.0f, -150.0f},
    {60.0f, 0.0f, 0.0f, -10.0f, -60.0f},
    {60.0f, 0.0f, 0.0f, 60.0f, 0.0f},
    {60.0f, 0.0f, 0.0f, -10.0f, 110.0f},
    {70.0f, 0.0f, 0.0f, 60.0f, 120.0f},
    {55.0f, 0.0f, 0.0f, -130.0f, 140.0f},
    {40.0f, 0.0f, 0.0f, -200.0f, -110.0f},
    {40.0f, 0.0f, 0.0f, -300.0f, -260.0f},
    {40.0f, 0.0f, 0.0f, -400.0f, -270.0f},
    {40.0f, 0.0f, 0.0f, -500.0f, -280.0f},
    {40.0f, 0.0f, 0.0f, -300.0f, 260.0f},
    {40.0f, 0.0f, 0.0f, -400.0f, 270.0f},
    {40.0f, 0.0f, 0.0f, -500.0f, 280.0f},
}};

bool CameraStandsStill()
{
    const Vec2 step = CameraStep();
    return step.x == 0.0f && step.y == 0.0f;
}

} // namespace

std::span<const PropertyDecl<Boss1>> Boss1::Properties() { return Declared; }

Boss1::Boss1()
{
    keepOnRestart = 1;
    drawOrder = 1;
    active = 0;
    circles.assign(HiveCircles.begin(), HiveCircles.end());
}

bool Boss1::LoadResources()
{
    bool loaded = LoadSheet(BossSheets::Boss1, body);
    loaded = LoadSheet(BossSheets::Boss1Valve, valveSheet) && loaded;
    for (size_t i = 0; i < eyePictures.size(); ++i)
        loaded = LoadSheet(BossSheets::Boss1Eyes[i], eyePictures[i]) && loaded;
    for (ArmTemplate& arm : arms)
        loaded = arm->LoadResources() && loaded;
    return loaded;
}

void Boss1::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    ResetBossState();
    health = Health[CurrentPlay().difficulty];
    frame = 8.0f;
    bossClock = 0;
    for (int i = 0; i < Valve; ++i) {
        eyeStates[i] = 1;
        eyeFrames[i] = 3;
        eyeTimers[i] = Random() % 100 + 50;
    }
    eyeStates[Valve] = 0;
    eyeFrames[Valve] = 3;
    eyeTimers[Valve] = ValvePhase;
    volleyTimer = VolleyDelay;
    volleyCount = 0;
    volleyDirection = {-1.0f, 0.0f};
    burstTimer = BurstPause;
    burstCount = 0;
    burstAngle = 0.0f;
    mouthFrame = 0.0f;
    sway = 0.0f;
}

void Boss1::Think()
{
    const bool still = CameraStandsStill();
    if (still)
        ++bossClock;
    MeetPlayerShots();
    if (CurrentPlay().recordingPattern) {
        if (still)
            for (ArmTemplate& arm : arms)
                if (arm->recording)
                    arm->Update();
        return;
    }
    // The fight waits with its clock while the camera moves: a clock standing at a launch
    // tick must not launch again.
    if (dying)
        StepDying(DeathTicks, Score, true);
    else if (still)
        Fight();
}

void Boss1::Fight()
{
    if (bossClock == WarningTick)
        RaiseBossWarning(*this);
    const float wave = std::sin(0.1f * static_cast<float>(CurrentPlay().stateTicks));
    sway = bossClock < 501 ? static_cast<float>(bossClock) * 0.002f * 5.0f * wave : 5.0f * wave;
    for (int i = 0; i < 3; ++i)
        if (bossClock == LaunchTicks[i])
            LaunchArm(i);
    if (bossClock == RepeatTick)
        bossClock = FightTick - 1;
    if (bossClock > FightTick)
        StepEyes();
    StepValveStream();
    if (bossClock > FightTick)
        StepBursts();
}

void Boss1::StepEyes()
{
    for (int i = 0; i < Slots; ++i) {
        const int32_t timer = --eyeTimers[i];
        int32_t cell = 0;
        if (eyeStates[i])
            cell = timer < 40 ? timer / 10 : 3;
        else
            cell = timer < 40 ? 4 - timer / 10 : 0;
        eyeFrames[i] = std::clamp(cell, 0, 3);
        if (timer > 0)
            continue;
        const bool wasOpen = eyeStates[i] != 0;
        eyeStates[i] = wasOpen ? 0 : 1;
        if (i == Valve) {
            eyeTimers[i] = ValvePhase;
            if (wasOpen) {
                volleyTimer = VolleyDelay;
                volleyCount = 0;
            }
        } else {
            eyeTimers[i] = wasOpen ? Random() % 100 + 50 : Random() % 20 + 50;
        }
    }
}

// The stream leaves the valve along the line to the ship as the volley starts, so a ship
// that keeps moving slips past it.
void Boss1::StepValveStream()
{
    if (eyeFrames[Valve] != 0 || --volleyTimer > 0 || volleyCount >= VolleyShots)
        return;
    volleyTimer = VolleyGap;
    const float fromX = x + BossSheets::ValveX;
    const float fromY = y + BossSheets::ValveY;
    if (volleyCount == 0)
        DirectionToShip(*this, fromX, fromY, volleyDirection);
    FireEnemyBullet(*this, shots::AcceleratingShot, fromX, fromY, volleyDirection.x * ValveShotSpeed,
                 volleyDirection.y * ValveShotSpeed);
    ++volleyCount;
}

void Boss1::StepBursts()
{
    --burstTimer;
    if (burstTimer >= 1 && burstTimer <= 49) {
        mouthFrame += 0.5f;
        if (mouthFrame >= 32.0f)
            mouthFrame -= 32.0f;
    }
    if (burstTimer > 0)
        return;
    burstTimer = BurstGap;
    const float fromX = x + BossSheets::MouthX;
    const float fromY = y + BossSheets::MouthY;
    if (burstCount == 0) {
        Vec2 d;
        if (DirectionToShip(*this, fromX, fromY, d))
            burstAngle = std::atan2(d.y, d.x);
    }
    FireEnemyBullet(*this, shots::EnemyBullet, fromX, fromY, std::cos(burstAngle) * BurstSpeed,
                 std::sin(burstAngle) * BurstSpeed);
    if (++burstCount >= BurstShots) {
        burstCount = 0;
        burstTimer = BurstPause;
    }
}

void Boss1::PlaceArm(Serpent& arm, int index) const
{
    const BossSheets::ArmRoot& root = BossSheets::ArmRoots[static_cast<size_t>(index)];
    arm.layer = layer;
    arm.Spawn(x + root.x, y + root.y);
    arm.Aim(root.angle);
    arm.patternTick = 0;
}

void Boss1::LaunchArm(int index)
{
    std::unique_ptr<Entity> copy = arms[static_cast<size_t>(index)]->Clone();
    auto* arm = static_cast<Serpent*>(copy.get());
    arm->LoadResources();
    PlaceArm(*arm, index);
    AppendEntity(CurrentPlay().world, std::move(copy), layer);
}

void Boss1::StartRecording()
{
    recording = 0;
    for (int i = 0; i < 3; ++i) {
        Serpent& arm = *arms[static_cast<size_t>(i)];
        if (i == recordedArm) {
            PlaceArm(arm, i);
            arm.StartRecording();
        } else {
            arm.recording = 0;
        }
    }
}

void Boss1::StopRecording()
{
    for (ArmTemplate& arm : arms) {
        arm->StopRecording();
        arm->recording = 0;
    }
}

void Boss1::Destroyed()
{
    if (dying)
        return;
    // Its arms and every enemy on the play layer die with it; the scenery stays. Index loop: a
    // Destroyed may append its blasts to the layer.
    EntityList& playLayer = CurrentPlay().world.entityLayers[2];
    for (size_t i = 0; i < playLayer.size(); ++i) {
        Entity& other = *playLayer[i];
        if (&other != this && other.health > 0.0f && dynamic_cast<Hostile*>(&other))
            other.Destroyed();
    }
    BossEntity::Destroyed();
    const CameraPoint& camera = CurrentPlay().world.camera;
    AddShockWave(CurrentPlay().effects, x - camera.x, y - camera.y, 100.0f, 10.0f);
}

bool Boss1::LoadProperties(DataFile& file)
{
    if (!BossEntity::LoadProperties(file))
        return false;
    for (ArmTemplate& arm : arms)
        if (!arm->Load(file))
            return false;
    return true;
}

bool Boss1::SaveProperties(DataFile& file)
{
    if (!BossEntity::SaveProperties(file))
        return false;
    for (ArmTemplate& arm : arms)
        if (!arm->Save(file))
            return false;
    return true;
}
