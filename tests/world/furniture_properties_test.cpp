// The registry rows of the furniture and effect entities, their editable properties in the
// editor's order, their stored bytes, and the values a stage file may not hold.
#include "core/data_file.hpp"
#include "game/entity_registry.hpp"
#include "world/sheet_spec.hpp"
#include "world/furniture/sliding_door.hpp"
#include "world/furniture/tile_animation.hpp"
#include "world/furniture/tile_breaker.hpp"
#include "world/furniture/water_fall.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace world_testing;

namespace {

class FurniturePropertiesTest : public ::testing::Test {
protected:
    std::string Saved(Entity& entity) { return SavedBytes(entity, dir / "entity.bin"); }
    std::unique_ptr<Entity> Loaded(int32_t type, const std::string& bytes)
    {
        return LoadedFrom(type, bytes, dir / "entity.bin");
    }

    Engine engine{Engine::Detached{}};
    TempDir dir{"furniture"};
};

TEST_F(FurniturePropertiesTest, RegistryRowsCreateTheirClassesWithTheirDefaults)
{
    engine.stateTicks = 1234;
    const std::set<int32_t> made = {2, 8, 9, 10, 13, 24, 31, 33, 35, 36};
    for (int32_t type : made)
        EXPECT_NE(CreateEntity(type), nullptr) << type;
    EXPECT_EQ(EntityTypeByName("TILEBREAKER"), 8);
    EXPECT_EQ(EntityTypeByName("WATERFALL"), 24);

    auto animation = CreateEntity(9);
    EXPECT_EQ(animation->keepOnRestart, 1);
    EXPECT_EQ(animation->drawOrder, -1);
    auto checkpoint = CreateEntity(10);
    EXPECT_EQ(checkpoint->keepOnRestart, 0);
    EXPECT_EQ(checkpoint->active, 1);
    auto door = CreateEntity(13);
    EXPECT_EQ(door->drawOrder, 3);
    EXPECT_EQ(static_cast<SlidingDoor&>(*door).openTime, 1234);
    EXPECT_EQ(static_cast<SlidingDoor&>(*door).size, 4);
    auto fall = CreateEntity(24);
    EXPECT_EQ(fall->drawOrder, 10);
    EXPECT_FLOAT_EQ(static_cast<WaterFall&>(*fall).fallHeight, 256.0f);
    EXPECT_FLOAT_EQ(static_cast<WaterFall&>(*fall).fallWidth, 128.0f);
    EXPECT_EQ(CreateEntity(31)->circles.size(), 1u);
}

TEST_F(FurniturePropertiesTest, TheEditorListsPropertiesInItsOwnOrder)
{
    EXPECT_EQ(ListedNames(*CreateEntity(8)), (std::vector<std::string>{"Tile Type", "FlipX", "FlipY"}));
    EXPECT_EQ(ListedNames(*CreateEntity(9)), (std::vector<std::string>{"Tile Type", "FlipX", "FlipY", "FrameRate"}));
    EXPECT_EQ(ListedNames(*CreateEntity(13)),
              (std::vector<std::string>{"Upside down?", "Size", "Slide Distance(32*32)"}));
    EXPECT_EQ(ListedNames(*CreateEntity(24)), (std::vector<std::string>{"SIZE", "X OFFSET", "Y OFFSET", "WIDTH"}));
    for (int32_t type : {10, 31, 33, 35, 36})
        EXPECT_TRUE(ListedNames(*CreateEntity(type)).empty()) << type;
}

TEST_F(FurniturePropertiesTest, StoredBytesFollowTheFileOrderAndRoundTrip)
{
    TileAnimation animation;
    animation.x = 30.0f;
    animation.y = 60.0f;
    animation.tileType = 5;
    animation.flipY = 1;
    animation.frameRate = 0.25f;
    Bytes expected;
    expected.F32(30).F32(60).I32(5).U8(0).U8(1).F32(0.25f);
    EXPECT_EQ(Saved(animation), expected.text);
    auto back = Loaded(9, expected.text);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(static_cast<TileAnimation&>(*back).tileType, 5);
    EXPECT_FLOAT_EQ(static_cast<TileAnimation&>(*back).frameRate, 0.25f);
    EXPECT_EQ(Saved(*back), expected.text);

    SlidingDoor door;
    door.upsideDown = 1;
    door.size = 6;
    door.slideDistance = 3;
    door.openTime = 4000;
    Bytes doorBytes;
    doorBytes.F32(0).F32(0).U8(1).I32(6).I32(3).I32(4000);
    EXPECT_EQ(Saved(door), doorBytes.text) << "the open time follows the listed properties";
    auto doorBack = Loaded(13, doorBytes.text);
    ASSERT_NE(doorBack, nullptr);
    EXPECT_EQ(static_cast<SlidingDoor&>(*doorBack).openTime, 4000);
    EXPECT_EQ(Saved(*doorBack), doorBytes.text);

    WaterFall fall;
    fall.fallHeight = 300.0f;
    fall.offsetX = -5.0f;
    fall.offsetY = 7.5f;
    fall.fallWidth = 96.0f;
    Bytes fallBytes;
    fallBytes.F32(0).F32(0).F32(300).F32(-5).F32(7.5f).F32(96);
    EXPECT_EQ(Saved(fall), fallBytes.text);
    EXPECT_EQ(Saved(*Loaded(24, fallBytes.text)), fallBytes.text);

    TileBreaker block;
    block.tileType = 2;
    block.flipX = 1;
    Bytes blockBytes;
    blockBytes.F32(0).F32(0).I32(2).U8(1).U8(0);
    EXPECT_EQ(Saved(block), blockBytes.text);
    EXPECT_EQ(Saved(*Loaded(8, blockBytes.text)), blockBytes.text);

    Bytes none;
    none.F32(12).F32(34);
    EXPECT_EQ(Saved(*Loaded(10, none.text)), none.text) << "a checkpoint stores its position only";
}

TEST_F(FurniturePropertiesTest, SizesAndTypesOutsideTheirRangeFailTheLoad)
{
    for (int32_t size : {0, -3, SlidingDoor::MaxSize + 1}) {
        Bytes door;
        door.F32(0).F32(0).U8(0).I32(size).I32(2).I32(100);
        EXPECT_EQ(Loaded(13, door.text), nullptr) << "size " << size;
    }
    Bytes farSlide;
    farSlide.F32(0).F32(0).U8(0).I32(4).I32(1 << 30).I32(100);
    EXPECT_EQ(Loaded(13, farSlide.text), nullptr);
    Bytes negativeTime;
    negativeTime.F32(0).F32(0).U8(0).I32(4).I32(2).I32(-1);
    EXPECT_EQ(Loaded(13, negativeTime.text), nullptr);
    for (int32_t type : {-1, 7}) {
        Bytes animation;
        animation.F32(0).F32(0).I32(type).U8(0).U8(0).F32(1);
        EXPECT_EQ(Loaded(9, animation.text), nullptr) << "tile type " << type;
    }
    Bytes block;
    block.F32(0).F32(0).I32(3).U8(0).U8(0);
    EXPECT_EQ(Loaded(8, block.text), nullptr);
    Bytes cut;
    cut.F32(0).F32(0).I32(1).U8(0);
    EXPECT_EQ(Loaded(8, cut.text), nullptr) << "a missing flag";
}

TEST(FurnitureSheets, EveryPictureIsNamedOnceWithWholeCells)
{
    std::set<std::string> files;
    for (const SheetSpec& picture : FurnitureSheets()) {
        SCOPED_TRACE(picture.file);
        EXPECT_TRUE(files.insert(picture.file).second);
        EXPECT_EQ(picture.width % picture.columns, 0);
        EXPECT_EQ(picture.height % picture.rows, 0);
    }
    EXPECT_EQ(files.size(), 18u);
}

} // namespace
