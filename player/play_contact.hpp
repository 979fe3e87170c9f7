#pragma once
// The ship and its shots as the stage's scenery meets them: installed into the world by
// every stage build.
#include "world/player_contact.hpp"

class Player;
struct ShotLists;

class PlayContact : public PlayerContact {
public:
    PlayContact(Player& player, ShotLists& shots) : player_(player), shots_(shots) {}

    bool ShipPosition(float& x, float& y) const override;
    void PushShip(float dvx, float dvy) override;
    void ForEachShot(const std::function<void(const std::vector<Circle>& circles, float strength)>& visit)
        const override;
    void StrikeShots(
        const std::function<bool(const std::vector<Circle>& circles, float strength, float& amount)>& strike) override;
    void AddDebrisSpark(float x, float y, int32_t style) override;

private:
    Player& player_;
    ShotLists& shots_;
};
