// VideoTexture and VideoCache without a window: decoding, the end of a clip, seeking and the
// cache's ownership rules.
#include "core/automation.hpp"
#include "core/log.hpp"
#include "graphics/video_cache.hpp"
#include "graphics/video_test_clips.hpp"
#include "support/game_run.hpp"

#include <gtest/gtest.h>

using testing_support::ReadFile;
using testing_support::ScratchDir;

namespace {

constexpr int ClipFrames = 6;

class VideoCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        GameLog().SetConsoleEcho(false);
        GameLog().SetEnabled(true);
        RegisterVideoFormats();
        wasHeadless_ = Automation().headless;
        Automation().headless = true; // no GL context in unit tests...
        DecodeVideoWithoutScreen = true; // ...but the pictures are what is tested
        ASSERT_TRUE(video_test::MakeClip(dir_ / "clip.avi", "mpeg4", ClipFrames));
    }
    void TearDown() override
    {
        Automation().headless = wasHeadless_;
        DecodeVideoWithoutScreen = false;
        std::filesystem::current_path(previous_);
    }

    ScratchDir dir_{"videocache"};
    std::filesystem::path previous_;
    bool wasHeadless_ = false;
};

int Red(const VideoTexture& video)
{
    return video_test::CentreRed(video.Pixels(), video.Decoder()->Width(), video.Decoder()->Height());
}

} // namespace

TEST_F(VideoCacheTest, LoadShowsTheFirstFrameAndANonLoopingClipStopsOnItsLast)
{
    VideoTexture video;
    ASSERT_TRUE(video.LoadVideo("clip.avi", false, 512, 512));
    EXPECT_EQ(video.TextureWidth(), 512);
    EXPECT_EQ(video.Texture(), 0u) << "no texture without a window";
    const int first = Red(video);
    int last = first;
    for (int i = 1; i < ClipFrames; ++i) {
        video.Advance();
        EXPECT_GT(Red(video), last + 10) << "frame " << i;
        last = Red(video);
    }
    EXPECT_FALSE(video.Finished());
    for (int i = 0; i < 5; ++i)
        video.Advance();
    EXPECT_TRUE(video.Finished());
    EXPECT_EQ(Red(video), last) << "the last picture stays";

    video.Seek(0);
    EXPECT_FALSE(video.Finished());
    video.Advance();
    EXPECT_NEAR(Red(video), first, 4);

    const std::string log = ReadFile(dir_ / "Logfile.txt");
    const size_t once = log.find("Video Loaded!\nVideo Loaded!\n");
    EXPECT_NE(once, std::string::npos) << "a load reports itself twice";
}

TEST_F(VideoCacheTest, GetCachesByNameAndAFailedLoadCachesNothing)
{
    VideoCache cache;
    VideoTexture* looping = cache.Get("clip.avi", true, 512, 512);
    ASSERT_NE(looping, nullptr);
    EXPECT_EQ(cache.Get("clip.avi", false, 256, 256), looping) << "the cached one, as first loaded";
    EXPECT_TRUE(looping->Loop());

    EXPECT_EQ(cache.Get("missing.avi", true, 512, 512), nullptr);
    EXPECT_EQ(cache.Size(), 1u);
    EXPECT_EQ(cache.Find("missing.avi"), nullptr);

    const int first = Red(*looping);
    for (int i = 0; i < ClipFrames; ++i)
        cache.AdvanceAll();
    EXPECT_NEAR(Red(*looping), first, 4) << "one frame per call: a full turn is back at the start";
    EXPECT_FALSE(looping->Finished());

    cache.Release("missing.avi");
    EXPECT_EQ(cache.Size(), 1u);
    cache.Release("clip.avi");
    EXPECT_EQ(cache.Size(), 0u);
    ASSERT_NE(cache.Get("clip.avi", true, 512, 512), nullptr);
    cache.Clear();
    EXPECT_EQ(cache.Size(), 0u);
    cache.AdvanceAll();
}
