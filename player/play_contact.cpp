#include "player/play_contact.hpp"

#include "player/player.hpp"
#include "player/shot.hpp"
#include "player/shot_kinds.hpp"

bool PlayContact::ShipPosition(float& x, float& y) const
{
    const Player& player = player_;
    if (player.health <= 0.0f)
        return false;
    x = player.x;
    y = player.y;
    return true;
}

void PlayContact::PushShip(float dvx, float dvy)
{
    player_.vx += dvx;
    player_.vy += dvy;
}

void PlayContact::ForEachShot(const std::function<void(const std::vector<Circle>& circles, float strength)>& visit) const
{
    for (const Shot& shot : shots_.playerShots)
        if (!shot.dead)
            visit(shot.circles, shot.strength);
}

void PlayContact::StrikeShots(
    const std::function<bool(const std::vector<Circle>& circles, float strength, float& amount)>& strike)
{
    for (Shot& shot : shots_.playerShots) {
        float amount = 0.0f;
        if (!shot.dead && strike(shot.circles, shot.strength, amount) && shot.hit)
            shot.hit(shot, amount);
    }
}

void PlayContact::AddDebrisSpark(float x, float y, int32_t style)
{
    FireShot(shots_.playerShots, shots::DebrisSpark, x, y, 0.0f, 0.0f, static_cast<float>(style));
}
