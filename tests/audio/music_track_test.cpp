#include "audio/audio_listening.hpp"
#include "audio/audio_system.hpp"
#include "audio/music_track.hpp"
#include "audio/sound_sample.hpp"
#include "support/game_run.hpp"

#include <gtest/gtest.h>

using namespace audio_testing;
using testing_support::ScratchDir;

namespace {

class MusicTrackTest : public ::testing::Test {
protected:
    ScratchDir dir{"audio-music"};

    std::string Track(const std::string& name, const std::vector<std::pair<double, double>>& tones,
                      double amplitude = 0.3)
    {
        WriteTones(dir / (name + ".wav"), tones, amplitude);
        for (const char* ext : {".ogg", ".mp3"})
            EXPECT_TRUE(Encode(dir / (name + ".wav"), dir / (name + ext))) << "ffmpeg could not encode " << name;
        return name;
    }
};

TEST_F(MusicTrackTest, MusicVolumeZeroSilencesTracksButNotEffects)
{
    Track("music", {{300, 3.0}}, 0.2);
    WriteTone(dir / "blip.wav", 0.3, 1000, 1000, 0.3);
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        MusicTrack music;
        SoundSample blip;
        if (!music.Load("music.ogg", true) || !blip.Load("blip.wav", false))
            return 1;
        SetVolumes(0, 100);
        music.Play();
        WaitOutput(400);
        blip.PlaySound(); // heard alone
        Mark("effect");
        WaitOutput(500);
        SetVolumes(100, 0);
        Mark("music");
        WaitOutput(400);
        blip.PlaySound(); // effects muted now: the music alone
        WaitOutput(400);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    const auto runs = SoundingRuns(out.pcm);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[0].begin, out.marks.at("effect"), 4); // the muted track made no sound
    EXPECT_NEAR(runs[0].Seconds(), 0.3, 0.04);
    EXPECT_NEAR(runs[1].begin, out.marks.at("music"), 4);
    EXPECT_NEAR(Frequency(out.pcm, runs[0].begin + 2, runs[0].end - 2), 1000, 30);
    // Music back at full volume, the effect on top of it silent.
    EXPECT_GE(runs[1].Seconds(), 0.7);
    EXPECT_NEAR(Frequency(out.pcm, runs[1].begin + 2, runs[1].end - 2), 300, 20);
    EXPECT_LT(Peak(out.pcm, runs[1].begin, runs[1].end), 32767 * 0.25);
}

TEST_F(MusicTrackTest, GlobalAndTrackVolumesScaleTheMusic)
{
    Track("music", {{300, 3.0}}, 0.4);
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        MusicTrack music;
        if (!music.Load("music.ogg", false))
            return 1;
        music.Play();
        Mark("full");
        WaitOutput(400);
        SetVolumes(50, 100);
        Mark("half");
        WaitOutput(400);
        music.SetVolume(50);
        Mark("quarter");
        WaitOutput(400);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    const auto runs = SoundingRuns(out.pcm);
    ASSERT_EQ(runs.size(), 1u);
    const auto& m = out.marks;
    const double full = Peak(out.pcm, m.at("full") + 10, m.at("half") - 5);
    EXPECT_NEAR(full, 32767 * 0.4, 32767 * 0.04);
    EXPECT_NEAR(Peak(out.pcm, m.at("half") + 5, m.at("quarter") - 5) / full, 0.5, 0.05);
    EXPECT_NEAR(Peak(out.pcm, m.at("quarter") + 5, m.at("quarter") + 35) / full, 0.25, 0.04);
}

