#include "player/player.hpp"

#include "audio/audio_system.hpp"
#include "engine/engine.hpp"
#include "game/game_flow_globals.hpp"
#include "game/shell_media.hpp"
#include "graphics/random.hpp"

#include <algorithm>

namespace {

constexpr int32_t DeathCountToLoseLife = 50;
constexpr int32_t DeathCountToRebuild = 150;
constexpr int32_t FlyOutTicksToFade = 150;
constexpr int32_t DeathSound = 1;
constexpr int32_t SpawnSound = 19;
constexpr int32_t SpeedChangeSound = 17;
constexpr int32_t PowerUpSound = 24;

bool IsHeld(uint8_t state)
{
    return state == static_cast<uint8_t>(ButtonState::Held);
}

bool IsIdle(uint8_t state)
{
    return state == static_cast<uint8_t>(ButtonState::Idle);
}

bool IsJustPressed(uint8_t state)
{
    return state == static_cast<uint8_t>(ButtonState::JustPressed);
}

} // namespace

Player::Player()
{
    circles.push_back(Circle{7.0f, 0.0f, 0.0f, -4.0f, 0.0f});
}

Player::Player(const Player& other)
    : ClonableEntity<Player, ControlEntity>(other), SpeedLevel(other.SpeedLevel), speed(other.speed),
      friction(other.friction), fireReload(other.fireReload), launched(other.launched),
      LaunchCountdown(other.LaunchCountdown), ForceCharge(other.ForceCharge), DyingCounter(other.DyingCounter),
      destroyed(other.destroyed),
      orb(other.orb ? other.orb->Clone() : nullptr), orbWeapon(other.orbWeapon), orbCharge(other.orbCharge),
      tail(other.tail), missileEnabled(other.missileEnabled),
      missileKept(other.missileKept), orbWeaponKept(other.orbWeaponKept), keptOrbWeapon(other.keptOrbWeapon),
      podCount(other.podCount), keptPodCount(other.keptPodCount), glowPulse(other.glowPulse),
      glowFalling(other.glowFalling), stageClear(other.stageClear), stageClearCounter(other.stageClearCounter)
{
}

bool Player::LoadResources()
{
    return true;
}

void Player::Spawn(float sx, float sy)
{
    Engine& engine = *TheEngine;
    x = engine.world.camera.x - 128.0f;
    y = engine.checkpointTime > 0 ? engine.checkpointHeight : sy;
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
    control = ControlRecord{};
    patternTick = 0;
    LaunchCountdown = 150;
    launched = false;
    DyingCounter = 0;
    destroyed = false;
    stageClear = false;
    stageClearCounter = 0;
    orb.reset();
    podCount = 0;
    tail.clear();
    if (engine.ship.ShipType == 2)
        tail.assign(10, TailSegment{x - 15.0f, y, x - 15.0f, y, 0.0f});
    (this->*placeCircles)(circles);
    PlayEffect(engine, SpawnSound);
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
    Engine& engine = *TheEngine;
    ++DyingCounter;
    if (DyingCounter == DeathCountToLoseLife) {
        --engine.lives;
        if (engine.lives > 0)
            engine.StartFade(FadeClearBlack, FadeBlack, 101);
        else
            engine.StartGameOver();
    }
    if (DyingCounter > DeathCountToRebuild && engine.lives > 0)
        engine.BuildStageAt(engine.checkpointTime);
}

void Player::FlyOut()
{
    const CameraPoint& camera = TheEngine->world.camera;
    vx += 0.1f;
    frame += (7.5f - frame) * (1.0f - 0.95f);
    if (y < camera.y + 235.0f)
        vy += 0.15f;
    else if (y > camera.y + 245.0f)
        vy -= 0.15f;
    if (x > camera.x + 320.0f)
        vx += 0.7f;
    if (++stageClearCounter == FlyOutTicksToFade)
        TheEngine->StartFade(FadeClearBlack, FadeBlack, 75, &Engine::NextStage);
}

void Player::FlyIn()
{
    const CameraPoint& camera = TheEngine->world.camera;
    vx = 5.3f;
    x = std::min(x, camera.x + 320.0f);
    --LaunchCountdown;
    if (LaunchCountdown < 50)
        frame = std::min(frame + 0.35f, 15.0f);
    if (LaunchCountdown <= 0) {
        launched = true;
        if (IsHeld(control.controls.FIRE))
            control.controls.FIRE = static_cast<uint8_t>(ButtonState::JustPressed);
        vx = 0.0f;
        vy = 0.0f;
    }
}

bool Player::TouchesSolidTile() const
{
    Engine& engine = *TheEngine;
    return engine.HitTile(x + 5.0f, y) || engine.HitTile(x - 5.0f, y) || engine.HitTile(x, y + 5.0f) ||
           engine.HitTile(x, y - 5.0f);
}

