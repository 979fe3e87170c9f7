#pragma once
// "DROID" (type 14): a pattern walker on the tile rows that fires an aimed bullet every
// 200-399 ticks.
#include "enemies/droid_walker.hpp"
#include "graphics/sprite_sheet.hpp"

class Droid : public DeclaredEnemy<Droid, DroidWalker> {
public:
    static constexpr int32_t Score = 75;

    Droid();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Draw(float interpolation, int pass) override;

    static std::span<const PropertyDecl<Droid>> Properties();

    SpriteSheet sheet;
};
