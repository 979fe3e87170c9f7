#include "player/player.hpp"
#include "core/screen_size.hpp"
#include "audio/music_track.hpp"
#include "input/input_state.hpp"
#include "player/ship_settings.hpp"

#include "audio/audio_system.hpp"
#include "world/play_context.hpp"
#include "core/random.hpp"
#include "player/control_states.hpp"
#include "player/player_sheets.hpp"
#include "player/ship_type.hpp"
#include "player/shot_kinds.hpp"
#include "world/difficulty.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t DeathCountToLoseLife = 50;
constexpr int32_t DeathCountToRebuild = 150;
constexpr int32_t FlyOutTicksToFade = 150;
constexpr int32_t ChargeGain[ShipTypeCount] = {2, 1, 2, 2};

uint8_t State(ButtonState state)
{
    return static_cast<uint8_t>(state);
}

ShipType ShipTypeOf(const PlayContext& play)
{
    return static_cast<ShipType>(std::clamp(play.ship.ShipType, 0, ShipTypeCount - 1));
}

} // namespace

Player::Player()
{
    circles.push_back(Circle{7.0f, 0.0f, 0.0f, -4.0f, 0.0f});
}

// A missing picture leaves its layer undrawn; the ship still flies.
bool Player::LoadResources()
{
    const ShipType type = ShipTypeOf(CurrentPlay());
    for (size_t layer = 0; layer < layers.size(); ++layer)
        if (!LoadSheet(PlayerSheets::ShipLayers[static_cast<size_t>(Id(type))][layer], layers[layer]))
            layers[layer] = SpriteSheet{};
    tailSheet = SpriteSheet{};
    if (type == ShipType::MkIII)
        LoadSheet(PlayerSheets::Tail, tailSheet);
    orb.LoadResources();
    return true;
}

void Player::ResetForNewGame()
{
    orbWeaponKept = false;
    missileKept = false;
    keptOrbWeapon = Id(OrbWeapon::Laser);
    keptPodCount = 0;
    missileEnabled = false;
    missileAlternate = false;
    clearedStage = false;
    stageClear = false;
    glowPulse = 0.0f;
    glowFalling = false;
    orb.present = false;
    pods.clear();
}

void Player::Spawn(float, float sy)
{
    PlayContext& play = CurrentPlay();
    x = play.world.camera.x - 128.0f;
    y = play.checkpointTime > 0 ? play.checkpointHeight : sy;
    prevX = x;
    prevY = y;
    vx = 0.0f;
    vy = 0.0f;
    health = 1.0f;
    frame = 8.0f;
    SpeedLevel = 2;
    SetSpeedLevel(true);
    friction = 0.75f;
    ForceCharge = 0;
    chargeHoldTicks = 0;
    control = ControlRecord{};
    patternTick = 0;
    // The bubbles and splashes draw random numbers on the ship's age: a life must start the
    // same however long the program has run, or a demo would not replay its recording.
    age = 0;
    inWater = 0;
    LaunchCountdown = 150;
    launched = false;
    DyingCounter = 0;
    destroyed = false;
    stageClear = false;
    stageClearCounter = 0;
    fireReload = 0;
    missileReload = 0;
    missileEnabled = false;
    orb.present = false;
    pods.clear();
    tail.clear();
    if (ShipTypeOf(play) == ShipType::MkIII)
        tail.assign(10, TailSegment{x - 15.0f, y, x - 15.0f, y, 0.0f});
    exhaust = TrailHandle{};
    (this->*placeCircles)(circles);
    play.PlaySound(SoundId::Spawn);
}

void Player::StepGlowPulse()
{
    glowPulse += glowFalling ? -0.25f : 0.25f;
    if (glowPulse >= 15.0f)
        glowFalling = true;
    else if (glowPulse <= 0.0f)
        glowFalling = false;
}

void Player::CountDeath()
{
    PlayContext& play = CurrentPlay();
    ++DyingCounter;
    if (DyingCounter == DeathCountToLoseLife) {
        --play.lives;
        if (play.lives > 0)
            play.host.FadeOutForRebuild();
        else
            play.host.StartGameOver();
    }
    if (DyingCounter > DeathCountToRebuild && play.lives > 0)
        play.host.BuildStageAt(play.checkpointTime);
}