TEST_F(MusicTrackTest, PauseAndResumeContinueWhereTheTrackWas)
{
    // A glide from 300 Hz upward by 200 Hz a second tells where in the track we are.
    WriteTone(dir / "glide.wav", 5.0, 300, 1300, 0.3);
    ASSERT_TRUE(Encode(dir / "glide.wav", dir / "glide.ogg"));
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        MusicTrack music;
        if (!music.Load("glide.ogg", false))
            return 1;
        music.Play();
        Mark("play");
        WaitOutput(1000);
        Mark("pause");
        PauseAudio(true);
        SleepMs(1000); // the output clock stands still meanwhile
        PauseAudio(false);
        WaitOutput(500);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    const auto runs = SoundingRuns(out.pcm);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[0].begin, out.marks.at("play"), 4);
    EXPECT_NEAR(runs[0].end, out.marks.at("pause"), 4);
    EXPECT_GE((runs[1].begin - runs[0].end) / 100.0, 0.5); // silent while paused
    const double before = Frequency(out.pcm, runs[0].end - 6, runs[0].end - 1);
    const double after = Frequency(out.pcm, runs[1].begin + 1, runs[1].begin + 6);
    EXPECT_NEAR(before, 300 + 200 * runs[0].Seconds(), 40);
    // A restart would fall back to 300 Hz, a clock that ran on would jump by 200 Hz.
    EXPECT_NEAR(after, before, 40);
}

TEST_F(MusicTrackTest, SetPositionSecondsStartsTwentySecondsInAndPlayRestarts)
{
    Track("long", {{300, 20.0}, {900, 3.0}});
    for (const char* file : {"long.ogg", "long.mp3"}) {
        SCOPED_TRACE(file);
        const Capture out = RunListening(dir.Path(), [file] {
            InitAudio();
            MusicTrack music;
            if (!music.Load(file, false))
                return 1;
            music.Play();
            music.SetPositionSeconds(20);
            WaitOutput(400);
            music.Stop();
            WaitOutput(300);
            music.Play();
            Mark("start");
            WaitOutput(400);
            music.SetPositionSeconds(20);
            Mark("forward");
            WaitOutput(400);
            music.SetPositionSeconds(10); // backwards as well
            Mark("back");
            WaitOutput(400);
            return 0;
        });
        ASSERT_EQ(out.exitCode, 0);
        EXPECT_NE(out.log.find(std::string("Loaded track: ") + file + "\n"), std::string::npos) << out.log;
        const auto runs = SoundingRuns(out.pcm);
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_NEAR(Frequency(out.pcm, runs[0].begin + 8, runs[0].end - 2), 900, 30);
        // Play starts from the beginning; later seeks land where they are told.
        const auto& m = out.marks;
        // The MP3 decoder takes up to about 0.1 s to sound after a start or a seek.
        EXPECT_NEAR(Frequency(out.pcm, m.at("start") + 12, m.at("forward")), 300, 20);
        EXPECT_NEAR(Frequency(out.pcm, m.at("forward") + 12, m.at("back")), 900, 30);
        EXPECT_NEAR(Frequency(out.pcm, m.at("back") + 12, m.at("back") + 38), 300, 20);
    }
}

TEST_F(MusicTrackTest, LoopingTrackRepeatsAndTheOtherEnds)
{
    Track("short", {{400, 0.4}});
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        MusicTrack once, looping;
        if (!once.Load("short.mp3", false) || !looping.Load("short.ogg", true))
            return 1;
        once.Play();
        WaitOutput(800);
        looping.Play();
        Mark("loop");
        WaitOutput(1200);
        looping.Free();
        Mark("free");
        if (looping.handle != 0)
            return 2;
        WaitOutput(300);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    const auto runs = SoundingRuns(out.pcm);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[0].Seconds(), 0.4, 0.1);
    EXPECT_NEAR(runs[1].begin, out.marks.at("loop"), 5);
    EXPECT_NEAR(runs[1].end, out.marks.at("free"), 5); // three times round, cut by Free
}

TEST_F(MusicTrackTest, MissingTrackFailsWithItsLogLineAndHandleZeroIsInert)
{
    const Capture out = RunListening(dir.Path(), [] {
        InitAudio();
        MusicTrack track;
        if (track.Load("Sound/NoSuch.mp3", true) || track.handle != 0)
            return 1;
        track.Play();
        track.SetPositionSeconds(20);
        track.SetVolume(40);
        track.Stop();
        track.Free();
        WaitOutput(100);
        return 0;
    });
    ASSERT_EQ(out.exitCode, 0);
    EXPECT_NE(out.log.find("Failed to load track: Sound/NoSuch.mp3\n"), std::string::npos) << out.log;
    EXPECT_TRUE(SoundingRuns(out.pcm).empty());
}

} // namespace
