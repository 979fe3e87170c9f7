#pragma once
// "BUG" (type 28): a spinning beetle that enters from a screen edge bobbing up and down and
// fires an aimed bullet every 100-199 ticks.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class Bug : public DeclaredEnemy<Bug> {
public:
    static constexpr int32_t Score = 100;

    Bug();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    static std::span<const PropertyDecl<Bug>> Properties();

    SpriteSheet sheet;
    uint8_t spawnSide = 0; // 1 enters at the left edge and flies right
    float bob = 0.15f; // the change of the vertical speed per tick
    int32_t fireTimer = 0;
};
