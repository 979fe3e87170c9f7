#pragma once
// The glob (type 37, not placeable): released by a "GLOBSACK", it swims after the ship,
// turning slowly, and bursts on the scenery.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class Glob : public DeclaredEnemy<Glob> {
public:
    static constexpr int32_t Score = 15;

    Glob();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    static float Speed();

    SpriteSheet sheet;
};
