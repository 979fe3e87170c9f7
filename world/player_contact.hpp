#pragma once
// What stage furniture needs from the player's side of play, which lives outside the world:
// the ship's position and a push on it, the player's shots to test against or to strike, and
// the debris sparks fired into the player's shot list. Play installs one as
// StageWorld::player; it outlives every entity that reaches it through the world.
#include "world/geometry.hpp"

#include <cstdint>
#include <functional>
#include <vector>

class PlayerContact {
public:
    virtual ~PlayerContact() = default;
    // False while there is no ship in play.
    virtual bool ShipPosition(float& x, float& y) const = 0;
    // Adds to the ship's velocity.
    virtual void PushShip(float dvx, float dvy) = 0;
    // Each live player shot's circles and strength, in list order.
    virtual void ForEachShot(const std::function<void(const std::vector<Circle>& circles, float strength)>& visit)
        const = 0;
    // Each live player shot in list order, for things that take its blow as the play layer
    // does: when `strike` returns true the shot's hit rule runs, handed `amount` (what the
    // struck thing had before the blow).
    virtual void StrikeShots(
        const std::function<bool(const std::vector<Circle>& circles, float strength, float& amount)>& strike) = 0;
    // A debris spark (style 0 green, 1 blue, 2 orange) at rest at the point.
    virtual void AddDebrisSpark(float x, float y, int32_t style) = 0;
};
