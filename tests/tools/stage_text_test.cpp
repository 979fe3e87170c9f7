#include "support/headless_scope.hpp"
#include "tools/stage/stage_text.hpp"
#include "world/entity_file.hpp"
#include "world/stage_world.hpp"
#include "world/furniture/time_manipulator.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>
#include <bit>
#include <limits>

using namespace world_testing;

namespace {

std::string ShippedText(int n)
{
    return std::string(SKYREAVER_SOURCE_DIR) + "/content/stages/stage" + std::to_string(n) + "/entities.txt";
}
std::string ShippedEnt(int n) { return std::string(SKYREAVER_RUN_DIR) + "/Maps/STAGE" + std::to_string(n) + ".ENT"; }

const char* const ManipulatorStage = R"(
[scroll]
0 0 60 1 0
300 10.5 -2 0.25 0 0.5 -0.125 7   # with acceleration

[layer 2]
generator "TIME_MANIPULATOR" time 2000 at 100 200 delay 3 count 2
  "Jump To Index" = 1500
  "Repeat" = 2
generator "TIME_MANIPULATOR" time 2500 at 1.5 2 delay 0 count 1 layer 3
  template at 7 8
  "Repeat" = -1

[water]
6000 555 450 45
)";

class StageTextTest : public ::testing::Test {
protected:
    testing_support::HeadlessScope headless;
    Engine engine{Engine::Detached{}};
    TempDir dir{"stagetext"};

    std::string Compile(const std::string& text, const std::string& name)
    {
        StageWorld world;
        std::string error;
        EXPECT_TRUE(ReadStageText(text, "test.txt", world, error)) << error;
        EXPECT_TRUE(SaveEntityFile(world, dir / name));
        return ReadBytes(dir / name);
    }
    std::string Decompile(const std::string& name)
    {
        StageWorld world;
        EXPECT_TRUE(LoadEntityFile(world, dir / name, false));
        return WriteStageText(world);
    }
};

TEST_F(StageTextTest, TextBuildsTheStageThroughTheGamesEntityCode)
{
    StageWorld world;
    std::string error;
    ASSERT_TRUE(ReadStageText(ManipulatorStage, "test.txt", world, error)) << error;
    ASSERT_EQ(world.scrollManipulators.size(), 2u);
    EXPECT_EQ(world.scrollManipulators[1].positionX, 10.5f);
    EXPECT_EQ(world.scrollManipulators[1].accelerationY, -0.125f);
    EXPECT_EQ(world.scrollManipulators[1].accelerateTicks, 7);
    ASSERT_EQ(world.generators[1].size(), 2u);
    const Generator& second = world.generators[1][1];
    EXPECT_EQ(second.layer, 3);
    EXPECT_EQ(second.count, 1);
    const auto* t = dynamic_cast<const TimeManipulator*>(second.templateEntity.get());
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->x, 7.0f);
    EXPECT_EQ(t->repeat, -1);
    const auto* first = dynamic_cast<const TimeManipulator*>(world.generators[1][0].templateEntity.get());
    EXPECT_EQ(first->jumpToIndex, 1500);
    EXPECT_EQ(first->x, 100.0f) << "the template sits at the generator unless placed";
    ASSERT_EQ(world.water.size(), 1u);
    EXPECT_EQ(world.water[0].left, 5550.0f);
}

TEST_F(StageTextTest, TextToEntityFileToTextIsStable)
{
    const std::string bytes = Compile(ManipulatorStage, "A.ENT");
    const std::string text = Decompile("A.ENT");
    EXPECT_EQ(Compile(text, "B.ENT"), bytes);
    EXPECT_EQ(Decompile("B.ENT"), text);
    EXPECT_NE(text.find("\"Jump To Index\" = 1500"), std::string::npos) << text;
    EXPECT_NE(text.find("template at 7 8"), std::string::npos) << text;
    EXPECT_NE(text.find("300 10.5 -2 0.25 0 0.5 -0.125 7"), std::string::npos) << text;
}

