#pragma once
// "GROWTH" (type 23): a fixed organic mass that swells and shrinks on a slow sine; its hit
// circle and its death blast follow its size.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class Growth : public DeclaredEnemy<Growth> {
public:
    static constexpr int32_t Score = 150;

    Growth();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    // Its size now, 1 at rest.
    float Scale() const;

    SpriteSheet sheet;
    float pulse = 0.0f; // radians
    float previousPulse = 0.0f;
};
