#pragma once
// "INSECT1" (type 17): a wasp flown by its recorded pattern, firing an aimed bullet every
// 200-399 ticks.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class Insect : public PatternEnemy<Insect> {
public:
    static constexpr int32_t Score = 75;

    Insect();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    static std::span<const PropertyDecl<Insect>> Properties();

    SpriteSheet sheet;
    uint8_t startTop = 0;
    int32_t fireTimer = 0;
};
