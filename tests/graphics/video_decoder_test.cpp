// The decoder over clips made by FFmpeg's tool: frame order, looping, the end of a clip and
// files that are missing, empty, foreign or truncated.
#include "core/log.hpp"
#include "graphics/video_cache.hpp"
#include "graphics/video_decoder.hpp"
#include "graphics/video_test_clips.hpp"
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using testing_support::ReadFile;
using testing_support::ScratchDir;
using testing_support::WriteFile;

namespace {

constexpr int ClipFrames = 8;

// Runs the test inside a scratch directory so the game log lands there.
class VideoDecoderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        GameLog().SetConsoleEcho(false);
        GameLog().SetEnabled(true);
        RegisterVideoFormats();
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    std::string Log() const { return ReadFile(dir_ / "Logfile.txt"); }
    std::filesystem::path Clip(const std::string& encoder)
    {
        const auto path = dir_ / (encoder + ".avi");
        if (!std::filesystem::exists(path) && !video_test::MakeClip(path, encoder, ClipFrames))
            ADD_FAILURE() << "ffmpeg could not make a " << encoder << " clip";
        return path;
    }

    ScratchDir dir_{"video"};
    std::filesystem::path previous_;
};

int DecodedRed(VideoDecoder& decoder)
{
    EXPECT_TRUE(ConvertToRgb(decoder));
    return video_test::CentreRed(decoder.rgbBuffer, decoder.Width(), decoder.Height());
}

std::vector<int> DecodeAll(VideoDecoder& decoder)
{
    std::vector<int> reds;
    while (reds.size() < 100 && NextFrame(decoder, false))
        reds.push_back(DecodedRed(decoder));
    return reds;
}

} // namespace

TEST_F(VideoDecoderTest, EveryFrameComesOutOnceInOrderForBothEncoders)
{
    for (const char* encoder : {"mjpeg", "mpeg4"}) {
        auto decoder = OpenVideo(Clip(encoder));
        ASSERT_NE(decoder, nullptr) << encoder;
        EXPECT_EQ(decoder->Width(), 32);
        EXPECT_EQ(decoder->Height(), 32);
        const std::vector<int> reds = DecodeAll(*decoder);
        ASSERT_EQ(reds.size(), size_t(ClipFrames)) << encoder;
        for (size_t i = 1; i < reds.size(); ++i)
            EXPECT_GT(reds[i], reds[i - 1] + 10) << encoder << " frame " << i;
    }
}

TEST_F(VideoDecoderTest, LoopingClipReturnsToItsFirstFrameRightAfterItsLast)
{
    auto decoder = OpenVideo(Clip("mpeg4"));
    ASSERT_NE(decoder, nullptr);
    std::vector<int> reds;
    for (int i = 0; i < ClipFrames * 2 + 1; ++i) {
        ASSERT_TRUE(NextFrame(*decoder, true)) << "call " << i << ": a looping clip never runs dry";
        reds.push_back(DecodedRed(*decoder));
    }
    EXPECT_FALSE(decoder->finished);
    for (int i = 0; i < ClipFrames; ++i)
        EXPECT_NEAR(reds[ClipFrames + i], reds[i], 4) << "second pass, frame " << i;
    EXPECT_NEAR(reds[2 * ClipFrames], reds[0], 4);
}

// Counting without decoding (a headless run) ends a clip on the same call as decoding, and
// loops as it does; nothing is decoded.
TEST_F(VideoDecoderTest, ACountedClipEndsOnTheCallADecodedOneDoes)
{
    for (const char* encoder : {"mjpeg", "mpeg4"}) {
        auto decoded = OpenVideo(Clip(encoder));
        auto counted = OpenVideo(Clip(encoder));
        ASSERT_TRUE(decoded && counted) << encoder;
        counted->countOnly = true;
        int calls = 0;
        for (bool more = true; more && calls < 100; ++calls) {
            more = NextFrame(*decoded, false);
            EXPECT_EQ(NextFrame(*counted, false), more) << encoder << " call " << calls;
        }
        EXPECT_EQ(calls, ClipFrames + 1) << encoder;
        EXPECT_TRUE(counted->finished);
        EXPECT_FALSE(ConvertToRgb(*counted)) << "no picture was decoded";
        ASSERT_TRUE(SeekVideo(*counted, 0));
        for (int i = 0; i < ClipFrames * 2 + 1; ++i)
            ASSERT_TRUE(NextFrame(*counted, true)) << encoder << " looping, call " << i;
    }
}