void Player::FlyOut()
{
    const CameraPoint& camera = CurrentPlay().world.camera;
    vx += 0.1f;
    frame += (7.5f - frame) * (1.0f - 0.95f);
    if (y < camera.y + 235.0f)
        vy += 0.15f;
    else if (y > camera.y + 245.0f)
        vy -= 0.15f;
    if (x > camera.x + ScreenCentreX)
        vx += 0.7f;
    if (++stageClearCounter == FlyOutTicksToFade)
        CurrentPlay().host.FadeToNextStage();
}

void Player::FlyIn()
{
    PlayContext& play = CurrentPlay();
    const CameraPoint& camera = play.world.camera;
    vx = 5.3f;
    x = std::min(x, camera.x + ScreenCentreX);
    --LaunchCountdown;
    if (LaunchCountdown < 50) {
        frame = std::min(frame + 0.35f, 15.0f);
        if (!exhaust) {
            const TrailColour hot{0.5f, 0.8f, 1.0f, 0.9f};
            const TrailColour cold{0.1f, 0.2f, 0.6f, 0.0f};
            exhaust = AddTrail(play.effects, StartTrail(x - 16.0f, y + 2.0f, 0, hot, cold, 12, 1, 1.0f));
        }
    }
    if (LaunchCountdown <= 0)
        Launch();
}

void Player::Launch()
{
    PlayContext& play = CurrentPlay();
    launched = true;
    if (IsHeld(control.controls.FIRE))
        control.controls.FIRE = State(ButtonState::JustPressed);
    vx = 0.0f;
    vy = 0.0f;
    if (!CurrentPlay().demoMode) {
        if (play.allGunPods)
            for (int i = 0; i < 5; ++i)
                AddPod();
        if (play.startWeapon > 0)
            CollectPowerUp(play.startWeapon - 1);
    }
    if (IsAtMost(play.difficulty, Difficulty::Novice) || clearedStage) {
        if (missileKept)
            missileEnabled = true;
        if (orbWeaponKept)
            CollectPowerUp(keptOrbWeapon);
        const int32_t pods = keptPodCount;
        for (int32_t i = 0; i < pods; ++i)
            AddPod();
    }
    clearedStage = false;
}

bool Player::TouchesSolidTile() const
{
    PlayContext& play = CurrentPlay();
    return play.HitTile(x + 5.0f, y) || play.HitTile(x - 5.0f, y) || play.HitTile(x, y + 5.0f) ||
           play.HitTile(x, y - 5.0f);
}

void Player::Steer()
{
    const ControlBlock& c = control.controls;
    if (IsJustPressed(c.SPEEDUP))
        SetSpeedLevel(true);
    if (IsJustPressed(c.SPEEDDOWN))
        SetSpeedLevel(false);
    if (IsHeld(c.UP)) {
        vy -= speed;
        frame = std::min(frame + 0.5f, 15.0f);
    }
    if (IsHeld(c.DOWN)) {
        vy += speed;
        frame = std::max(frame - 0.5f, 0.0f);
    }
    if (IsIdle(c.UP) && IsIdle(c.DOWN)) {
        if (frame < 8.0f)
            frame = std::min(frame + 0.5f, 8.0f);
        else if (frame > 9.0f)
            frame = std::max(frame - 0.5f, 9.0f);
    }
    if (IsHeld(c.RIGHT))
        vx += speed;
    if (IsHeld(c.LEFT))
        vx -= speed;
}

void Player::TailEnd(float& outX, float& outY) const
{
    outX = tail.empty() ? x : tail.back().x;
    outY = tail.empty() ? y : tail.back().y;
}

