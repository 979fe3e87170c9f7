// The whole stage load in a headless run: files, music, the demo rule, the editor's leniency
// and the clean-up that comes first.
#include "core/automation.hpp"
#include "core/log.hpp"
#include "game/game_flow_globals.hpp"
#include "world/stage_world.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

using namespace world_testing;

namespace {

class StageLoadingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        wasHeadless_ = Automation().headless;
        Automation().headless = true;
        wasDemo_ = demoMode;
        demoMode = false;
        for (const char* folder : {"GFX", "Sound", "Maps"})
            std::filesystem::create_directory(folder);
        for (const char* file : {"GFX/Stage1_Near.tga", "GFX/Stage1_Far.tga", "Sound/BossTrack.mp3", "Sound/Stage1.mp3"})
            WriteBytes(file, "stand-in");
        WriteBytes("Maps/STAGE1.MAP", MapBytes(3, 2, [](int plane, uint32_t tile) -> int16_t {
                       return plane == 4 && tile == 4 ? 991 : 0;
                   }));
        Bytes ent;
        ent.I32(1).F32(0).F32(0).U32(0).F32(0).F32(60).I32(0).F32(1).F32(0);
        ent.I32(0).I32(0).I32(1);
        TimeManipulatorRecord(ent, 500, 3, 100, 1);
        ent.I32(0).I32(1).F32(10).F32(10).F32(50).F32(50);
        WriteBytes("Maps/STAGE1.ENT", ent.text);
        GameLog().SetConsoleEcho(false);
        GameLog().SetEnabled(true);
    }
    void TearDown() override
    {
        GameLog().SetEnabled(false);
        GameLog().SetConsoleEcho(true);
        demoMode = wasDemo_;
        Automation().headless = wasHeadless_;
        std::filesystem::current_path(previousDir_);
    }
    // The log written since `from`, as the test sees it.
    std::string LogText() const { return ReadBytes(dir_ / GameLog().Path()); }

    TempDir dir_{"stageload"};
    std::filesystem::path previousDir_;
    bool wasHeadless_ = false;
    bool wasDemo_ = false;
    Engine engine{Engine::Detached{}};
};

TEST_F(StageLoadingTest, LoadsMapAndEntitiesInOrderAfterCleaningUp)
{
    engine.world.entityLayers[0].push_back(std::make_unique<ProbeEntity>());
    engine.world.water.push_back(Rect{});
    ASSERT_TRUE(engine.LoadStage());
    EXPECT_EQ(engine.world.mapWidth, 3);
    EXPECT_EQ(engine.world.frontPlane[4], 991);
    EXPECT_TRUE(engine.world.entityLayers[0].empty()) << "the previous stage is cleaned up";
    ASSERT_EQ(engine.world.water.size(), 1u);
    EXPECT_EQ(engine.world.water[0].halfWidth, 10.0f);
    ASSERT_EQ(engine.world.generators[2].size(), 1u);
    EXPECT_NE(engine.world.nearSheet.texture, 0u);
    const std::string log = LogText();
    size_t at = 0;
    for (const char* step : {"Cleaning Up Stage.\n", "Loading Map.\n", "Map Loaded!\n", "Loading Entities.\n",
                             "Maps/STAGE1.ENT\n", ">>Loading manipulators.\n", ">>Creating Entity type:2.\n",
                             ">>Generator Loaded.\n", ">>Loading water.\n", "Entities Loaded.\n"}) {
        const size_t found = log.find(step, at);
        ASSERT_NE(found, std::string::npos) << step << " in\n" << log;
        at = found;
    }

    engine.CleanupStage();
    EXPECT_EQ(engine.world.mapWidth, 0);
    EXPECT_TRUE(engine.world.collisionPlane.empty());
    EXPECT_TRUE(engine.world.generators[2].empty());
    EXPECT_TRUE(engine.world.scrollManipulators.empty());
    EXPECT_TRUE(engine.world.water.empty());
    EXPECT_EQ(engine.world.nearSheet.texture, 0u);
}

TEST_F(StageLoadingTest, TheNextStageStartsFromItsBeginningWithTheWaterAtRest)
{
    engine.stageIndex = 0; // the stage before the only one on disk
    engine.checkpointTime = 300;
    engine.flashCycle = 7;
    engine.world.waterScroll = 5.0f;
    engine.world.previousWaterScroll = 4.99f;
    engine.NextStage();
    ASSERT_EQ(engine.stageIndex, 1);
    EXPECT_EQ(engine.stateTicks, 0u);
    EXPECT_EQ(engine.checkpointTime, 0u);
    EXPECT_EQ(engine.flashCycle, 0);
    EXPECT_EQ(engine.world.waterScroll, 0.0f) << "the ripple of the last stage does not go on";
    EXPECT_EQ(engine.world.previousWaterScroll, 0.0f);
}

TEST_F(StageLoadingTest, ABadEntityFileFailsUnlessTheStageIsBeingEdited)
{
    WriteBytes("Maps/STAGE1.ENT", std::string(3, '\0'));
    EXPECT_FALSE(engine.LoadStage());
    EXPECT_NE(LogText().find("Failed Entities!\n"), std::string::npos);
    engine.fromEditor = true;
    std::filesystem::remove("Maps/STAGE1.ENT");
    EXPECT_TRUE(engine.LoadStage());
    EXPECT_EQ(engine.world.mapWidth, 3);
}

TEST_F(StageLoadingTest, DemoPlaybackSkipsTheStageMusicButNeedsTheBossTrack)
{
    std::filesystem::remove("Sound/Stage1.mp3");
    EXPECT_FALSE(engine.LoadStage());
    demoMode = true;
    EXPECT_TRUE(engine.LoadStage());
    std::filesystem::remove("Sound/BossTrack.mp3");
    EXPECT_FALSE(engine.LoadStage());
}

TEST_F(StageLoadingTest, MissingPiecesFailTheLoad)
{
    std::filesystem::remove("GFX/Stage1_Far.tga");
    EXPECT_FALSE(engine.LoadStage());
    WriteBytes("GFX/Stage1_Far.tga", "stand-in");
    WriteBytes("Maps/STAGE1.MAP", "short");
    EXPECT_FALSE(engine.LoadStage());
    EXPECT_NE(LogText().find("Maps/STAGE1.MAP: "), std::string::npos);
}

} // namespace
