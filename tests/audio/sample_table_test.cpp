#include "audio/audio_listening.hpp"
#include "audio/audio_system.hpp"
#include "audio/sample_table.hpp"
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace audio_testing;
using testing_support::ScratchDir;

namespace {

// A scratch directory with its own Sound/ folder holding a short tone for every effect.
class SampleTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::remove(dir / "Sound"); // the generated content is not ours to use
        std::filesystem::create_directories(dir / "Sound");
        WriteTone(dir / "tone.wav", 0.15, 800, 800, 0.3);
        for (int index = 0; index < SampleTable::EffectCount; ++index)
            std::filesystem::copy_file(dir / "tone.wav", dir / SampleFile(index));
    }

    static std::vector<std::string> LoadLines(const std::string& log)
    {
        std::vector<std::string> lines;
        std::istringstream in(log);
        for (std::string line; std::getline(in, line);)
            if (line.rfind("Loaded sample: ", 0) == 0 || line.rfind("Failed to load sample: ", 0) == 0)
                lines.push_back(line);
        return lines;
    }

    ScratchDir dir{"audio-table"};
};

TEST_F(SampleTableTest, LoadsEveryEffectInIndexOrderOncePerProcess)
{
    const Capture out = RunListening(
        dir.Path(),
        [] {
            InitAudio();
            SampleTable table;
            if (!LoadSampleTable(table))
                return 1;
            for (int index = 0; index < SampleTable::EffectCount; ++index)
                if (table.Effect(index)->handle == 0)
                    return 2;
            if (table.Effect(32) != &table.menuMove || table.Effect(33) != &table.menuSelect ||
                table.Effect(-1) || table.Effect(34))
                return 3;
            SampleTable second; // a later precache leaves the samples alone
            if (!LoadSampleTable(second) || second.entries[0].handle != 0)
                return 4;
            return 0;
        },
        "dummy");
    ASSERT_EQ(out.exitCode, 0);
    const auto lines = LoadLines(out.log);
    ASSERT_EQ(lines.size(), 34u) << out.log;
    EXPECT_EQ(lines[0], "Loaded sample: Sound/LargeExplosion.wav");
    EXPECT_EQ(lines[27], "Loaded sample: Sound/SFX_22.wav");
    EXPECT_EQ(lines[28], "Loaded sample: Sound/deflection.wav");
    EXPECT_EQ(lines[31], "Loaded sample: Sound/SFX_25.wav");
    EXPECT_EQ(lines[32], "Loaded sample: Sound/UI_Move.wav");
    EXPECT_EQ(lines[33], "Loaded sample: Sound/UI_Select.wav");
}

TEST_F(SampleTableTest, MissingSampleStopsTheLoadAtItsName)
{
    std::filesystem::remove(dir / "Sound/SFX_10.wav");
    const Capture out = RunListening(
        dir.Path(),
        [] {
            InitAudio();
            SampleTable table;
            return LoadSampleTable(table) ? 1 : 0;
        },
        "dummy");
    ASSERT_EQ(out.exitCode, 0);
    const auto lines = LoadLines(out.log);
    ASSERT_EQ(lines.size(), 16u) << out.log;
    EXPECT_EQ(lines[14], "Loaded sample: Sound/SFX_9.wav");
    EXPECT_EQ(lines[15], "Failed to load sample: Sound/SFX_10.wav");
}

TEST_F(SampleTableTest, EntryTwentySevenLoopsUntilStopOrStopAll)
{
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        SampleTable table;
        if (!LoadSampleTable(table))
            return 1;
        WaitOutput(100);
        table.entries[27].PlaySound();
        Mark("play1");
        WaitOutput(800);
        table.entries[27].Stop();
        Mark("stop");
        WaitOutput(300);
        table.entries[27].PlaySound();
        Mark("play2");
        WaitOutput(600);
        StopAllAudio();
        Mark("stopAll");
        WaitOutput(300);
        table.entries[26].PlaySound(); // output ready again after the global stop
        WaitOutput(400);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    const auto runs = SoundingRuns(out.pcm);
    ASSERT_EQ(runs.size(), 3u);
    const auto& m = out.marks;
    // Sounding from each start to its stop, far beyond the 0.15 s of the sample.
    EXPECT_NEAR(runs[0].begin, m.at("play1"), 4);
    EXPECT_NEAR(runs[0].end, m.at("stop"), 4);
    EXPECT_NEAR(runs[1].begin, m.at("play2"), 4);
    EXPECT_NEAR(runs[1].end, m.at("stopAll"), 4);
    EXPECT_GE(runs[0].Seconds(), 0.7);
    EXPECT_GE(runs[1].Seconds(), 0.5);
    EXPECT_NEAR(runs[2].Seconds(), 0.15, 0.03); // an ordinary entry plays once
}

} // namespace
