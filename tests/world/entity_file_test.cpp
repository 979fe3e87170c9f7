#include "support/headless_scope.hpp"
#include "world/entity_file.hpp"
#include "game/entity_registry.hpp"
#include "world/stage_world.hpp"
#include "world/furniture/time_manipulator.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

using namespace world_testing;

namespace {

class EntityFileTest : public ::testing::Test {
protected:
    testing_support::HeadlessScope headless;
    Engine engine{Engine::Detached{}};
    TempDir dir{"ent"};
};

std::string SampleStage()
{
    Bytes bytes;
    bytes.I32(2);
    bytes.F32(0).F32(0).U32(0).F32(0).F32(60).I32(0).F32(1).F32(0);
    bytes.F32(0).F32(0.01f).U32(3000).F32(3000).F32(60).I32(30).F32(1).F32(-0.03f);
    bytes.I32(0);
    bytes.I32(1);
    TimeManipulatorRecord(bytes, 2000, 2, 1500, 2);
    bytes.I32(2);
    TimeManipulatorRecord(bytes, 100, 3, 50, 1);
    TimeManipulatorRecord(bytes, 400, 3, 0, -1);
    bytes.I32(0);
    bytes.I32(1).F32(450).F32(45).F32(6000).F32(555);
    return bytes.text;
}

TEST_F(EntityFileTest, ZeroCountsAreAnEmptyStageWithOrWithoutTheWaterCount)
{
    for (size_t size : {20u, 24u}) {
        WriteBytes(dir / "STAGE1.ENT", std::string(size, '\0'));
        StageWorld& world = engine.world;
        world.scrollManipulators.push_back(ScrollManipulator{});
        ASSERT_TRUE(LoadEntityFile(world, dir / "STAGE1.ENT")) << size;
        EXPECT_TRUE(world.scrollManipulators.empty());
        for (const auto& list : world.generators)
            EXPECT_TRUE(list.empty());
        EXPECT_TRUE(world.water.empty());
    }
    WriteBytes(dir / "STAGE1.ENT", std::string(22, '\0'));
    StageWorld world;
    EXPECT_FALSE(LoadEntityFile(world, dir / "STAGE1.ENT")) << "a cut water count";
    WriteBytes(dir / "STAGE1.ENT", std::string(25, '\0'));
    EXPECT_FALSE(LoadEntityFile(world, dir / "STAGE1.ENT")) << "a byte after the water";
}

TEST_F(EntityFileTest, LoadReadsEverySectionAndSaveWritesTheSameBytes)
{
    const std::string original = SampleStage();
    WriteBytes(dir / "STAGE1.ENT", original);
    StageWorld& world = engine.world;
    ASSERT_TRUE(LoadEntityFile(world, dir / "STAGE1.ENT"));
    ASSERT_EQ(world.scrollManipulators.size(), 2u);
    EXPECT_EQ(world.scrollManipulators[1].startTime, 3000u);
    EXPECT_EQ(world.scrollManipulators[1].accelerationY, 0.01f);
    EXPECT_EQ(world.scrollManipulators[1].accelerateTicks, 30);
    EXPECT_EQ(world.scrollManipulators[1].velocityY, -0.03f);
    ASSERT_EQ(world.generators[1].size(), 1u);
    ASSERT_EQ(world.generators[2].size(), 2u);
    const Generator& g = world.generators[1][0];
    EXPECT_EQ(g.timeIndex, 2000u);
    EXPECT_EQ(g.layer, 2);
    EXPECT_EQ(g.tickCounter, g.delay);
    const auto* t = dynamic_cast<const TimeManipulator*>(g.templateEntity.get());
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->jumpToIndex, 1500);
    EXPECT_EQ(t->repeat, 2);
    EXPECT_EQ(t->x, 100.0f);
    ASSERT_EQ(world.water.size(), 1u);
    EXPECT_EQ(world.water[0].left, 5550.0f);
    EXPECT_EQ(world.water[0].bottom, 600.0f);

    ASSERT_TRUE(SaveEntityFile(world, dir / "OUT.ENT"));
    EXPECT_EQ(ReadBytes(dir / "OUT.ENT"), original);
    EXPECT_FALSE(std::filesystem::exists(dir / "OUT.ENT.saving"));
}

// A power-up is a type the program makes; stored as a generator it has nothing after its
// record, so a reader that follows the layout keeps its place in the file.
TEST_F(EntityFileTest, APowerUpGeneratorStoresNothingAfterItsRecord)
{
    Bytes bytes;
    bytes.I32(0).I32(0).I32(0).I32(2);
    bytes.U32(100).I32(3).F32(500.0f).F32(200.0f).U32(0).I32(1).I32(32).F32(500.0f).F32(200.0f);
    TimeManipulatorRecord(bytes, 400, 3, 0, -1);
    bytes.I32(0).I32(0);
    WriteBytes(dir / "STAGE1.ENT", bytes.text);
    StageWorld& world = engine.world;
    ASSERT_TRUE(LoadEntityFile(world, dir / "STAGE1.ENT", false));
    ASSERT_EQ(world.generators[2].size(), 2u);
    EXPECT_EQ(world.generators[2][0].type, 32);
    const auto* jump = dynamic_cast<const TimeManipulator*>(world.generators[2][1].templateEntity.get());
    ASSERT_NE(jump, nullptr);
    EXPECT_EQ(jump->repeat, -1);
    ASSERT_TRUE(SaveEntityFile(world, dir / "OUT.ENT"));
    EXPECT_EQ(ReadBytes(dir / "OUT.ENT"), bytes.text);
}

