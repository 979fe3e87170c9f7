#pragma once
// "TILEBREAKER" (type 8): a destructible block of scenery. Player shots break it on any
// layer (it tests the shots itself rather than waiting for the play layer's collision
// pass); it ends in an explosion chain, a flash and 300 points.
#include "graphics/sprite_sheet.hpp"
#include "world/entity.hpp"
#include "world/sheet_spec.hpp"

#include <array>
#include <span>

class TileBreaker : public ClonableEntity<TileBreaker> {
public:
    static constexpr std::array<SheetSpec, 3> Pictures = {{
        {"GFX/Stage1_BrokenTile1.png", 1, 1, 32, 128, false},
        {"GFX/Stage1_BrokenTile2.png", 1, 1, 32, 128, false},
        {"GFX/Stage1_BrokenTile3.png", 1, 1, 64, 32, false},
    }};
    static constexpr int32_t Score = 300;

    TileBreaker();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    // A broken block takes no more damage: a second hit in the same tick (its own test and
    // the play layer's collision pass) must not break it, and pay, twice.
    void TakeDamage(float amount) override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    void DescribeProperties(std::vector<EntityProperty>& list) override;
    bool LoadProperties(DataFile& file) override;
    bool SaveProperties(DataFile& file) override;

    static std::span<const PropertyDecl<TileBreaker>> Properties();
    static const SheetSpec* PictureOf(int32_t tileType);
    // The hit circles of the block's type (none for a type without a picture) and the
    // sheet's sizes, without loading the picture.
    void ShapeByType();

    SpriteSheet sheet;
    int32_t tileType = 0;
    uint8_t flipX = 0;
    uint8_t flipY = 0;
};