void Player::FireCannon()
{
    PlayContext& play = CurrentPlay();
    ShotList& list = play.shots.playerShots;
    const ShipType type = ShipTypeOf(play);
    if (type == ShipType::Butterfly) {
        FireShot(list, shots::Cannon, x + 10.0f, y - 10.0f, 12.0f, 0.0f);
        FireShot(list, shots::Cannon, x + 10.0f, y + 10.0f, 12.0f, 0.0f);
    } else {
        FireShot(list, shots::Cannon, x + 10.0f, y, 12.0f, 0.0f);
    }
    if (type == ShipType::MkIII) {
        float tx = 0.0f, ty = 0.0f;
        TailEnd(tx, ty);
        const float away = x - tx >= 20.0f ? -12.0f : 12.0f;
        FireShot(list, shots::Cannon, tx, ty, away, 0.0f);
        if (away < 0.0f)
            list.back().orientation = 1.0f;
    }
    play.PlaySound(SoundId::Cannon);
}

void Player::FireMissiles()
{
    PlayContext& play = CurrentPlay();
    ShotList& list = play.shots.playerShots;
    play.PlaySound(SoundId::Missile);
    switch (ShipTypeOf(play)) {
    case ShipType::MkII:
        missileReload = 50;
        FireShot(list, shots::AirToGroundMissile, x, y, 5.0f, 0.0f);
        break;
    case ShipType::MkIII:
        missileReload = 70;
        FireShot(list, shots::ClusterMissile, x, y, 0.1f, missileAlternate ? 2.0f : -2.0f);
        missileAlternate = !missileAlternate;
        break;
    default:
        missileReload = 70;
        FireShot(list, shots::HomingMissile, x, y, 0.1f, -2.0f);
        FireShot(list, shots::HomingMissile, x, y, 0.1f, 2.0f);
        break;
    }
}

void Player::ReleaseForce()
{
    PlayContext& play = CurrentPlay();
    ShotList& list = play.shots.playerShots;
    const ShipType type = ShipTypeOf(play);
    if (type == ShipType::MkII) {
        if (ForceCharge < 100)
            return;
        static constexpr float claws[4][2] = {{14.0f, -8.0f}, {14.0f, -11.0f}, {14.0f, 8.0f}, {14.0f, 11.0f}};
        for (int i = 0; i < 4; ++i)
            FireShot(list, shots::Claw, x + 10.0f, y, claws[i][0], claws[i][1], static_cast<float>(i));
        return;
    }
    if (ForceCharge < 15)
        return;
    const float power = ForceCharge >= 100 ? 48.0f : ForceCharge >= 60 ? 3.0f : ForceCharge >= 30 ? 2.0f : 1.0f;
    if (type == ShipType::Butterfly) {
        FireShot(list, shots::ForceBurst, x + 10.0f, y + 10.0f, 12.0f, 0.0f, 0.0f, power);
        FireShot(list, shots::ForceBurst, x + 10.0f, y - 10.0f, 12.0f, 0.0f, 0.0f, power);
        return;
    }
    if (type == ShipType::MkIII) {
        float tx = 0.0f, ty = 0.0f;
        TailEnd(tx, ty);
        FireShot(list, shots::ForceBurst, tx, ty, x - tx >= 20.0f ? -12.0f : 12.0f, 0.0f, 0.0f, power);
    }
    FireShot(list, shots::ForceBurst, x + 10.0f, y, 12.0f, 0.0f, 0.0f, power);
}

void Player::UseOrb()
{
    const ControlBlock& c = control.controls;
    if (IsJustPressed(c.FIRE2) && orb.present) {
        if (orb.attached)
            orb.Launch();
        else
            orb.Recall();
    }
    if (IsJustPressed(c.FIRE3) && orb.present)
        orb.Detonate();
}

void Player::AddPod()
{
    PlayContext& play = CurrentPlay();
    if (static_cast<int32_t>(pods.size()) >= GunPod::MaxPods(play.ship.gunPodType))
        return;
    GunPod pod;
    pod.index = static_cast<int32_t>(pods.size());
    pod.LoadResources();
    pod.Spawn(x - 30.0f, y);
    pods.push_back(pod);
}

