#include "player/gun_pod.hpp"
#include "input/input_state.hpp"
#include "player/player.hpp"
#include "player/ship_settings.hpp"

#include "world/play_context.hpp"
#include "player/shot_kinds.hpp"
#include "player/control_states.hpp"
#include "player/player_sheets.hpp"
#include "player/ship_type.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr float ArcSwing = 1.75f;
constexpr float ArcReach = 17.5f;

// Type 1: pod 0 below the ship aiming at 90 degrees, pod 1 above aiming at 270.
float ArcBase(int32_t index)
{
    return index == 0 ? 90.0f : 270.0f;
}

} // namespace

GunPod::GunPod()
{
    circles.push_back(Circle{8.0f, 0.0f, 0.0f, 0.0f, 0.0f});
}

int32_t GunPod::MaxPods(int32_t podType)
{
    static constexpr int32_t maxima[3] = {4, 2, 3};
    return maxima[podType >= 0 && podType < 3 ? podType : 0];
}

bool GunPod::LoadResources()
{
    return LoadSheet(PlayerSheets::GunPod, sheet);
}

void GunPod::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    vx = vy = 0.0f;
    health = 1.0f;
    flash = 50;
    fireCounter = 7;
    const int32_t type = CurrentPlay().ship.gunPodType;
    aim = type == 1 ? ArcBase(index) : type == 2 ? 120.0f * static_cast<float>(index) : 0.0f;
    CurrentPlay().PlaySound(SoundId::NewPod);
}

void GunPod::Think()
{
    PlayContext& play = CurrentPlay();
    const Player& ship = play.player;
    const ControlBlock& controls = ship.control.controls;
    const StageWorld& world = play.world;
    frame += 0.45f;
    if (frame >= 15.0f)
        frame -= 15.0f;
    if (flash > 0)
        --flash;
    switch (play.ship.gunPodType) {
    case 1: {
        const float base = ArcBase(index);
        if (IsHeld(controls.UP))
            aim = std::min(aim + ArcSwing, base + ArcReach);
        if (IsHeld(controls.DOWN))
            aim = std::max(aim - ArcSwing, base - ArcReach);
        if (IsIdle(controls.UP) && IsIdle(controls.DOWN))
            aim += std::clamp(base - aim, -ArcSwing, ArcSwing);
        x = ship.x;
        y = ship.y + (index == 0 ? 25.0f : -25.0f);
        break;
    }
    case 2:
        aim += 7.3f;
        if (aim >= 360.0f)
            aim -= 360.0f;
        x = ship.x + 30.0f * std::cos(Radians(aim));
        y = ship.y + 30.0f * std::sin(Radians(aim));
        break;
    default:
        vx *= ship.friction;
        vy *= ship.friction;
        x += vx + (world.camera.x - world.previousCamera.x);
        y += vy + (world.camera.y - world.previousCamera.y);
        break;
    }
    ++fireCounter;
    const bool firing = FireTriggered(controls, play.input.autofire);
    const Orb& orb = ship.orb;
    if (orb.present && orb.attached && orb.weaponKind == Id(OrbWeapon::Magma)) {
        if (firing && orb.tickCounter == 1)
            FireShot(play.shots.playerShots, shots::Magma, x, y, 0.0f, 0.0f, orb.inFront ? 0.0f : 180.0f);
        return;
    }
    if (firing && fireCounter >= 7 && !orb.plasmaActive) {
        fireCounter = 0;
        const float heading = play.ship.gunPodType == 1 ? aim + 90.0f : 0.0f;
        FireShot(play.shots.playerShots, shots::PodShot, x, y, 12.0f * std::cos(Radians(heading)),
                 12.0f * std::sin(Radians(heading)));
        play.PlaySound(SoundId::PodFire);
    }
}
