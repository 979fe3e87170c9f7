// The generated sound effects and music: every file the game names loads through
// SDL_mixer, and decodes to sound that is neither silent nor clipped.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

const std::string RunDir = SKYREAVER_RUN_DIR;

const std::vector<std::string> Effects = {
    "Sound/LargeExplosion.wav", "Sound/LargeExplosion2.wav", "Sound/MedExplosion.wav", "Sound/SmallExplosion.wav",
    "Sound/SFX_1.wav", "Sound/ForceCharge.wav", "Sound/Force.wav", "Sound/SFX_2.wav", "Sound/SFX_3.wav",
    "Sound/SFX_4.wav", "Sound/SFX_5.wav", "Sound/SFX_6.wav", "Sound/SFX_7.wav", "Sound/SFX_8.wav",
    "Sound/SFX_9.wav", "Sound/SFX_10.wav", "Sound/SFX_11.wav", "Sound/SFX_12.wav", "Sound/SFX_13.wav",
    "Sound/SFX_14.wav", "Sound/SFX_15.wav", "Sound/SFX_16.wav", "Sound/SFX_17.wav", "Sound/SFX_18.wav",
    "Sound/SFX_19.wav", "Sound/SFX_20.wav", "Sound/SFX_21.wav", "Sound/SFX_22.wav", "Sound/deflection.wav",
    "Sound/SFX_23.wav", "Sound/SFX_24.wav", "Sound/SFX_25.wav", "Sound/UI_Move.wav", "Sound/UI_Select.wav"};

struct TrackExpectation {
    std::string file;
    double minSeconds, maxSeconds;
};

const std::vector<TrackExpectation> Tracks = {
    {"Sound/Track1.mp3", 30, 600},       {"Sound/Stage1.mp3", 180, 600},
    {"Sound/Stage2.mp3", 180, 600},      {"Sound/Stage3.mp3", 180, 600},
    {"Sound/BossTrack.mp3", 30, 600},    {"Sound/Continue.mp3", 9.5, 10.6},
    {"Sound/HiScore.mp3", 20, 600},      {"Sound/Custom.mp3", 20, 600},
    {"Sound/Intro.mp3", 46, 120},        {"Sound/Congratulations.mp3", 65, 600},
    {"Sound/Congratulations.ogg", 65, 600}, {"Sound/Moorhaven.ogg", 7, 15}};

struct Decoded {
    int rate = 0;
    std::vector<float> mono;   // channels averaged
    std::string error;
};

float SampleAt(const AVFrame* f, int channel, int i)
{
    switch (f->format) {
    case AV_SAMPLE_FMT_FLTP: return reinterpret_cast<const float*>(f->extended_data[channel])[i];
    case AV_SAMPLE_FMT_FLT: return reinterpret_cast<const float*>(f->data[0])[i * f->ch_layout.nb_channels + channel];
    case AV_SAMPLE_FMT_S16P: return reinterpret_cast<const int16_t*>(f->extended_data[channel])[i] / 32768.0f;
    case AV_SAMPLE_FMT_S16: return reinterpret_cast<const int16_t*>(f->data[0])[i * f->ch_layout.nb_channels + channel] / 32768.0f;
    default: return NAN;
    }
}

// Decodes a whole file with FFmpeg's own decoders.
Decoded Decode(const std::string& path)
{
    Decoded out;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) {
        out.error = "does not open";
        return out;
    }
    AVCodecContext* codec = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    const int stream = avformat_find_stream_info(format, nullptr) < 0
                           ? -1 : av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    const AVCodec* decoder = stream >= 0 ? avcodec_find_decoder(format->streams[stream]->codecpar->codec_id) : nullptr;
    if (decoder && (codec = avcodec_alloc_context3(decoder)) &&
        avcodec_parameters_to_context(codec, format->streams[stream]->codecpar) >= 0 &&
        avcodec_open2(codec, decoder, nullptr) >= 0) {
        out.rate = codec->sample_rate;
        auto drain = [&] {
            while (avcodec_receive_frame(codec, frame) >= 0) {
                const int channels = frame->ch_layout.nb_channels;
                for (int i = 0; i < frame->nb_samples; ++i) {
                    float sum = 0.0f;
                    for (int c = 0; c < channels; ++c)
                        sum += SampleAt(frame, c, i);
                    out.mono.push_back(sum / float(channels));
                }
            }
        };
        while (av_read_frame(format, packet) >= 0) {
            if (packet->stream_index == stream && avcodec_send_packet(codec, packet) >= 0)
                drain();
            av_packet_unref(packet);
        }
        avcodec_send_packet(codec, nullptr);
        drain();
    } else {
        out.error = "has no decodable audio stream";
    }
    avcodec_free_context(&codec);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avformat_close_input(&format);
    return out;
}

