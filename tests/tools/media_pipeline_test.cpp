// The media tools themselves: the same sources give the same bytes, and broken sources
// stop with a message naming the file and line instead of writing anything.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path RunDir = SKYREAVER_RUN_DIR;
const fs::path Tools = RunDir.parent_path() / "tools" / "media";
const fs::path Sources = fs::path(SKYREAVER_SOURCE_DIR) / "content" / "media";

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MediaPipeline : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch_ = fs::temp_directory_path() / ("media_pipeline_" + std::to_string(::getpid()));
        fs::remove_all(scratch_);
        fs::create_directories(scratch_);
    }
    void TearDown() override { fs::remove_all(scratch_); }

    int Run(const std::string& tool, const fs::path& source, const std::string& log = "/dev/null")
    {
        const std::string command = (Tools / tool).string() + " '" + source.string() + "' '" + scratch_.string() +
                                    "' >" + log + " 2>&1";
        return std::system(command.c_str());
    }
    void ExpectSameBytes(const std::string& file)
    {
        const std::string fresh = ReadAll(scratch_ / file), built = ReadAll(RunDir / file);
        ASSERT_FALSE(fresh.empty()) << file << " was not regenerated";
        EXPECT_TRUE(fresh == built) << file << " differs between two generations";
    }

    fs::path scratch_;
};

TEST_F(MediaPipeline, RegeneratingGivesIdenticalBytes)
{
    ASSERT_EQ(Run("media_sfx", Sources / "effects.txt"), 0);
    for (const char* file : {"Sound/LargeExplosion.wav", "Sound/SFX_22.wav", "Sound/UI_Select.wav"})
        ExpectSameBytes(file);
    ASSERT_EQ(Run("media_music", Sources / "music" / "Continue.score"), 0);
    ExpectSameBytes("Sound/Continue.mp3");
    ASSERT_EQ(Run("media_music", Sources / "music" / "Moorhaven.score"), 0);
    ExpectSameBytes("Sound/Moorhaven.ogg");
    ASSERT_EQ(Run("media_video", Sources / "videos" / "Continue.scene"), 0);
    ExpectSameBytes("Videos/Continue.avi");
}

TEST_F(MediaPipeline, BrokenSourcesFailWithTheirPlaceAndWriteNothing)
{
    struct Case {
        std::string tool, name, text, expected;
    };
    const Case cases[] = {
        {"media_music", "bad_note.score", "output Sound/X.mp3\ninstrument lead\npattern A 1\nlead a4 h9\narrange A\n",
         "bad_note.score:4"},
        {"media_music", "long_line.score", "output Sound/X.mp3\ninstrument lead\npattern A 1\nlead a4*17\narrange A\n",
         "long_line.score:4"},
        {"media_music", "open_group.score", "output Sound/X.mp3\ninstrument lead\npattern A 1\nlead ( a4 b4\narrange A\n",
         "open_group.score:4"},
        {"media_music", "short.score", "output Sound/X.mp3\nminimum 100\ninstrument lead\npattern A 1\nlead a4\narrange A\n",
         "less than its minimum"},
        {"media_sfx", "bad.sfx", "effect Sound/X.wav\nlayer wobble\n", "bad.sfx:2"},
        {"media_sfx", "orphan.sfx", "layer sine\n", "orphan.sfx:1"},
        {"media_video", "bad.scene", "output Videos/X.avi\nframes many\n", "bad.scene:2"},
        {"media_video", "nokey.scene", "output Videos/X.avi\nkey moon.x 0 10\n", "nokey.scene:2"},
    };
    for (const Case& c : cases) {
        const fs::path source = scratch_ / c.name, log = scratch_ / (c.name + ".log");
        std::ofstream(source) << c.text;
        EXPECT_NE(Run(c.tool, source, log.string()), 0) << c.name;
        const std::string message = ReadAll(log);
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.name << " said: " << message;
        EXPECT_FALSE(fs::exists(scratch_ / "Sound" / "X.mp3") || fs::exists(scratch_ / "Sound" / "X.wav") ||
                     fs::exists(scratch_ / "Videos" / "X.avi"))
            << c.name;
    }
    EXPECT_NE(Run("media_music", scratch_ / "missing.score"), 0);
}

} // namespace
