#include "player/orb.hpp"
#include "core/screen_size.hpp"
#include "input/input_state.hpp"
#include "player/player.hpp"
#include "player/ship_settings.hpp"

#include "world/play_context.hpp"
#include "core/math_utils.hpp"
#include "core/random.hpp"
#include "player/control_states.hpp"
#include "player/player_sheets.hpp"
#include "player/ship_type.hpp"
#include "player/shot_kinds.hpp"
#include "world/entity_factory.hpp"
#include "world/entity_type.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t ChargeRates[OrbWeaponCount] = {7, 2, 4, 6, 3, 0, 5};

// Gun pods join the orb's volleys with one shot each.
template <class Fire>
void FromEveryPod(Fire fire)
{
    for (const GunPod& pod : CurrentPlay().player.pods)
        fire(pod.x, pod.y);
}

} // namespace

Orb::Orb()
{
    circles.push_back(Circle{12.0f, 0.0f, 0.0f, 0.0f, 0.0f});
}

bool Orb::LoadResources()
{
    const int32_t type = std::clamp(CurrentPlay().ship.orbPodType, 0, 2);
    return LoadSheet(PlayerSheets::Orbs[static_cast<size_t>(type)], sheet);
}

void Orb::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    vx = vy = 0.0f;
    health = 1.0f;
}

void Orb::Place(float sx, float sy)
{
    Spawn(sx + 40.0f, sy);
    present = true;
    attached = true;
    inFront = true;
    returning = false;
    charge = 0;
    plasmaActive = false;
    plasmaVolleys = 0;
    (this->*placeCircles)(circles);
}

void Orb::Launch()
{
    PlayContext& play = CurrentPlay();
    if (play.HitTile(x, y))
        return;
    vx = x > play.player.x ? 18.0f : -18.0f;
    vy = 0.0f;
    attached = false;
    if (play.ship.orbPodType == 2)
        FireShot(play.shots.playerShots, shots::EmpBolt, x, y, vx, 0.0f);
    plasmaActive = false;
    plasmaVolleys = 0;
    charge = 0;
    play.PlaySound(SoundId::OrbLaunch);
}

void Orb::ChargeTick()
{
    if (weaponKind == Id(OrbWeapon::Magma)) {
        charge = std::max(charge - 1, 0);
        return;
    }
    if (plasmaActive)
        return;
    charge = std::min(charge + ChargeRates[std::clamp(weaponKind, 0, OrbWeaponCount - 1)], 100);
}

void Orb::Release()
{
    PlayContext& play = CurrentPlay();
    ShotList& list = play.shots.playerShots;
    const float side = inFront ? 1.0f : -1.0f;
    switch (static_cast<OrbWeapon>(weaponKind)) {
    case OrbWeapon::Laser:
        play.PlaySound(SoundId::Laser);
        for (int i = 0; i < 3; ++i)
            FireShot(list, shots::Laser, x + side * 8.0f * static_cast<float>(i), y, side * 6.0f, 0.0f);
        FromEveryPod([&](float px, float py) { FireShot(list, shots::Laser, px, py, side * 6.0f, 0.0f); });
        break;
    case OrbWeapon::Arc:
        play.PlaySound(SoundId::Arc);
        FireShot(list, shots::Arc, x + side * 16.0f, y - 8.0f, side, 0.0f);
        FireShot(list, shots::Arc, x + side * 16.0f, y + 8.0f, side, 0.0f);
        break;
    case OrbWeapon::Bio: {
        play.PlaySound(SoundId::Bio);
        // Five seeds fanned out, the outer ones curling back toward the middle.
        static constexpr float headings[5] = {-40.0f, -20.0f, 0.0f, 20.0f, 40.0f};
        static constexpr float spins[5] = {6.0f, 3.0f, 0.0f, -3.0f, -6.0f};
        for (int i = 0; i < 5; ++i) {
            const float heading = (inFront ? 0.0f : 180.0f) + headings[i] * side;
            FireShot(list, shots::Bio, x, y + (i < 2 ? -16.0f : i > 2 ? 16.0f : 0.0f), side, 0.0f, heading,
                     spins[i] * side);
        }
        break;
    }
    case OrbWeapon::Trawler:
        play.PlaySound(SoundId::Trawler);
        FireShot(list, shots::Trawler, x, y - 6.0f, side * 8.0f, -1.0f);
        FireShot(list, shots::Trawler, x, y + 6.0f, side * 8.0f, 1.0f);
        FromEveryPod([&](float px, float py) { FireShot(list, shots::Trawler, px, py, side * 8.0f, 0.0f); });
        break;
    case OrbWeapon::Plasma:
        plasmaActive = true;
        plasmaVolleys = 0;
        break;
    case OrbWeapon::Boomer:
        play.PlaySound(SoundId::Boomer);
        FireShot(list, shots::Boomer, x + side * 16.0f, y - 6.0f, side * 10.0f, -1.5f);
        FireShot(list, shots::Boomer, x + side * 16.0f, y + 6.0f, side * 10.0f, 1.5f);
        FromEveryPod([&](float px, float py) { FireShot(list, shots::Boomer, px, py, side * 10.0f, 0.0f); });
        break;
    default: break;
    }
}

