// The stage video panel without a window: its registry row and stored bytes, which clip an
// index attaches (and that an index without one is no error), the edits the editor makes,
// the activation window of a panel larger than the screen margins, and the clean-up that
// lets its clips go.
#include "core/automation.hpp"
#include "core/log.hpp"
#include "graphics/video_test_clips.hpp"
#include "core/data_file.hpp"
#include "game/entity_registry.hpp"
#include "engine/play/stage_loading.hpp"
#include "world/stage_world.hpp"
#include "world/furniture/video_entity.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

using namespace world_testing;

namespace {

constexpr int ClipFrames = 6;

class VideoEntityTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        clips_ = std::make_unique<TempDir>("videopanel-clips");
        std::filesystem::create_directories(*clips_ / "Videos");
        made_ = video_test::MakeClip(*clips_ / "Videos/Mars4.avi", "mpeg4", ClipFrames) &&
                video_test::MakeClip(*clips_ / "Videos/Ganymede.avi", "mpeg4", ClipFrames);
    }
    static void TearDownTestSuite() { clips_.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(made_) << "ffmpeg could not make the test clips";
        std::filesystem::copy(*clips_ / "Videos", dir_ / "Videos");
        previousDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        wasHeadless_ = Automation().headless;
        Automation().headless = true; // no GL context: the cache decodes without uploading
        DecodeVideoWithoutScreen = true;
        GameLog().SetConsoleEcho(false);
        GameLog().SetEnabled(true);
    }
    void TearDown() override
    {
        engine.videoCache.Clear();
        GameLog().SetEnabled(false);
        GameLog().SetConsoleEcho(true);
        Automation().headless = wasHeadless_;
        DecodeVideoWithoutScreen = false;
        std::filesystem::current_path(previousDir_);
    }

    std::string LogText() const { return ReadBytes(dir_ / GameLog().Path()); }
    std::string Saved(Entity& entity)
    {
        const std::string path = (dir_ / "entity.bin").string();
        DataFile file;
        EXPECT_TRUE(file.Open(path, "wb"));
        EXPECT_TRUE(entity.Save(file));
        return ReadBytes(path);
    }
    // A fresh panel loaded from the bytes; null when the load fails.
    std::unique_ptr<VideoEntity> Loaded(const std::string& bytes)
    {
        const std::string path = (dir_ / "entity.bin").string();
        WriteBytes(path, bytes);
        DataFile file;
        EXPECT_TRUE(file.Open(path, "rb"));
        auto panel = std::make_unique<VideoEntity>();
        if (!panel->Load(file))
            return nullptr;
        return panel;
    }
    int Red(const VideoTexture& video) const
    {
        return video_test::CentreRed(video.Pixels(), video.Decoder()->Width(), video.Decoder()->Height());
    }

    static inline std::unique_ptr<TempDir> clips_;
    static inline bool made_ = false;
    TempDir dir_{"videopanel"};
    std::filesystem::path previousDir_;
    bool wasHeadless_ = false;
    Engine engine{Engine::Detached{}};
};

TEST_F(VideoEntityTest, TypeZeroIsThePanelWithItsThreePropertiesInEditorOrder)
{
    EXPECT_EQ(EntityTypeName(0), "AVI ENTITY");
    std::unique_ptr<Entity> made = CreateEntity(0);
    auto* panel = dynamic_cast<VideoEntity*>(made.get());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->keepOnRestart, 1) << "fixed to the scenery";
    EXPECT_EQ(panel->active, 0);
    EXPECT_EQ(panel->drawOrder, 0) << "layers 1 and 2 draw only zero and above";
    EXPECT_FALSE(panel->HitTest({Circle{1000.0f, 0.0f, 0.0f, 0.0f, 0.0f}}));
    float tx = 0.0f, ty = 0.0f;
    EXPECT_FALSE(panel->GetTargetPoint(tx, ty));

    std::vector<EntityProperty> list;
    panel->DescribeProperties(list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_STREQ(list[0].name, "Video");
    EXPECT_EQ(list[0].kind, 0);
    EXPECT_EQ(list[0].intValue, &panel->videoIndex);
    EXPECT_STREQ(list[1].name, "Flip Horizontal");
    EXPECT_EQ(list[1].kind, 2);
    EXPECT_EQ(list[1].boolValue, &panel->flipHorizontal);
    EXPECT_STREQ(list[2].name, "Flip Vertical");
    EXPECT_EQ(list[2].boolValue, &panel->flipVertical);
}