void Player::UpdateEscorts()
{
    PlayContext& play = CurrentPlay();
    if (orb.present)
        orb.Update();
    const ControlBlock& c = control.controls;
    const bool steering = IsHeld(c.UP) || IsHeld(c.DOWN) || IsHeld(c.LEFT) || IsHeld(c.RIGHT) || stageClear;
    for (size_t i = 0; i < pods.size(); ++i) {
        GunPod& pod = pods[i];
        if (play.ship.gunPodType == 0 && steering) {
            const float leaderX = i == 0 ? x : pods[i - 1].x;
            const float leaderY = i == 0 ? y : pods[i - 1].y;
            const float dx = leaderX - pod.x, dy = leaderY - pod.y;
            const float length = std::sqrt(dx * dx + dy * dy);
            if (length > 30.0f) {
                pod.vx += 1.1f * speed * dx / length;
                pod.vy += 1.1f * speed * dy / length;
            }
        }
        pod.Update();
    }
}

void Player::UpdateTail()
{
    if (tail.empty())
        return;
    const StageWorld& world = CurrentPlay().world;
    const float scrollX = world.camera.x - world.previousCamera.x;
    const float scrollY = world.camera.y - world.previousCamera.y;
    const ControlBlock& c = control.controls;
    const bool steering = IsHeld(c.UP) || IsHeld(c.DOWN) || IsHeld(c.LEFT) || IsHeld(c.RIGHT);
    for (size_t i = 0; i < tail.size(); ++i) {
        TailSegment& segment = tail[i];
        segment.prevX = segment.x;
        segment.prevY = segment.y;
        if (i == 0) {
            segment.x = x - 15.0f;
            segment.y = y;
        } else {
            segment.x += scrollX;
            segment.y += scrollY;
            const TailSegment& before = tail[i - 1];
            const float dx = before.x - segment.x, dy = before.y - segment.y;
            if (launched && steering && dx * dx + dy * dy > 100.0f) {
                segment.x += dx / 2.0f;
                segment.y += dy / 2.0f;
            }
        }
        segment.phase += 0.5f;
        if (segment.phase >= 15.0f)
            segment.phase -= 15.0f;
    }
}

void Player::Think()
{
    PlayContext& play = CurrentPlay();
    StepGlowPulse();
    if (health <= 0.0f) {
        CountDeath();
        return;
    }
    if (launched && stageClear)
        FlyOut();
    const CameraPoint& camera = play.world.camera;
    const CameraPoint& previous = play.world.previousCamera;
    x += camera.x - previous.x;
    y += camera.y - previous.y;
    if (!launched) {
        FlyIn();
    } else if (!stageClear) {
        if (!play.recordingPattern && TouchesSolidTile()) {
            Destroyed();
            return;
        }
        Steer();
        --fireReload;
        --missileReload;
        const ControlBlock& c = control.controls;
        const bool fireNow = FireTriggered(c, play.input.autofire);
        if (fireNow) {
            ForceCharge = 1;
            if (fireReload < 1) {
                fireReload = play.input.autofire ? 10 : 5;
                FireCannon();
            }
            if (orb.present && orb.attached && orb.weaponKind == Id(OrbWeapon::Magma) && orb.tickCounter > 5) {
                orb.tickCounter = 0;
                orb.charge += 12;
                FireShot(play.shots.playerShots, shots::Magma, orb.x, orb.y, 0.0f, 0.0f,
                         orb.inFront ? 0.0f : 180.0f);
                play.PlaySound(SoundId::Magma);
            }
            if (missileEnabled && missileReload < 1)
                FireMissiles();
        }
        if (IsHeld(c.FIRE)) {
            if (ForceCharge == 5)
                play.PlaySound(SoundId::ForceCharge);
            ++chargeHoldTicks;
            if (ForceCharge > 0)
                ForceCharge = std::min(ForceCharge + ChargeGain[Id(ShipTypeOf(play))], 100);
            chargePhase += 0.5f;
            if (chargePhase >= 32.0f)
                chargePhase -= 32.0f;
        }
        const bool released = c.FIRE == State(ButtonState::JustReleased);
        if (released || chargeHoldTicks >= 301) {
            chargeHoldTicks = 0;
            play.StopSound(SoundId::ForceCharge);
            ReleaseForce();
            if (released && orb.present && orb.attached && orb.charge >= 100)
                orb.Release();
            ForceCharge = 0;
            if (orb.weaponKind != Id(OrbWeapon::Magma))
                orb.charge = 0;
        }
        UseOrb();
    }
    x = std::clamp(x, camera.x, camera.x + ScreenWidth);
    y = std::clamp(y, camera.y, camera.y + ScreenHeight);
    x += vx;
    y += vy;
    if (!stageClear) {
        vx *= friction;
        vy *= friction;
    }
    if (Trail* trail = FindTrail(play.effects, exhaust))
        MoveTrailEmitter(*trail, x - 16.0f, y + 2.0f);
    UpdateEscorts();
    UpdateTail();
    if (age % 10 == 1)
        AddEmitter(play.effects, EmitterKind::Bubbles, x, y);
}

