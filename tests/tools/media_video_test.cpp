// The generated videos: AVI files of 512 x 512 frames that FFmpeg's decoders read, with the
// frame counts and rates the screens rely on; the stage backdrops loop without a jump.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

const std::string RunDir = SKYREAVER_RUN_DIR;

struct VideoInfo {
    std::string error;
    int width = 0, height = 0, frames = 0;
    double fps = 0.0;
    AVCodecID codec = AV_CODEC_ID_NONE;
    std::vector<std::vector<uint8_t>> luma;   // kept frames, quarter resolution
    std::vector<double> meanLuma;
};

// Decodes every frame; keeps a small luma copy of the frames asked for (all when keepAll).
VideoInfo Inspect(const std::string& path, bool keepAll)
{
    VideoInfo info;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) {
        info.error = "does not open";
        return info;
    }
    AVCodecContext* codec = nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    const int stream = avformat_find_stream_info(format, nullptr) < 0
                           ? -1 : av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVCodec* decoder = stream >= 0 ? avcodec_find_decoder(format->streams[stream]->codecpar->codec_id) : nullptr;
    if (decoder && (codec = avcodec_alloc_context3(decoder)) &&
        avcodec_parameters_to_context(codec, format->streams[stream]->codecpar) >= 0 &&
        avcodec_open2(codec, decoder, nullptr) >= 0) {
        info.codec = decoder->id;
        info.width = codec->width;
        info.height = codec->height;
        info.fps = av_q2d(format->streams[stream]->avg_frame_rate);
        auto drain = [&] {
            while (avcodec_receive_frame(codec, frame) >= 0) {
                ++info.frames;
                std::vector<uint8_t> small;
                double sum = 0.0;
                for (int y = 0; y < frame->height; y += 4)
                    for (int x = 0; x < frame->width; x += 4) {
                        const uint8_t v = frame->data[0][size_t(y) * size_t(frame->linesize[0]) + size_t(x)];
                        small.push_back(v);
                        sum += v;
                    }
                info.meanLuma.push_back(small.empty() ? 0.0 : sum / double(small.size()));
                if (keepAll)
                    info.luma.push_back(std::move(small));
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
        info.error = "has no decodable video stream";
    }
    avcodec_free_context(&codec);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avformat_close_input(&format);
    return info;
}

double MeanDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b)
{
    double sum = 0.0;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        sum += std::abs(int(a[i]) - int(b[i]));
    return a.empty() ? 0.0 : sum / double(a.size());
}

void ExpectBasics(const VideoInfo& v, const std::string& name, int minFrames, double fps)
{
    ASSERT_TRUE(v.error.empty()) << name << " " << v.error;
    EXPECT_TRUE(v.codec == AV_CODEC_ID_MPEG4 || v.codec == AV_CODEC_ID_MJPEG) << name;
    EXPECT_EQ(v.width, 512) << name;
    EXPECT_EQ(v.height, 512) << name;
    EXPECT_GE(v.frames, minFrames) << name;
    EXPECT_NEAR(v.fps, fps, 0.01) << name;
    // Pictures, not black: most of the clip shows something.
    const size_t lit = size_t(std::count_if(v.meanLuma.begin(), v.meanLuma.end(), [](double m) { return m > 20.0; }));
    EXPECT_GT(lit, v.meanLuma.size() * 3 / 4) << name << " is mostly black";
}

TEST(MediaVideo, IntroRunsBehindTheWholeStoryAt25FramesASecond)
{
    const VideoInfo v = Inspect(RunDir + "/Videos/Intro.avi", false);
    ExpectBasics(v, "Intro", 1150, 25.0);
}

TEST(MediaVideo, ContinueOutlastsTheCountdownAndEndsInTheDark)
{
    const VideoInfo v = Inspect(RunDir + "/Videos/Continue.avi", false);
    ExpectBasics(v, "Continue", 510, 50.0);
    ASSERT_FALSE(v.meanLuma.empty());
    EXPECT_LT(v.meanLuma.back(), 20.0) << "the clip should fade out after the count";
    EXPECT_GT(v.meanLuma[250], 20.0) << "the clip is visible during the count";
}

TEST(MediaVideo, StageBackdropsLoopWithoutAJump)
{
    for (const std::string name : {"Mars4", "Ganymede"}) {
        const VideoInfo v = Inspect(RunDir + "/Videos/" + name + ".avi", true);
        ExpectBasics(v, name, 100, 50.0);
        ASSERT_GE(v.luma.size(), 3u);
        // The step from the last frame back to the first is no bigger than an ordinary step.
        std::vector<double> steps;
        for (size_t i = 1; i < v.luma.size(); ++i)
            steps.push_back(MeanDifference(v.luma[i - 1], v.luma[i]));
        std::sort(steps.begin(), steps.end());
        const double typical = steps[steps.size() * 9 / 10];
        EXPECT_LE(MeanDifference(v.luma.back(), v.luma.front()), typical * 1.5 + 0.5) << name;
        // And it does move.
        EXPECT_GT(MeanDifference(v.luma.front(), v.luma[v.luma.size() / 2]), 1.0) << name << " stands still";
    }
}

} // namespace
