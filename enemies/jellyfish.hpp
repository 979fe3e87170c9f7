#pragma once
// "JELLYFISH" (type 25): a water creature that sways from side to side and sinks, and near
// the bottom of the screen strokes back up once every swim cycle.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class Jellyfish : public DeclaredEnemy<Jellyfish> {
public:
    static constexpr int32_t Score = 50;
    static constexpr float StrokeLine = 450.0f; // below camera y + this it strokes

    Jellyfish();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;

    SpriteSheet sheet;
    float sway = 0.0f; // radians of the slow swing
};
