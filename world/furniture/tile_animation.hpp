#pragma once
// "TILEANIMATION" (type 9): an animated piece of scenery drawn over the tiles in the early
// pass of its layer, its 32-pixel cells scaled onto the 30-pixel tile grid. "Tile Type"
// picks one of seven animation pictures.
#include "graphics/sprite_sheet.hpp"
#include "world/entity.hpp"
#include "world/sheet_spec.hpp"

#include <array>
#include <span>

class TileAnimation : public ClonableEntity<TileAnimation> {
public:
    static constexpr std::array<SheetSpec, 7> Pictures = {{
        {"GFX/Stage_Animation1.png", 2, 1, 64, 32, false},
        {"GFX/Stage_Animation2.png", 4, 8, 128, 256, false},
        {"GFX/Stage_Animation3.png", 2, 2, 128, 64, false},
        {"GFX/Stage_Animation4.png", 4, 2, 128, 64, false},
        {"GFX/Stage_Animation5.png", 4, 2, 256, 64, false},
        {"GFX/Stage_Animation6.png", 4, 1, 256, 128, false},
        {"GFX/Stage_Animation7.png", 4, 1, 128, 64, false},
    }};

    TileAnimation();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void UpdateActivation(float cameraX, float cameraY) override;
    void Destroyed() override { health = -1.0f; }
    void Draw(float interpolation, int pass) override;
    bool GetTargetPoint(float&, float&) override { return false; }
    void DescribeProperties(std::vector<EntityProperty>& list) override;
    bool LoadProperties(DataFile& file) override;
    bool SaveProperties(DataFile& file) override;

    static std::span<const PropertyDecl<TileAnimation>> Properties();
    // The picture of a tile type, or null for a type without one.
    static const SheetSpec* PictureOf(int32_t tileType);

    SpriteSheet sheet;
    int32_t tileType = 0;
    uint8_t flipX = 0;
    uint8_t flipY = 0;
    float frameRate = 0.0f;
};