void Orb::FirePlasma()
{
    if (!plasmaActive || tickCounter % 3 != 0)
        return;
    PlayContext& play = CurrentPlay();
    ShotList& list = play.shots.playerShots;
    const float speed = inFront ? 15.0f : -15.0f;
    play.PlaySound(SoundId::Plasma);
    for (int i = -1; i <= 1; ++i)
        FireShot(list, shots::OrbShot, x, y + 10.0f * static_cast<float>(i), speed, 0.0f);
    FromEveryPod([&](float px, float py) { FireShot(list, shots::OrbShot, px, py, speed, 0.0f); });
    if (++plasmaVolleys >= 19)
        plasmaActive = false;
    charge = 0;
}

void Orb::Detonate()
{
    PlayContext& play = CurrentPlay();
    present = false;
    health = -1.0f;
    FireShot(play.shots.playerShots, shots::DetonationBlast, x, y, 0.0f, 0.0f);
    AddShockWave(play.effects, x - play.world.camera.x, y - play.world.camera.y, 100.0f, 10.0f);
    AddEmitter(play.effects, EmitterKind::DetonationFlare, x, y);
    if (std::unique_ptr<Entity> flash = MakeEntity(TypeId(EntityType::ScreenFlash))) {
        flash->Spawn(x, y);
        flash->health = 0.5f;
        AddEntity(play.world, std::move(flash), 4);
    }
    const float angle = static_cast<float>(Random() % 360);
    AddExplosion(play.world, 3, x, y, 128.0f, 128.0f, ExplosionStyle::Blast, angle);
    AddExplosion(play.world, 3, x, y, 96.0f, 96.0f, ExplosionStyle::Glow, angle);
    play.PlaySound(SoundId::Detonation);
}

void Orb::Think()
{
    PlayContext& play = CurrentPlay();
    const Player& ship = play.player;
    const CameraPoint& camera = play.world.camera;
    const CameraPoint& previous = play.world.previousCamera;
    spin += 3.0f;
    frame += 0.5f;
    if (frame >= 6.0f)
        frame -= 6.0f;
    ++tickCounter;
    if (fireDelay > 0)
        --fireDelay;
    if (attached) {
        x = ship.x + (inFront ? 40.0f : -40.0f);
        y = ship.y;
        if (ship.launched && IsHeld(ship.control.controls.FIRE))
            ChargeTick();
        else if (weaponKind == Id(OrbWeapon::Magma))
            ChargeTick();
        FirePlasma();
        return;
    }
    x += vx + (camera.x - previous.x);
    y += vy + (camera.y - previous.y);
    vx *= 0.9f;
    vy *= 0.9f;
    if (returning) {
        const float dx = ship.x - x, dy = ship.y - y;
        const float length = std::sqrt(dx * dx + dy * dy);
        if (length > 0.0f) {
            vx = 2.0f * dx / length;
            vy = 2.0f * dy / length;
        }
        if (length < 20.0f) {
            play.PlaySound(SoundId::OrbDock);
            attached = true;
            returning = false;
            inFront = x > ship.x;
            return;
        }
    }
    if (x < camera.x) {
        if (vx <= 0.0f)
            x = camera.x;
        vx += 1.1f;
    }
    x = std::min(x, camera.x + ScreenWidth);
    if (y < camera.y) {
        if (vy <= 0.0f)
            y = camera.y;
        vy += 1.1f;
    }
    if (y > camera.y + ScreenHeight) {
        y = camera.y + ScreenHeight;
        vy -= 1.1f;
    }
    if (play.HitTile(x, y)) {
        x = std::max(prevX, camera.x - 20.0f);
        y = std::max(prevY, camera.y - 20.0f);
    }
    if (FireTriggered(ship.control.controls, play.input.autofire)) {
        ShotList& list = play.shots.playerShots;
        if (play.ship.orbPodType == 0 && fireDelay <= 0) {
            fireDelay = 10;
            FireShot(list, shots::Cannon, x + 10.0f, y, 12.0f, 0.0f);
            FireShot(list, shots::Cannon, x, y - 10.0f, 0.0f, -12.0f);
            list.back().orientation = 2.0f;
            FireShot(list, shots::Cannon, x - 10.0f, y, -12.0f, 0.0f);
            list.back().orientation = 1.0f;
            FireShot(list, shots::Cannon, x, y + 10.0f, 0.0f, 12.0f);
            list.back().orientation = 2.0f;
            play.PlaySound(SoundId::Cannon);
        } else if (play.ship.orbPodType == 1 && fireDelay <= 0) {
            fireDelay = 35;
            FireShot(list, shots::OrbField, x, y, 0.0f, 0.0f);
            FireShot(list, shots::OrbShot, x, y, 12.0f, 0.0f);
            FireShot(list, shots::OrbShot, x, y, -12.0f, 0.0f);
        }
    }
}

void Orb::Destroyed()
{
    present = false;
    health = -1.0f;
}

bool Orb::HitTest(std::vector<Circle> others)
{
    return present && Entity::HitTest(std::move(others));
}