double Rms(const std::vector<float>& s, size_t from, size_t to)
{
    double sum = 0.0;
    for (size_t i = from; i < to; ++i)
        sum += double(s[i]) * s[i];
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

float Peak(const std::vector<float>& s)
{
    float peak = 0.0f;
    for (float v : s)
        peak = std::max(peak, std::fabs(v));
    return peak;
}

// The largest step between neighbouring samples inside the sound.
float LargestStep(const std::vector<float>& s)
{
    float step = 0.0f;
    for (size_t i = 1; i < s.size(); ++i)
        step = std::max(step, std::fabs(s[i] - s[i - 1]));
    return step;
}

class MixerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    }
    static void TearDownTestSuite()
    {
        Mix_CloseAudio();
        SDL_Quit();
    }
};

TEST_F(MixerTest, EveryEffectAndTrackLoadsThroughTheMixer)
{
    for (const std::string& file : Effects) {
        Mix_Chunk* chunk = Mix_LoadWAV((RunDir + "/" + file).c_str());
        EXPECT_NE(chunk, nullptr) << file << ": " << Mix_GetError();
        if (chunk) {
            EXPECT_GT(chunk->alen, 1000u) << file;
            Mix_FreeChunk(chunk);
        }
    }
    for (const TrackExpectation& track : Tracks) {
        Mix_Music* music = Mix_LoadMUS((RunDir + "/" + track.file).c_str());
        EXPECT_NE(music, nullptr) << track.file << ": " << Mix_GetError();
        if (music)
            Mix_FreeMusic(music);
    }
}

TEST(MediaAudio, EffectsAreAudibleUnclippedAndShort)
{
    for (const std::string& file : Effects) {
        const Decoded d = Decode(RunDir + "/" + file);
        ASSERT_TRUE(d.error.empty()) << file << " " << d.error;
        ASSERT_GT(d.rate, 0) << file;
        const double seconds = double(d.mono.size()) / d.rate;
        EXPECT_GT(seconds, 0.04) << file;
        EXPECT_LT(seconds, 3.5) << file;
        EXPECT_LT(Peak(d.mono), 0.99f) << file << " clips";
        EXPECT_GT(Rms(d.mono, 0, d.mono.size()), 0.02) << file << " is nearly silent";
        // A one-shot effect dies away instead of stopping on a step.
        if (file != "Sound/SFX_22.wav") {
            EXPECT_LT(std::fabs(d.mono.back()), 0.02f) << file << " ends with a click";
        }
    }
}

TEST(MediaAudio, LoopingBeamEffectRunsFromItsEndIntoItsStart)
{
    const Decoded d = Decode(RunDir + "/Sound/SFX_22.wav");
    ASSERT_GT(d.mono.size(), 1000u);
    const float seam = std::fabs(d.mono.front() - d.mono.back());
    EXPECT_LE(seam, LargestStep(d.mono)) << "the loop point steps further than any sample inside the sound";
    // And the loop keeps sounding right to the seam.
    const size_t edge = size_t(d.rate / 20);
    EXPECT_GT(Rms(d.mono, 0, edge), 0.3 * Rms(d.mono, 0, d.mono.size()));
    EXPECT_GT(Rms(d.mono, d.mono.size() - edge, d.mono.size()), 0.3 * Rms(d.mono, 0, d.mono.size()));
}

TEST(MediaAudio, TracksHaveTheirLengthsAndNoSilentOrClippedStretch)
{
    for (const TrackExpectation& track : Tracks) {
        const Decoded d = Decode(RunDir + "/" + track.file);
        ASSERT_TRUE(d.error.empty()) << track.file << " " << d.error;
        ASSERT_GT(d.rate, 0);
        const double seconds = double(d.mono.size()) / d.rate;
        EXPECT_GE(seconds, track.minSeconds) << track.file;
        EXPECT_LE(seconds, track.maxSeconds) << track.file;
        EXPECT_LT(Peak(d.mono), 0.99f) << track.file << " clips";
        EXPECT_GT(Rms(d.mono, 0, d.mono.size()), 0.05) << track.file << " is too quiet";
        // No dead stretch: every 4 s window (the faded ending aside) carries sound.
        const size_t window = size_t(4 * d.rate);
        for (size_t from = 0; from + 2 * window <= d.mono.size(); from += window)
            EXPECT_GT(Rms(d.mono, from, from + window), 0.005) << track.file << " is silent after " << from / d.rate << " s";
    }
}

TEST(MediaAudio, GaplessLoopingTrackEndsWhereItStarts)
{
    // Vorbis keeps exact sample counts, so the seam of a looping score can be checked.
    const Decoded d = Decode(RunDir + "/Sound/Congratulations.ogg");
    ASSERT_GT(d.mono.size(), 100000u);
    const size_t edge = size_t(d.rate / 10);
    const double start = Rms(d.mono, 0, edge), end = Rms(d.mono, d.mono.size() - edge, d.mono.size());
    EXPECT_GT(start, 0.02) << "a loop must not start from silence";
    EXPECT_GT(end, 0.02) << "a loop must not end in silence";
    EXPECT_LE(std::fabs(d.mono.front() - d.mono.back()), LargestStep(d.mono));
}

} // namespace