TEST_F(VideoEntityTest, StoredBytesAreTheIndexThenBothFlagsAndAnyIndexLoads)
{
    VideoEntity panel;
    panel.x = 960.0f;
    panel.y = 45.0f;
    panel.videoIndex = 1;
    panel.flipVertical = 1;
    Bytes expected;
    expected.F32(960).F32(45).I32(1).U8(0).U8(1);
    EXPECT_EQ(Saved(panel), expected.text);
    auto back = Loaded(expected.text);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->videoIndex, 1);
    EXPECT_EQ(back->flipHorizontal, 0);
    EXPECT_EQ(back->flipVertical, 1);
    EXPECT_FLOAT_EQ(back->prevX, 960.0f);
    EXPECT_EQ(Saved(*back), expected.text);

    // An index without a clip is a blank panel, not a broken file.
    for (int32_t index : {-1, 2, INT32_MAX, INT32_MIN}) {
        Bytes odd;
        odd.F32(0).F32(0).I32(index).U8(1).U8(1);
        auto loaded = Loaded(odd.text);
        ASSERT_NE(loaded, nullptr) << index;
        EXPECT_EQ(loaded->videoIndex, index);
    }
    Bytes cut;
    cut.F32(0).F32(0).I32(0).U8(1);
    EXPECT_EQ(Loaded(cut.text), nullptr) << "a missing flag";
}

TEST_F(VideoEntityTest, PanelsOfOneIndexShareOneLoopingClipAndEachLoadIsLogged)
{
    VideoEntity first, second, other;
    second.videoIndex = 0;
    other.videoIndex = 1;
    ASSERT_TRUE(first.LoadResources());
    ASSERT_TRUE(second.LoadResources());
    ASSERT_TRUE(other.LoadResources());
    VideoTexture* mars = engine.videoCache.Find("Videos/Mars4.avi");
    ASSERT_NE(mars, nullptr);
    EXPECT_EQ(first.Video(), mars);
    EXPECT_EQ(second.Video(), mars);
    EXPECT_EQ(other.Video(), engine.videoCache.Find("Videos/Ganymede.avi"));
    EXPECT_EQ(engine.videoCache.Size(), 2u);
    EXPECT_TRUE(mars->Loop());
    EXPECT_EQ(mars->TextureWidth(), 512);
    EXPECT_EQ(mars->TextureHeight(), 512);

    const std::string log = LogText();
    size_t at = 0;
    for (const char* step : {">>Precaching AVI entity type:0.\n", "Video Loaded!\nVideo Loaded!\n",
                             ">>Precache AVI entity completed.\n", ">>Precaching AVI entity type:0.\n",
                             ">>Precache AVI entity completed.\n", ">>Precaching AVI entity type:1.\n"}) {
        const size_t found = log.find(step, at);
        ASSERT_NE(found, std::string::npos) << step << " in\n" << log;
        at = found + 1;
    }
}

