#include "audio/audio_listening.hpp"
#include "audio/audio_system.hpp"
#include "audio/sound_sample.hpp"
#include "support/game_run.hpp"

#include <gtest/gtest.h>

using namespace audio_testing;
using testing_support::ScratchDir;

namespace {

constexpr double Amplitude = 0.3;
const int ExpectedPeak = static_cast<int>(32767 * Amplitude);

// A 0.3 s effect at 1 kHz and an identical second one, as separate files.
class SoundSampleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteTone(dir / "blip.wav", 0.3, 1000, 1000, Amplitude);
        WriteTone(dir / "other.wav", 0.3, 1000, 1000, Amplitude);
    }
    ScratchDir dir{"audio-sample"};
};

TEST_F(SoundSampleTest, PlayedEffectIsHeardForItsLengthAfterSilence)
{
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        SoundSample blip;
        if (!blip.Load("blip.wav", false))
            return 1;
        WaitOutput(150);
        blip.PlaySound();
        Mark("play");
        WaitOutput(600);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    EXPECT_NE(out.log.find("\n[Initializing BASS]\nComplete...\n\n"), std::string::npos) << out.log;
    EXPECT_NE(out.log.find("Loaded sample: blip.wav\n"), std::string::npos) << out.log;
    const auto runs = SoundingRuns(out.pcm);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NEAR(runs[0].begin, out.marks.at("play"), 4); // nothing before the call
    EXPECT_NEAR(runs[0].Seconds(), 0.3, 0.03);
    EXPECT_NEAR(Peak(out.pcm, runs[0].begin, runs[0].end), ExpectedPeak, ExpectedPeak / 20);
    EXPECT_NEAR(Frequency(out.pcm, runs[0].begin + 2, runs[0].end - 2), 1000, 30);
}

TEST_F(SoundSampleTest, SameEffectTwiceInOneTickSoundsOnceWhileDifferentEffectsAdd)
{
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        SoundSample blip, other;
        if (!blip.Load("blip.wav", false) || !other.Load("other.wav", false))
            return 1;
        WaitOutput(100);
        blip.PlaySound();
        blip.PlaySound();
        WaitOutput(500);
        blip.PlaySound();
        other.PlaySound();
        WaitOutput(500);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    const auto runs = SoundingRuns(out.pcm);
    ASSERT_EQ(runs.size(), 2u);
    // One instance: a single amplitude, the length of one playback.
    EXPECT_NEAR(Peak(out.pcm, runs[0].begin, runs[0].end), ExpectedPeak, ExpectedPeak / 20);
    EXPECT_NEAR(runs[0].Seconds(), 0.3, 0.04);
    // Two different effects sound together, so the single amplitude above is meaningful.
    EXPECT_GT(Peak(out.pcm, runs[1].begin, runs[1].end), ExpectedPeak * 17 / 10);
}

TEST_F(SoundSampleTest, ReplayingCutsThePreviousInstanceAndRestarts)
{
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        SoundSample blip;
        if (!blip.Load("blip.wav", false))
            return 1;
        WaitOutput(100);
        blip.PlaySound();
        Mark("first");
        WaitOutput(150);
        blip.PlaySound(); // restarts: sounding until 0.3 s after this call
        Mark("second");
        WaitOutput(500);
        blip.Play();      // Play restarts too
        Mark("third");
        WaitOutput(100);
        blip.Play();
        Mark("fourth");
        WaitOutput(500);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    const auto runs = SoundingRuns(out.pcm);
    ASSERT_EQ(runs.size(), 2u);
    const auto& m = out.marks;
    EXPECT_NEAR(runs[0].end, m.at("second") + 30, 4);
    EXPECT_NEAR(runs[1].end, m.at("fourth") + 30, 4);
    EXPECT_GE(runs[0].Seconds(), 0.4);
    EXPECT_GE(runs[1].Seconds(), 0.35);
    for (const SoundRun& run : runs)
        EXPECT_LT(Peak(out.pcm, run.begin, run.end), ExpectedPeak * 11 / 10); // never overlapping
}

TEST_F(SoundSampleTest, StopVolumeAndFree)
{
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        SoundSample blip;
        if (!blip.Load("blip.wav", false))
            return 1;
        blip.SetVolume(50);
        WaitOutput(100);
        blip.PlaySound();
        Mark("play");
        WaitOutput(100);
        blip.Stop();
        Mark("stop");
        WaitOutput(300);
        blip.Free();
        if (blip.handle != 0)
            return 2;
        blip.PlaySound(); // freed: nothing
        blip.Stop();
        blip.Free();
        WaitOutput(400);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    const auto runs = SoundingRuns(out.pcm);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NEAR(runs[0].begin, out.marks.at("play"), 4);
    EXPECT_NEAR(runs[0].end, out.marks.at("stop"), 4);
    EXPECT_NEAR(Peak(out.pcm, runs[0].begin, runs[0].end), ExpectedPeak / 2, ExpectedPeak / 20);
}

TEST_F(SoundSampleTest, MissingOrCorruptSampleFailsWithItsLogLineAndStaysInert)
{
    testing_support::WriteFile(dir / "corrupt.wav", "RIFF\x10\0\0\0WAVEfmt ");
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        SoundSample missing, corrupt;
        if (missing.Load("Sound/NoSuch.wav", false) || missing.handle != 0)
            return 1;
        if (corrupt.Load("corrupt.wav", false) || corrupt.handle != 0)
            return 2;
        missing.PlaySound();
        missing.Play();
        missing.Stop();
        missing.SetVolume(10);
        missing.Free();
        WaitOutput(200);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    EXPECT_NE(out.log.find("Failed to load sample: Sound/NoSuch.wav\n"), std::string::npos) << out.log;
    EXPECT_NE(out.log.find("Failed to load sample: corrupt.wav\n"), std::string::npos) << out.log;
    EXPECT_TRUE(SoundingRuns(out.pcm).empty());
}

} // namespace
