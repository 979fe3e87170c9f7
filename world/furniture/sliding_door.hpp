#pragma once
// "SLIDING DOOR" (type 13): a column of "Size" 32-pixel segments that slides open, up (or
// down when upside down) by "Slide Distance(32*32)" segments, starting at the time index at
// which the designer placed it. Its generator may fire earlier (the editor releases fixed
// objects as they scroll into view), so it shows closed and opens on cue. Indestructible.
#include "graphics/sprite_sheet.hpp"
#include "world/entity.hpp"
#include "world/sheet_spec.hpp"

#include <span>

class SlidingDoor : public ClonableEntity<SlidingDoor> {
public:
    // Cell 0 the body segment, cell 1 the end segment.
    static constexpr SheetSpec Picture{"GFX/SlidingDoor.png", 2, 1, 64, 32, false};
    // More segments than any stage is tall; also bounds the circles a file can ask for.
    static constexpr int32_t MaxSize = 32;
    static constexpr int32_t MaxSlideDistance = 32;

    SlidingDoor();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void TakeDamage(float) override {}
    void Destroyed() override { health = -1.0f; }
    void Draw(float interpolation, int pass) override;
    bool GetTargetPoint(float&, float&) override { return false; }
    void DescribeProperties(std::vector<EntityProperty>& list) override;
    bool LoadProperties(DataFile& file) override;
    bool SaveProperties(DataFile& file) override;

    static std::span<const PropertyDecl<SlidingDoor>> Properties();

    uint8_t upsideDown = 0;
    // A time index, stored as the file's unlisted integer; never negative.
    int32_t openTime = 0;
    int32_t size = 4;
    int32_t slideDistance = 2;
    float homeY = 0.0f;
    SpriteSheet sheet;
};