TEST_F(VideoEntityTest, AnIndexWithoutAClipSucceedsWithNoVideoAndAMissingClipFails)
{
    for (int32_t index : {-1, 2, 7, INT32_MAX, INT32_MIN}) {
        VideoEntity panel;
        panel.videoIndex = index;
        EXPECT_TRUE(panel.LoadResources()) << index;
        EXPECT_EQ(panel.Video(), nullptr);
        EXPECT_EQ(panel.loadedIndex, index);
    }
    EXPECT_EQ(engine.videoCache.Size(), 0u);
    const std::string log = LogText();
    EXPECT_NE(log.find(">>Precaching AVI entity type:-2147483648.\n>>Precache AVI entity completed.\n"),
              std::string::npos)
        << log;

    std::filesystem::remove("Videos/Ganymede.avi");
    VideoEntity missing;
    missing.videoIndex = 1;
    EXPECT_FALSE(missing.LoadResources());
    EXPECT_EQ(missing.Video(), nullptr);
    EXPECT_EQ(engine.videoCache.Size(), 0u);
    EXPECT_NE(LogText().find("Failed to open video file!\n"), std::string::npos);
    EXPECT_EQ(LogText().find(">>Precache AVI entity completed.\n", log.size()), std::string::npos);
}

TEST_F(VideoEntityTest, SpawnReloadsAnEditedIndexAndRestartsTheClip)
{
    VideoEntity panel;
    ASSERT_TRUE(panel.LoadResources());
    VideoTexture& mars = *panel.Video();
    const int firstRed = Red(mars);
    for (int i = 0; i < 3; ++i)
        engine.videoCache.AdvanceAll();
    ASSERT_GT(Red(mars), firstRed + 30);

    panel.Spawn(300.0f, 40.0f);
    EXPECT_FLOAT_EQ(panel.x, 300.0f);
    EXPECT_FLOAT_EQ(panel.prevY, 40.0f);
    EXPECT_FLOAT_EQ(panel.health, 1.0f);
    EXPECT_EQ(panel.active, 0);
    engine.videoCache.AdvanceAll();
    EXPECT_NEAR(Red(mars), firstRed, 4) << "spawning starts the clip again";

    panel.videoIndex = 1; // edited in the editor
    panel.Spawn(0.0f, 0.0f);
    EXPECT_EQ(panel.loadedIndex, 1);
    ASSERT_NE(panel.Video(), nullptr);
    EXPECT_EQ(panel.Video(), engine.videoCache.Find("Videos/Ganymede.avi"));

    panel.videoIndex = 5;
    panel.Spawn(0.0f, 0.0f);
    EXPECT_EQ(panel.loadedIndex, 5);
    EXPECT_EQ(panel.Video(), nullptr) << "the old clip is let go";
    panel.Spawn(0.0f, 0.0f); // nothing attached, nothing to restart
}

TEST_F(VideoEntityTest, DrawingSwapsAnEditedClipEvenWithoutAWindow)
{
    VideoEntity panel;
    panel.videoIndex = 3;
    ASSERT_TRUE(panel.LoadResources());
    panel.videoIndex = 0;
    panel.Draw(0.0f, 1);
    EXPECT_EQ(panel.Video(), nullptr) << "only the normal pass";
    panel.Draw(0.0f, 0);
    EXPECT_EQ(panel.loadedIndex, 0);
    EXPECT_EQ(panel.Video(), engine.videoCache.Find("Videos/Mars4.avi"));
    EXPECT_NE(panel.Video(), nullptr);
    panel.videoIndex = 1;
    panel.Draw(0.5f, 0);
    EXPECT_EQ(panel.Video(), engine.videoCache.Find("Videos/Ganymede.avi"));
}