TEST_F(EntityFileTest, EveryTruncationOfAStageFailsTheLoadExceptBeforeTheWater)
{
    const std::string original = SampleStage();
    const size_t waterStart = original.size() - 20;
    for (size_t length = 0; length < original.size(); ++length) {
        WriteBytes(dir / "cut.ENT", original.substr(0, length));
        StageWorld world;
        EXPECT_EQ(LoadEntityFile(world, dir / "cut.ENT"), length == waterStart) << "cut at " << length;
    }
}

TEST_F(EntityFileTest, CountsLayersAndTypesAreCheckedBeforeUse)
{
    struct Case {
        const char* name;
        std::string bytes;
    };
    Bytes hugeManipulators;
    hugeManipulators.I32(0x7FFFFFFF).I32(0);
    Bytes negativeWater;
    negativeWater.I32(0).I32(0).I32(0).I32(0).I32(0).I32(-1);
    Bytes badLayer;
    badLayer.I32(0).I32(1);
    TimeManipulatorRecord(badLayer, 0, 7, 0, 1);
    badLayer.I32(0).I32(0).I32(0).I32(0);
    Bytes unknownType;
    unknownType.I32(0).I32(1).U32(0).I32(1).F32(0).F32(0).U32(0).I32(1).I32(3).F32(0).F32(0);
    unknownType.I32(0).I32(0).I32(0).I32(0);
    Bytes outsideRange;
    outsideRange.I32(0).I32(1).U32(0).I32(1).F32(0).F32(0).U32(0).I32(1).I32(38).F32(0).F32(0);
    outsideRange.I32(0).I32(0).I32(0).I32(0);
    Bytes negativeJump;
    negativeJump.I32(0).I32(1);
    TimeManipulatorRecord(negativeJump, 0, 1, -5, 1);
    negativeJump.I32(0).I32(0).I32(0).I32(0);
    Bytes manyGenerators;
    manyGenerators.I32(0).I32(1000000).I32(0).I32(0).I32(0).I32(0);
    Bytes wholeThenUnknown;
    wholeThenUnknown.I32(0).I32(0).I32(0).I32(2);
    TimeManipulatorRecord(wholeThenUnknown, 100, 3, 50, 1);
    wholeThenUnknown.U32(0).I32(3).F32(0).F32(0).U32(0).I32(1).I32(3).F32(0).F32(0);
    wholeThenUnknown.I32(0).I32(0);
    const Case cases[] = {
        {"a whole generator, then one of a type without a class", wholeThenUnknown.text},
        {"huge manipulator count", hugeManipulators.text},
        {"negative water count", negativeWater.text},
        {"layer 7", badLayer.text},
        {"type without a class", unknownType.text},
        {"type 38", outsideRange.text},
        {"negative jump index", negativeJump.text},
        {"generator count beyond the file", manyGenerators.text},
    };
    for (const Case& c : cases) {
        WriteBytes(dir / "bad.ENT", c.bytes);
        StageWorld world;
        EXPECT_FALSE(LoadEntityFile(world, dir / "bad.ENT")) << c.name;
        // What did load is whole, so the editor, which accepts a stage read in part, can
        // save it again.
        for (const auto& list : world.generators)
            for (const Generator& g : list)
                EXPECT_NE(g.templateEntity, nullptr) << c.name;
        EXPECT_TRUE(SaveEntityFile(world, dir / "resaved.ENT")) << c.name;
    }
    StageWorld world;
    EXPECT_FALSE(LoadEntityFile(world, dir / "missing.ENT"));
}

TEST_F(EntityFileTest, AFailedSaveKeepsThePreviousFile)
{
    WriteBytes(dir / "STAGE1.ENT", SampleStage());
    StageWorld world;
    ASSERT_TRUE(LoadEntityFile(world, dir / "STAGE1.ENT"));
    world.generators[3].push_back(Generator{}); // no template: cannot be written
    EXPECT_FALSE(SaveEntityFile(world, dir / "STAGE1.ENT"));
    EXPECT_EQ(ReadBytes(dir / "STAGE1.ENT"), SampleStage());
    EXPECT_FALSE(std::filesystem::exists(dir / "STAGE1.ENT.saving"));
    EXPECT_FALSE(SaveEntityFile(world, dir / "no-such-dir" / "STAGE1.ENT"));
}

TEST(EntityRegistry, OnlyExistingClassesAreCreated)
{
    testing_support::HeadlessScope headless;
    Engine engine{Engine::Detached{}};
    engine.stateTicks = 777;
    auto made = CreateEntity(2);
    ASSERT_NE(made, nullptr);
    auto* t = dynamic_cast<TimeManipulator*>(made.get());
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->jumpToIndex, 777) << "defaults to the current time index";
    for (int32_t type : {-1, 38, 1000})
        EXPECT_EQ(CreateEntity(type), nullptr) << type;
    for (int32_t type = 0; type < EditorEntityTypeCount; ++type)
        EXPECT_NE(CreateEntity(type), nullptr) << "every type the editor offers has a class: " << type;
    EXPECT_EQ(EntityTypeName(2), "TIME_MANIPULATOR");
    EXPECT_EQ(EntityTypeName(30), "BOSS3");
    EXPECT_EQ(EntityTypeName(31), "");
    EXPECT_EQ(EntityTypeByName("SLIDING DOOR"), 13);
    EXPECT_EQ(EntityTypeByName("NOTHING"), -1);
}

} // namespace