TEST_F(StageTextTest, TheFirstBossCarriesItsArmsPatternsThroughTheFileAndBack)
{
    const char* const boss = R"(
[layer 3]
generator "BOSS1" time 8900 at 9460 300 delay 0 count 1
  arm 0 pattern 0 h - - - - - - - -
  arm 0 pattern 60 - - - - - - - - -
  arm 1 at 9005 524
  arm 1 "Start Top" = 1
  arm 2 pattern 15 - h - - - - - - -
)";
    const std::string bytes = Compile(boss, "BOSS.ENT");
    const std::string text = Decompile("BOSS.ENT");
    EXPECT_NE(text.find("  arm 0 pattern 60 - - - - - - - - -\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  arm 2 pattern 15 - h - - - - - - -\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  arm 1 at 9005 524\n  arm 1 \"Start Top\" = 1\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("arm 1 pattern"), std::string::npos) << text;
    EXPECT_EQ(text.find("arm 0 at"), std::string::npos) << "an arm never placed keeps no place line";
    EXPECT_EQ(Compile(text, "BOSS2.ENT"), bytes);
}

TEST_F(StageTextTest, ErrorsNameTheSourceAndLine)
{
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"0 0 60 1 0\n", "test.txt:1: a line before the first section"},
        {"[scroll]\n0 0 x 1 0\n", "test.txt:2: a scroll value is not a number"},
        {"[layer 5]\n", "test.txt:1: unknown section"},
        {"[layer 3]\n\ngenerator \"NOBODY\" time 1 at 0 0\n", "test.txt:3: no entity type is named \"NOBODY\""},
        {"[layer 3]\ngenerator 38 time 1 at 0 0\n", "test.txt:2: entity type 38 has no class yet"},
        {"[layer 3]\ngenerator \"BOSS1\" time 1 at 0 0\n  arm 3 pattern 0 h - - - - - - - -\n",
         "test.txt:3: an arm line is: arm N pattern TICK and nine states, arm N at X Y"},
        {"[layer 3]\ngenerator \"BOSS1\" time 1 at 0 0\n  arm 1 at 4\n", "test.txt:3: an arm's place is: arm N at X Y"},
        {"[layer 3]\ngenerator \"BOSS1\" time 1 at 0 0\n  arm 1 \"Size\" = 2\n",
         "test.txt:3: \"Size\" is not a property of this entity type"},
        {"[layer 3]\ngenerator \"BOSS1\" time 1 at 0 0\n  arm 1 pattern 0 h - -\n", "test.txt:3: a pattern is"},
        {"[layer 3]\ngenerator \"SERPENT\" time 1 at 0 0\n  arm 0 pattern 0 h - - - - - - - -\n",
         "test.txt:3: this entity type carries no arms"},
        {"[layer 3]\ngenerator \"TIME_MANIPULATOR\" at 0 0\n", "test.txt:2: a generator needs"},
        {"[layer 3]\ngenerator \"TIME_MANIPULATOR\" time 1 at 0 0\n  \"Size\" = 3\n",
         "test.txt:3: \"Size\" is not a property"},
        {"[layer 3]\ngenerator \"TIME_MANIPULATOR\" time 1 at 0 0\n  pattern 0 p - - - - - - - -\n",
         "test.txt:3: this entity type has no control pattern"},
        {"[layer 3]\ngenerator \"TIME_MANIPULATOR\" time -1 at 0 0\n", "test.txt:2: bad value after \"time\""},
        {"[layer 3]\ngenerator \"SLIDING DOOR\" time 1 at 0 0\n  \"Size\" = 0\n",
         "test.txt:3: \"Size\" = 0 is outside what the game accepts"},
        {"[layer 3]\ngenerator \"TILEANIMATION\" time 1 at 0 0\n  \"Tile Type\" = 7\n",
         "test.txt:3: \"Tile Type\" = 7 is outside"},
        {"[water]\n1 2 3\n", "test.txt:2: a water line is"},
        {"[layer 1]\n  \"Repeat\" = 1\n", "test.txt:2: expected a generator line"},
    };
    for (const Case& c : cases) {
        StageWorld world;
        std::string error;
        EXPECT_FALSE(ReadStageText(c.text, "test.txt", world, error)) << c.text;
        EXPECT_EQ(error.rfind(c.expected, 0), 0u) << error;
    }
}

TEST_F(StageTextTest, FloatsAreWrittenShortAndReadBackExactly)
{
    for (float v : {0.0f, 60.0f, -0.03f, 0.1f, 1.0f / 3.0f, 123456.79f, -2.5e-7f, 3.0e20f, 1.0e-40f,
                    std::numeric_limits<float>::infinity()})
        EXPECT_EQ(std::strtof(FloatText(v).c_str(), nullptr), v) << FloatText(v);
    EXPECT_EQ(FloatText(std::bit_cast<float>(0xFFA00001u)), "nan:0xffa00001");
    EXPECT_EQ(FloatText(-0.03f), "-0.03");
    EXPECT_EQ(FloatText(3000.0f), "3000");
}

TEST_F(StageTextTest, ShippedStagesCompileToTheShippedFilesWhichSaveByteForByte)
{
    int shippedStages = 0;
    for (int n = 1; n <= 8; ++n) {
        std::string text;
        if (!ReadTextFile(ShippedText(n), text))
            continue;
        SCOPED_TRACE(ShippedText(n));
        ++shippedStages;
        const std::string shipped = ReadFile(ShippedEnt(n));
        ASSERT_FALSE(shipped.empty()) << ShippedEnt(n) << " is built with the content";
        const std::string name = "STAGE" + std::to_string(n) + ".ENT";
        EXPECT_EQ(Compile(text, name), shipped);

        StageWorld world;
        ASSERT_TRUE(LoadEntityFile(world, ShippedEnt(n), false));
        ASSERT_TRUE(SaveEntityFile(world, dir / ("again" + name)));
        EXPECT_EQ(ReadBytes(dir / ("again" + name)), shipped);
    }
    EXPECT_GE(shippedStages, 3);
}

TEST_F(StageTextTest, StageOneScrollsToItsBossArenaOverItsLake)
{
    StageWorld world;
    ASSERT_TRUE(LoadEntityFile(world, ShippedEnt(1), false));
    // The scroll path of stage 1 and its halt at the boss arena.
    EXPECT_EQ(CameraAtTime(world.scrollManipulators, 0), (CameraPoint{0.0f, 60.0f}));
    EXPECT_EQ(CameraAtTime(world.scrollManipulators, 2999).x, 2999.0f);
    EXPECT_EQ(CameraAtTime(world.scrollManipulators, 5000), (CameraPoint{5000.0f, 0.0f}));
    EXPECT_EQ(CameraAtTime(world.scrollManipulators, 11300), (CameraPoint{11300.0f, 60.0f}));
    EXPECT_EQ(CameraAtTime(world.scrollManipulators, 20000), (CameraPoint{11300.0f, 60.0f}));
    ASSERT_EQ(world.water.size(), 1u);
    EXPECT_EQ(world.water[0].top, 510.0f);
}

} // namespace