TEST_F(VideoEntityTest, InactiveUntilItOverlapsTheViewAndRemovedOnceItLeavesOnAnySide)
{
    // A 512-square panel at (1000, 200); the view is 640 x 480 from the camera.
    struct Exit {
        const char* side;
        float cx, cy;
    };
    for (const Exit exit : {Exit{"left", 1513.0f, 0.0f}, Exit{"right", 359.0f, 0.0f}, Exit{"top", 1000.0f, 713.0f},
                            Exit{"bottom", 1000.0f, -281.0f}}) {
        SCOPED_TRACE(exit.side);
        VideoEntity panel;
        panel.LoadResources();
        panel.Spawn(1000.0f, 200.0f);
        panel.UpdateActivation(-5000.0f, 0.0f);
        EXPECT_EQ(panel.active, 0);
        EXPECT_FLOAT_EQ(panel.health, 1.0f) << "far from the view, yet kept: it may scroll in";
        panel.UpdateActivation(359.0f, 0.0f);
        EXPECT_EQ(panel.active, 0) << "one pixel short of the view";
        panel.UpdateActivation(360.0f, 0.0f);
        EXPECT_EQ(panel.active, 1) << "its edge touches the view";
        panel.UpdateActivation(1512.0f, 712.0f);
        EXPECT_EQ(panel.active, 1) << "its far corner still touches";
        panel.UpdateActivation(exit.cx, exit.cy);
        EXPECT_EQ(panel.active, 0);
        EXPECT_FLOAT_EQ(panel.health, -1.0f);
    }

    // In play the layer's own camera decides: layer 2 moves at three quarters of the stage
    // camera, so at 800 its view ends at 1240, over the panel's left edge at 1000.
    auto made = std::make_unique<VideoEntity>();
    made->Spawn(1000.0f, 0.0f);
    VideoEntity* panel = made.get();
    AddEntity(engine.world, std::move(made), 2);
    engine.world.camera = {400.0f, 0.0f};
    UpdateEntityLists(engine.world);
    EXPECT_EQ(panel->active, 0) << "view ends at 940";
    engine.world.camera = {800.0f, 0.0f};
    UpdateEntityLists(engine.world);
    EXPECT_EQ(panel->active, 1);
    engine.world.camera = {2100.0f, 0.0f}; // layer view from 1575, past the panel's 1512
    UpdateEntityLists(engine.world);
    UpdateEntityLists(engine.world);
    EXPECT_TRUE(engine.world.entityLayers[1].empty());
}

TEST_F(VideoEntityTest, CloneCopiesTheIndicesFlipsAndAttachedClip)
{
    VideoEntity panel;
    panel.videoIndex = 1;
    ASSERT_TRUE(panel.LoadResources());
    panel.flipHorizontal = 1;
    panel.Spawn(120.0f, 30.0f);
    panel.videoIndex = 0; // an edit not yet taken up travels with the copy
    std::unique_ptr<Entity> copy = panel.Clone();
    auto* clone = dynamic_cast<VideoEntity*>(copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->videoIndex, 0);
    EXPECT_EQ(clone->loadedIndex, 1);
    EXPECT_EQ(clone->flipHorizontal, 1);
    EXPECT_EQ(clone->flipVertical, 0);
    EXPECT_EQ(clone->Video(), panel.Video());
    EXPECT_NE(clone->Video(), nullptr);
    EXPECT_FLOAT_EQ(clone->x, 120.0f);
    clone->Spawn(0.0f, 0.0f);
    EXPECT_EQ(clone->Video(), engine.videoCache.Find("Videos/Mars4.avi"));
    EXPECT_EQ(panel.loadedIndex, 1) << "the original is untouched";
}

TEST_F(VideoEntityTest, StageCleanUpLetsTheClipsGoAndNoPanelKeepsOne)
{
    VideoEntity outlives; // held outside the stage, like an editor's copy
    ASSERT_TRUE(outlives.LoadResources());
    auto placed = std::make_unique<VideoEntity>();
    placed->videoIndex = 1;
    ASSERT_TRUE(placed->LoadResources());
    AddEntity(engine.world, std::move(placed), 2);
    ASSERT_EQ(engine.videoCache.Size(), 2u);

    CleanupStage(engine);
    EXPECT_EQ(engine.videoCache.Size(), 0u);
    EXPECT_TRUE(engine.world.entityLayers[1].empty());
    EXPECT_EQ(outlives.Video(), nullptr) << "a released clip is no longer attached";
    outlives.Spawn(0.0f, 0.0f);
    outlives.Draw(0.0f, 0);
}

} // namespace