TEST_F(VideoDecoderTest, NonLoopingClipFinishesAndKeepsItsLastPicture)
{
    auto decoder = OpenVideo(Clip("mjpeg"));
    ASSERT_NE(decoder, nullptr);
    const std::vector<int> reds = DecodeAll(*decoder);
    ASSERT_EQ(reds.size(), size_t(ClipFrames));
    EXPECT_TRUE(decoder->finished);
    EXPECT_FALSE(NextFrame(*decoder, false));
    EXPECT_FALSE(NextFrame(*decoder, true)) << "a finished clip stays finished until sought";
    EXPECT_EQ(video_test::CentreRed(decoder->rgbBuffer, 32, 32), reds.back());

    ASSERT_TRUE(SeekVideo(*decoder, 0));
    EXPECT_FALSE(decoder->finished);
    ASSERT_TRUE(NextFrame(*decoder, false));
    EXPECT_NEAR(DecodedRed(*decoder), reds.front(), 4);
}

TEST_F(VideoDecoderTest, MissingEmptyAndForeignFilesFailWithTheirLogLines)
{
    EXPECT_EQ(OpenVideo("no-such-clip.avi"), nullptr);
    EXPECT_NE(Log().find("Failed to open video file!\n"), std::string::npos);

    WriteFile(dir_ / "empty.avi", "");
    EXPECT_EQ(OpenVideo("empty.avi"), nullptr);
    WriteFile(dir_ / "noise.avi", std::string(4096, '\x5a'));
    EXPECT_EQ(OpenVideo("noise.avi"), nullptr);

    // A container that holds only sound has no video stream to choose.
    ASSERT_EQ(std::system(("ffmpeg -nostdin -y -loglevel error -f lavfi -i sine=d=0.2 -c:a pcm_s16le \"" +
                           (dir_ / "sound.avi").string() + "\" >/dev/null 2>&1")
                              .c_str()),
              0);
    EXPECT_EQ(OpenVideo("sound.avi"), nullptr);
    EXPECT_NE(Log().find("Invalid stream!\n"), std::string::npos);
}

TEST_F(VideoDecoderTest, TruncatedAndDamagedClipsDecodeWhatTheyCanAndEnd)
{
    const std::string whole = ReadFile(Clip("mpeg4"));
    ASSERT_GT(whole.size(), 1000u);
    WriteFile(dir_ / "half.avi", whole.substr(0, whole.size() / 2));
    std::string damaged = whole;
    for (size_t i = whole.size() / 3; i < whole.size() * 2 / 3; i += 7)
        damaged[i] = static_cast<char>(damaged[i] ^ 0xa5);
    WriteFile(dir_ / "damaged.avi", damaged);

    for (const char* name : {"half.avi", "damaged.avi"}) {
        auto decoder = OpenVideo(name);
        if (!decoder)
            continue; // refusing the file is as good as decoding part of it
        int calls = 0;
        while (calls < 200 && !decoder->finished) {
            if (NextFrame(*decoder, false))
                ConvertToRgb(*decoder);
            ++calls;
        }
        EXPECT_TRUE(decoder->finished) << name << " must reach its end";
        CloseVideo(*decoder);
        CloseVideo(*decoder);
        EXPECT_FALSE(NextFrame(*decoder, true)) << "a closed decoder decodes nothing";
    }
}
