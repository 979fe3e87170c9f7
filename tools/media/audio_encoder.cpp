#include "tools/media/audio_encoder.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace {

struct Session {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    bool opened = false;

    ~Session()
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
};

bool Fail(const std::string& path, const char* what)
{
    std::fprintf(stderr, "%s: %s\n", path.c_str(), what);
    return false;
}

bool Drain(Session& s, AVStream* stream)
{
    for (;;) {
        const int r = avcodec_receive_packet(s.codec, s.packet);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF)
            return true;
        if (r < 0)
            return false;
        av_packet_rescale_ts(s.packet, s.codec->time_base, stream->time_base);
        s.packet->stream_index = stream->index;
        if (av_interleaved_write_frame(s.format, s.packet) < 0)
            return false;
    }
}

bool Encode(const std::string& path, const StereoPcm& pcm, bool vorbis)
{
    Session s;
    if (avformat_alloc_output_context2(&s.format, nullptr, vorbis ? "ogg" : "mp3", path.c_str()) < 0)
        return Fail(path, "no muxer");
    s.format->flags |= AVFMT_FLAG_BITEXACT;
    const AVCodec* codec = avcodec_find_encoder_by_name(vorbis ? "libvorbis" : "libmp3lame");
    if (!codec)
        return Fail(path, "no encoder");
    AVStream* stream = avformat_new_stream(s.format, nullptr);
    s.codec = avcodec_alloc_context3(codec);
    if (!stream || !s.codec)
        return Fail(path, "out of memory");
    s.codec->sample_rate = pcm.sampleRate;
    s.codec->sample_fmt = AV_SAMPLE_FMT_FLTP;
    av_channel_layout_default(&s.codec->ch_layout, 2);
    s.codec->bit_rate = vorbis ? 0 : 128000;
    // LAME's faster psycho-acoustic search: the synthesised music loses nothing audible.
    s.codec->compression_level = 7;
    if (vorbis) {
        s.codec->flags |= AV_CODEC_FLAG_QSCALE;
        s.codec->global_quality = 5 * FF_QP2LAMBDA;
    }
    s.codec->time_base = AVRational{1, pcm.sampleRate};
    s.codec->flags |= AV_CODEC_FLAG_BITEXACT;
    s.codec->thread_count = 1;
    if (s.format->oformat->flags & AVFMT_GLOBALHEADER)
        s.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(s.codec, codec, nullptr) < 0)
        return Fail(path, "encoder does not open");
    if (avcodec_parameters_from_context(stream->codecpar, s.codec) < 0)
        return Fail(path, "bad parameters");
    stream->time_base = s.codec->time_base;
    if (avio_open(&s.format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0)
        return Fail(path, "cannot be written");
    s.opened = true;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "fflags", "+bitexact", 0);
    const int header = avformat_write_header(s.format, &options);
    av_dict_free(&options);
    if (header < 0)
        return Fail(path, "header not written");

    const int frameSize = s.codec->frame_size > 0 ? s.codec->frame_size : 1024;
    s.frame = av_frame_alloc();
    s.packet = av_packet_alloc();
    if (!s.frame || !s.packet)
        return Fail(path, "out of memory");
    const size_t total = std::min(pcm.left.size(), pcm.right.size());
    for (size_t start = 0; start < total; start += size_t(frameSize)) {
        const int count = int(std::min<size_t>(size_t(frameSize), total - start));
        av_frame_unref(s.frame);
        s.frame->nb_samples = count;
        s.frame->format = AV_SAMPLE_FMT_FLTP;
        s.frame->sample_rate = pcm.sampleRate;
        av_channel_layout_default(&s.frame->ch_layout, 2);
        if (av_frame_get_buffer(s.frame, 0) < 0)
            return Fail(path, "out of memory");
        std::copy_n(pcm.left.data() + start, count, reinterpret_cast<float*>(s.frame->data[0]));
        std::copy_n(pcm.right.data() + start, count, reinterpret_cast<float*>(s.frame->data[1]));
        s.frame->pts = int64_t(start);
        if (avcodec_send_frame(s.codec, s.frame) < 0 || !Drain(s, stream))
            return Fail(path, "encoding failed");
    }
    if (avcodec_send_frame(s.codec, nullptr) < 0 || !Drain(s, stream))
        return Fail(path, "encoding failed");
    if (av_write_trailer(s.format) < 0)
        return Fail(path, "trailer not written");
    return true;
}

} // namespace

bool EncodeAudio(const std::string& path, const StereoPcm& pcm)
{
    const std::string temporary = path + ".part";
    const bool vorbis = std::filesystem::path(path).extension() == ".ogg";
    if (!Encode(temporary, pcm, vorbis)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error || Fail(path, "cannot be renamed into place");
}