void Player::Destroyed()
{
    PlayContext& play = CurrentPlay();
    if (play.recordingPattern || destroyed)
        return;
    destroyed = true;
    // The game over of a demo updates every entity, which may add shots and entities: it
    // waits for the end of the tick instead of running inside the collision pass's loops.
    if (CurrentPlay().demoMode)
        CurrentPlay().demoShipLost = true;
    else
        StopAllAudio();
    play.StopSound(SoundId::ForceCharge);
    ForceCharge = 0;
    health = -1.0f;
    AddExplosion(play.world, 3, x, y, 128.0f, 128.0f, ExplosionStyle::Blast, static_cast<float>(Random() % 360));
    AddExplosion(play.world, 3, x, y, 96.0f, 96.0f, ExplosionStyle::Glow, static_cast<float>(Random() % 360));
    orb.present = false;
    pods.clear();
    EndTrail(play.effects, exhaust);
    if (IsAtLeast(play.difficulty, Difficulty::Expert)) {
        orbWeaponKept = false;
        missileKept = false;
        keptPodCount = 0;
    }
    play.PlaySound(SoundId::BossExplosion);
}

bool Player::HitTest(std::vector<Circle> others)
{
    if (!launched || health <= 0.0f || CurrentPlay().recordingPattern)
        return false;
    return Entity::HitTest(std::move(others));
}

void Player::SetSpeedLevel(bool up)
{
    if (SpeedLevel == 0)
        return;
    PlayContext& play = CurrentPlay();
    const ShipType shipType = ShipTypeOf(play);
    const int32_t before = SpeedLevel;
    SpeedLevel = std::clamp(SpeedLevel + (up ? 1 : -1), 1, MaxSpeedLevel(Id(shipType)));
    speed = ShipSpeed(Id(shipType), SpeedLevel);
    if (SpeedLevel == before)
        return;
    play.PlaySound(SoundId::SpeedChange);
    if (shipType == ShipType::MkII || shipType == ShipType::Butterfly)
        FireShot(play.shots.playerShots, shots::ExhaustBlast, x, y, -3.0f, 0.0f);
    else
        FireShot(play.shots.playerShots, shots::SpeedChangeFlash, x - 20.0f, y, 0.0f, 0.0f);
}

void Player::CollectPowerUp(int32_t kind)
{
    if (kind < 0 || kind >= PowerUpKindCount)
        return;
    PlayContext& play = CurrentPlay();
    play.PlaySound(SoundId::PowerUp);
    if (kind < OrbWeaponCount) {
        if (!orb.present) {
            orb.LoadResources();
            orb.Place(x, y);
        }
        orb.weaponKind = kind;
        AddEmitter(play.effects, EmitterKind::GatherRing, x, y);
        orbWeaponKept = true;
        keptOrbWeapon = kind;
    } else if (kind == Id(PowerUpKind::GunPod)) {
        AddPod();
        keptPodCount = static_cast<int32_t>(pods.size());
    } else {
        missileEnabled = true;
        missileKept = true;
    }
}

void Player::StartStageClear()
{
    stageClear = true;
    clearedStage = true;
    stageClearCounter = 0;
    CurrentPlay().secondMusic.Stop();
}

void Player::DescribeProperties(std::vector<EntityProperty>&) {}

bool Player::LoadProperties(DataFile&)
{
    return true;
}

bool Player::SaveProperties(DataFile&)
{
    return true;
}