void Player::Steer()
{
    if (IsJustPressed(control.controls.SPEEDUP))
        SetSpeedLevel(true);
    if (IsJustPressed(control.controls.SPEEDDOWN))
        SetSpeedLevel(false);
    if (IsHeld(control.controls.UP)) {
        vy -= speed;
        frame = std::min(frame + 0.5f, 15.0f);
    }
    if (IsHeld(control.controls.DOWN)) {
        vy += speed;
        frame = std::max(frame - 0.5f, 0.0f);
    }
    if (IsIdle(control.controls.UP) && IsIdle(control.controls.DOWN)) {
        if (frame < 8.0f)
            frame = std::min(frame + 0.5f, 8.0f);
        else if (frame > 9.0f)
            frame = std::max(frame - 0.5f, 9.0f);
    }
    if (IsHeld(control.controls.RIGHT))
        vx += speed;
    if (IsHeld(control.controls.LEFT))
        vx -= speed;
}

void Player::Think()
{
    Engine& engine = *TheEngine;
    StepGlowPulse();
    if (health <= 0.0f) {
        CountDeath();
        return;
    }
    if (launched && stageClear)
        FlyOut();
    const CameraPoint& camera = engine.world.camera;
    const CameraPoint& previous = engine.world.previousCamera;
    x += camera.x - previous.x;
    y += camera.y - previous.y;
    if (!launched) {
        FlyIn();
    } else if (!stageClear) {
        if (!engine.editor.recordingPattern && TouchesSolidTile()) {
            Destroyed();
            return;
        }
        Steer();
    }
    x = std::clamp(x, camera.x, camera.x + 640.0f);
    y = std::clamp(y, camera.y, camera.y + 480.0f);
    x += vx;
    y += vy;
    if (!stageClear) {
        vx *= friction;
        vy *= friction;
    }
    for (TailSegment& segment : tail) {
        segment.prevX = segment.x;
        segment.prevY = segment.y;
        segment.x += camera.x - previous.x;
        segment.y += camera.y - previous.y;
    }
    if (!tail.empty()) {
        tail.front().x = x - 15.0f;
        tail.front().y = y;
    }
}

void Player::Destroyed()
{
    Engine& engine = *TheEngine;
    if (engine.editor.recordingPattern || destroyed)
        return;
    destroyed = true;
    if (demoMode) {
        engine.StartGameOver();
    } else {
        StopAllAudio();
    }
    ForceCharge = 0;
    health = -1.0f;
    AddExplosion(engine.world, 3, x, y, 128.0f, 128.0f, 0, static_cast<float>(Random() % 360));
    AddExplosion(engine.world, 3, x, y, 96.0f, 96.0f, 1, static_cast<float>(Random() % 360));
    if (orb)
        orb->health = -1.0f;
    orb.reset();
    PlayEffect(engine, DeathSound);
}

bool Player::HitTest(std::vector<Circle> others)
{
    if (!launched || health <= 0.0f || TheEngine->editor.recordingPattern)
        return false;
    return Entity::HitTest(std::move(others));
}

void Player::SetSpeedLevel(bool up)
{
    if (SpeedLevel == 0)
        return;
    const int32_t shipType = TheEngine->ship.ShipType;
    const int32_t before = SpeedLevel;
    SpeedLevel = std::clamp(SpeedLevel + (up ? 1 : -1), 1, MaxSpeedLevel(shipType));
    speed = ShipSpeed(shipType, SpeedLevel);
    if (SpeedLevel != before)
        PlayEffect(*TheEngine, SpeedChangeSound);
}

void Player::CollectPowerUp(int32_t kind)
{
    static constexpr int32_t MaxPods[3] = {4, 2, 3};
    if (kind < 0 || kind > 8)
        return;
    PlayEffect(*TheEngine, PowerUpSound);
    if (kind <= 6) {
        orbWeaponKept = true;
        keptOrbWeapon = kind;
    } else if (kind == 7) {
        const int32_t podType = TheEngine->ship.gunPodType;
        if (podCount < MaxPods[podType >= 0 && podType < 3 ? podType : 0])
            ++podCount;
        keptPodCount = podCount;
    } else {
        missileEnabled = true;
        missileKept = true;
    }
}

void Player::StartStageClear()
{
    stageClear = true;
    stageClearCounter = 0;
    TheEngine->secondMusic.Stop();
}

bool Player::OrbOut() const
{
    return orb && orb->health > 0.0f;
}

// The ship's three colour layers arrive with the ship selection; until then the ship is not
// drawn, which play and its tests do not depend on.
void Player::Draw(float, int) {}

void Player::DescribeProperties(std::vector<EntityProperty>&) {}

bool Player::LoadProperties(DataFile&)
{
    return true;
}

bool Player::SaveProperties(DataFile&)
{
    return true;
}
