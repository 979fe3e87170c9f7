#pragma once
// "SUPER MINE" (type 5): a homing mine that drifts towards the ship, slowly across the
// screen and quickly up and down, keeping pace with the camera's vertical scroll.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class SuperMine : public DeclaredEnemy<SuperMine> {
public:
    static constexpr int32_t Score = 90;

    SuperMine();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;

    SpriteSheet sheet;
};
