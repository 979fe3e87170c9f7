#include "tools/media/video_encoder.hpp"

#include <cstdio>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

struct VideoEncoder::State {
    std::string path;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    int64_t next = 0;
    bool opened = false;

    ~State()
    {
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format) {
            if (opened)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }

    bool Fail(const char* what) const
    {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), what);
        return false;
    }

    bool Drain()
    {
        for (;;) {
            const int r = avcodec_receive_packet(codec, packet);
            if (r == AVERROR(EAGAIN) || r == AVERROR_EOF)
                return true;
            if (r < 0)
                return false;
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if (av_interleaved_write_frame(format, packet) < 0)
                return false;
        }
    }
};

namespace {

// BT.601 studio range in integer arithmetic; chroma from the average of each 2 x 2 block.
void RgbToYuv420(const uint8_t* rgb, int width, int height, AVFrame* frame)
{
    for (int y = 0; y < height; ++y) {
        const uint8_t* in = rgb + size_t(y) * size_t(width) * 3;
        uint8_t* luma = frame->data[0] + size_t(y) * size_t(frame->linesize[0]);
        for (int x = 0; x < width; ++x, in += 3)
            luma[x] = uint8_t((66 * in[0] + 129 * in[1] + 25 * in[2] + 128 + (16 << 8)) >> 8);
    }
    for (int y = 0; y < height / 2; ++y) {
        uint8_t* u = frame->data[1] + size_t(y) * size_t(frame->linesize[1]);
        uint8_t* v = frame->data[2] + size_t(y) * size_t(frame->linesize[2]);
        for (int x = 0; x < width / 2; ++x) {
            int r = 0, g = 0, b = 0;
            for (int k = 0; k < 4; ++k) {
                const uint8_t* px = rgb + (size_t(2 * y + k / 2) * size_t(width) + size_t(2 * x + k % 2)) * 3;
                r += px[0];
                g += px[1];
                b += px[2];
            }
            u[x] = uint8_t((-38 * r - 74 * g + 112 * b + 512 + (128 << 10)) >> 10);
            v[x] = uint8_t((112 * r - 94 * g - 18 * b + 512 + (128 << 10)) >> 10);
        }
    }
}

} // namespace

VideoEncoder::VideoEncoder() = default;
VideoEncoder::~VideoEncoder() = default;

bool VideoEncoder::Open(const std::string& path, int width, int height, int fps)
{
    state_ = std::make_unique<State>();
    State& s = *state_;
    s.path = path;
    if (avformat_alloc_output_context2(&s.format, nullptr, "avi", path.c_str()) < 0)
        return s.Fail("no AVI muxer");
    s.format->flags |= AVFMT_FLAG_BITEXACT;
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    if (!codec)
        return s.Fail("no MPEG-4 encoder");
    s.stream = avformat_new_stream(s.format, nullptr);
    s.codec = avcodec_alloc_context3(codec);
    if (!s.stream || !s.codec)
        return s.Fail("out of memory");
    s.codec->width = width;
    s.codec->height = height;
    s.codec->pix_fmt = AV_PIX_FMT_YUV420P;
    s.codec->time_base = AVRational{1, fps};
    s.codec->framerate = AVRational{fps, 1};
    s.codec->gop_size = fps;          // a key frame every second keeps seeking cheap
    s.codec->max_b_frames = 0;        // frames come out in the order they go in
    s.codec->flags |= AV_CODEC_FLAG_QSCALE | AV_CODEC_FLAG_BITEXACT;
    s.codec->global_quality = 3 * FF_QP2LAMBDA;
    s.codec->thread_count = 1;
    if (s.format->oformat->flags & AVFMT_GLOBALHEADER)
        s.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(s.codec, codec, nullptr) < 0)
        return s.Fail("encoder does not open");
    if (avcodec_parameters_from_context(s.stream->codecpar, s.codec) < 0)
        return s.Fail("bad parameters");
    s.stream->time_base = s.codec->time_base;
    s.stream->avg_frame_rate = s.codec->framerate;
    if (avio_open(&s.format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0)
        return s.Fail("cannot be written");
    s.opened = true;
    if (avformat_write_header(s.format, nullptr) < 0)
        return s.Fail("header not written");
    s.frame = av_frame_alloc();
    s.packet = av_packet_alloc();
    if (!s.frame || !s.packet)
        return s.Fail("out of memory");
    s.frame->format = AV_PIX_FMT_YUV420P;
    s.frame->width = width;
    s.frame->height = height;
    if (av_frame_get_buffer(s.frame, 0) < 0)
        return s.Fail("out of memory");
    return true;
}

bool VideoEncoder::Write(const std::vector<uint8_t>& rgb)
{
    State& s = *state_;
    if (rgb.size() != size_t(s.codec->width) * size_t(s.codec->height) * 3)
        return s.Fail("frame of the wrong size");
    if (av_frame_make_writable(s.frame) < 0)
        return s.Fail("out of memory");
    RgbToYuv420(rgb.data(), s.codec->width, s.codec->height, s.frame);
    s.frame->pts = s.next++;
    if (avcodec_send_frame(s.codec, s.frame) < 0 || !s.Drain())
        return s.Fail("encoding failed");
    return true;
}

bool VideoEncoder::Close()
{
    State& s = *state_;
    if (avcodec_send_frame(s.codec, nullptr) < 0 || !s.Drain())
        return s.Fail("encoding failed");
    if (av_write_trailer(s.format) < 0)
        return s.Fail("trailer not written");
    state_.reset();
    return true;
}
