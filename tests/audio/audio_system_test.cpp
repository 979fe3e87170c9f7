#include "audio/audio_device.hpp"
#include "audio/audio_listening.hpp"
#include "audio/audio_system.hpp"
#include "audio/music_track.hpp"
#include "audio/sound_sample.hpp"
#include "core/automation.hpp"
#include "support/game_run.hpp"

#include <gtest/gtest.h>

using namespace audio_testing;
using testing_support::ScratchDir;

namespace {

// Without a device the game still checks its files, so that start-up takes the same path
// with or without sound, and every playback call does nothing.
int SilentScript()
{
    InitAudio();
    if (audio_device::DeviceOpen())
        return 1;
    SoundSample blip, missing;
    MusicTrack track;
    if (!blip.Load("blip.wav", false) || blip.handle == 0 || missing.Load("none.wav", false))
        return 2;
    if (!track.Load("blip.wav", true) || track.Load("none.mp3", true))
        return 3;
    if (!track.Load("blip.wav", true))
        return 4;
    SetVolumes(0, 0);
    blip.PlaySound();
    blip.Play();
    blip.SetVolume(20);
    track.Play();
    track.SetPositionSeconds(20);
    PauseAudio(true);
    PauseAudio(false);
    StopAllAudio();
    if (audio_device::HandlePlaying(blip.handle) || audio_device::HandlePlaying(track.handle))
        return 5;
    track.Stop();
    blip.Free();
    track.Free();
    return 0;
}

class AudioSystemTest : public ::testing::Test {
protected:
    void SetUp() override { WriteTone(dir / "blip.wav", 0.2, 1000, 1000, 0.3); }
    ScratchDir dir{"audio-system"};
};

TEST_F(AudioSystemTest, NoDeviceLogsFailedAndTheGameRunsSilent)
{
    const Capture out = RunListening(dir.Path(), SilentScript, "no-such-driver");
    EXPECT_EQ(out.exitCode, 0);
    EXPECT_NE(out.log.find("\n[Initializing BASS]\nFailed...\n\n"), std::string::npos) << out.log;
    EXPECT_NE(out.log.find("Loaded sample: blip.wav\n"), std::string::npos);
    EXPECT_NE(out.log.find("Failed to load sample: none.wav\n"), std::string::npos);
    EXPECT_NE(out.log.find("Failed to load track: none.mp3\n"), std::string::npos);
}

TEST_F(AudioSystemTest, HeadlessRunOpensNoDevice)
{
    const Capture out = RunListening(dir.Path(), [] {
        Automation().headless = true;
        return SilentScript();
    });
    EXPECT_EQ(out.exitCode, 0);
    EXPECT_NE(out.log.find("\n[Initializing BASS]\n"), std::string::npos) << out.log;
    EXPECT_EQ(out.log.find("Failed..."), std::string::npos) << out.log;
    EXPECT_TRUE(out.pcm.empty()); // the disk driver never started
}

TEST_F(AudioSystemTest, PauseHoldsBackWhatStartsMeanwhileAndStopAllResumesOutput)
{
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        SoundSample blip;
        if (!blip.Load("blip.wav", false))
            return 1;
        WaitOutput(100);
        Mark("pause");
        PauseAudio(true);
        blip.PlaySound();
        SleepMs(400);      // the output clock stands still meanwhile
        PauseAudio(false); // the effect started while paused sounds now, once
        WaitOutput(400);
        PauseAudio(true);
        StopAllAudio();    // stops everything and leaves the output running
        blip.PlaySound();
        WaitOutput(400);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    const auto runs = SoundingRuns(out.pcm);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_GE(runs[0].begin, out.marks.at("pause") + 20); // held back through the pause
    EXPECT_NEAR(runs[0].Seconds(), 0.2, 0.03);
    EXPECT_NEAR(runs[1].Seconds(), 0.2, 0.03);
}

} // namespace
