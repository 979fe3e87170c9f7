// The decoder libraries are held only while a video is open: every path through OpenVideo
// and CloseVideo must leave the count of users where it found it.
#include "graphics/ffmpeg_api.hpp"
#include "graphics/video_decoder.hpp"

#include <gtest/gtest.h>

TEST(FfmpegApi, EveryCallResolvesAndUsersAreCounted)
{
    ASSERT_EQ(FfmpegUsers(), 0);
    const FfmpegApi* first = AcquireFfmpeg();
    ASSERT_NE(first, nullptr);
#define EXPECT_RESOLVED(library, name) EXPECT_NE(first->name, nullptr) << #name;
    SKYREAVER_FFMPEG_CALLS(EXPECT_RESOLVED)
#undef EXPECT_RESOLVED
    EXPECT_EQ(AcquireFfmpeg(), first);
    EXPECT_EQ(FfmpegUsers(), 2);
    ReleaseFfmpeg();
    ReleaseFfmpeg();
    EXPECT_EQ(FfmpegUsers(), 0);
    ReleaseFfmpeg(); // one release too many changes nothing
    EXPECT_EQ(FfmpegUsers(), 0);
    // Closed and opened again: the table is whole again.
    const FfmpegApi* again = AcquireFfmpeg();
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again->avformat_open_input, nullptr);
    ReleaseFfmpeg();
}

TEST(FfmpegApi, FailedOpensAndClosedVideosGiveTheLibrariesBack)
{
    ASSERT_EQ(FfmpegUsers(), 0);
    EXPECT_EQ(OpenVideo("no/such/clip.avi"), nullptr);
    EXPECT_EQ(FfmpegUsers(), 0);
    auto video = OpenVideo(std::string(SKYREAVER_RUN_DIR) + "/Videos/Continue.avi");
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(FfmpegUsers(), 1);
    EXPECT_TRUE(NextFrame(*video, false));
    CloseVideo(*video);
    EXPECT_EQ(FfmpegUsers(), 0);
    CloseVideo(*video); // twice is safe, and releases nothing more
    video.reset();
    EXPECT_EQ(FfmpegUsers(), 0);
}
