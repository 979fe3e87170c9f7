#pragma once
// "BUTTERFLY" (type 1): crosses the screen from one edge on a sine wave, its wings beating
// with the wave, and fires an aimed bullet every 200-399 ticks.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class Butterfly : public DeclaredEnemy<Butterfly> {
public:
    static constexpr int32_t Score = 50;

    Butterfly();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;

    static std::span<const PropertyDecl<Butterfly>> Properties();

    SpriteSheet sheet;
    SpriteSheet glow;
    uint8_t spawnSide = 0; // 1 enters at the left edge and flies right
    uint8_t waveDirection = 0; // 1 runs the wave backwards
    float wavePhase = 0.0f;
    float waveStep = 0.05f;
    int32_t fireTimer = 0;
};
