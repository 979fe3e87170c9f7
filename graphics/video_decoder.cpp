#include "graphics/video_decoder.hpp"

#include "core/log.hpp"

#include "graphics/ffmpeg_api.hpp"

#include <cstdio>

namespace {

// Larger pictures than this are refused rather than allocated: no clip of the game comes near.
constexpr int MaxVideoSide = 4096;

std::unique_ptr<VideoDecoder> Fail(const char* line)
{
    GameLog().Write(line);
    return nullptr;
}

void ReportDecodeError()
{
    std::fputs("Error while decoding frame\n", stderr);
}

void DropPending(VideoDecoder& decoder)
{
    if (decoder.pending)
        decoder.api->av_packet_unref(decoder.pending);
    decoder.pendingFull = false;
}

} // namespace

VideoDecoder::~VideoDecoder()
{
    CloseVideo(*this);
}

int VideoDecoder::Width() const
{
    return codec ? codec->width : 0;
}

int VideoDecoder::Height() const
{
    return codec ? codec->height : 0;
}

std::unique_ptr<VideoDecoder> OpenVideo(const std::string& file)
{
    auto decoder = std::make_unique<VideoDecoder>();
    decoder->api = AcquireFfmpeg();
    if (!decoder->api)
        return Fail("Failed to open video file!\n");
    const FfmpegApi& api = *decoder->api;
    if (api.avformat_open_input(&decoder->format, file.c_str(), nullptr, nullptr) != 0)
        return Fail("Failed to open video file!\n");
    if (api.avformat_find_stream_info(decoder->format, nullptr) < 0)
        return Fail("Failed to open video stream!\n");

    for (unsigned i = 0; i < decoder->format->nb_streams; ++i) {
        if (decoder->format->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
            decoder->streamIndex = static_cast<int>(i);
            break;
        }
    }
    if (decoder->streamIndex < 0)
        return Fail("Invalid stream!\n");

    const AVCodecParameters* parameters = decoder->format->streams[decoder->streamIndex]->codecpar;
    const AVCodec* codec = api.avcodec_find_decoder(parameters->codec_id);
    if (!codec)
        return Fail("No codec available!\n");
    decoder->codec = api.avcodec_alloc_context3(codec);
    if (!decoder->codec || api.avcodec_parameters_to_context(decoder->codec, parameters) < 0 ||
        api.avcodec_open2(decoder->codec, codec, nullptr) < 0)
        return Fail("Failed to open codec!\n");

    decoder->frame = api.av_frame_alloc();
    decoder->rgbFrame = api.av_frame_alloc();
    decoder->pending = api.av_packet_alloc();
    if (!decoder->frame || !decoder->rgbFrame || !decoder->pending)
        return Fail("Failed to allocate frame!\n");

    const int width = decoder->codec->width;
    const int height = decoder->codec->height;
    if (width <= 0 || height <= 0 || width > MaxVideoSide || height > MaxVideoSide)
        return Fail("Failed to allocate frame!\n");
    // Rows packed without padding, so the buffer uploads as it stands.
    const int size = api.av_image_get_buffer_size(AV_PIX_FMT_RGB24, width, height, 1);
    decoder->rgbBuffer = size > 0 ? static_cast<uint8_t*>(api.av_malloc(size)) : nullptr;
    if (!decoder->rgbBuffer ||
        api.av_image_fill_arrays(decoder->rgbFrame->data, decoder->rgbFrame->linesize, decoder->rgbBuffer,
                             AV_PIX_FMT_RGB24, width, height, 1) < 0)
        return Fail("Failed to allocate frame!\n");
    decoder->rgbFrame->width = width;
    decoder->rgbFrame->height = height;
    decoder->rgbFrame->format = AV_PIX_FMT_RGB24;
    return decoder;
}

bool SeekVideo(VideoDecoder& decoder, int64_t position)
{
    if (!decoder.format || !decoder.codec)
        return false;
    const bool sought = decoder.api->av_seek_frame(decoder.format, decoder.streamIndex, position,
                                      AVSEEK_FLAG_ANY | AVSEEK_FLAG_BACKWARD) >= 0;
    decoder.api->avcodec_flush_buffers(decoder.codec);
    DropPending(decoder);
    decoder.draining = false;
    decoder.finished = false;
    return sought;
}

namespace {

// At the end of the clip: true when the call goes on from the clip's start. A looping clip
// restarts at most once per call, so a file with no picture cannot keep the call spinning;
// the first picture then follows the last in the same call, and the loop shows no gap.
bool Restart(VideoDecoder& decoder, bool loop, bool& restarted)
{
    if (!loop)
        decoder.finished = true;
    if (!loop || restarted)
        return false;
    SeekVideo(decoder, 0);
    restarted = true;
    return true;
}

bool SkipToNextPicture(VideoDecoder& decoder, bool loop)
{
    bool restarted = false;
    for (;;) {
        if (decoder.api->av_read_frame(decoder.format, decoder.pending) < 0) {
            if (Restart(decoder, loop, restarted))
                continue;
            return false;
        }
        const bool picture = decoder.pending->stream_index == decoder.streamIndex;
        decoder.api->av_packet_unref(decoder.pending);
        if (picture)
            return true;
    }
}

} // namespace

bool NextFrame(VideoDecoder& decoder, bool loop)
{
    if (!decoder.codec || decoder.finished)
        return false;
    if (decoder.countOnly)
        return SkipToNextPicture(decoder, loop);
    bool restarted = false;
    for (;;) {
        const int received = decoder.api->avcodec_receive_frame(decoder.codec, decoder.frame);
        if (received == 0)
            return true;
        // A drained decoder that still asks for input has nothing more to give either.
        if (received == AVERROR_EOF || (received == AVERROR(EAGAIN) && decoder.draining)) {
            if (Restart(decoder, loop, restarted))
                continue;
            return false;
        }
        if (received != AVERROR(EAGAIN)) {
            ReportDecodeError();
            return false;
        }

        if (!decoder.pendingFull) {
            if (decoder.api->av_read_frame(decoder.format, decoder.pending) < 0) {
                // End of the file (or an unreadable tail): decode what the decoder still holds.
                decoder.api->avcodec_send_packet(decoder.codec, nullptr);
                decoder.draining = true;
                continue;
            }
            if (decoder.pending->stream_index != decoder.streamIndex) {
                decoder.api->av_packet_unref(decoder.pending);
                continue;
            }
            decoder.pendingFull = true;
        }
        const int sent = decoder.api->avcodec_send_packet(decoder.codec, decoder.pending);
        if (sent == AVERROR(EAGAIN))
            continue; // the decoder is full: it gives a picture first, the packet waits
        DropPending(decoder);
        if (sent < 0) {
            ReportDecodeError();
            return false;
        }
    }
}

bool ConvertToRgb(VideoDecoder& decoder)
{
    AVFrame* frame = decoder.frame;
    if (!frame || !decoder.rgbBuffer || frame->width <= 0 || frame->height <= 0 || !frame->data[0])
        return false;
    decoder.scaler = decoder.api->sws_getCachedContext(decoder.scaler, frame->width, frame->height,
                                          static_cast<AVPixelFormat>(frame->format), decoder.Width(),
                                          decoder.Height(), AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr,
                                          nullptr, nullptr);
    if (!decoder.scaler)
        return false;
    decoder.api->sws_scale(decoder.scaler, frame->data, frame->linesize, 0, frame->height, decoder.rgbFrame->data,
              decoder.rgbFrame->linesize);
    return true;
}

void CloseVideo(VideoDecoder& decoder)
{
    if (!decoder.api)
        return;
    decoder.api->av_freep(&decoder.rgbBuffer);
    decoder.api->av_frame_free(&decoder.rgbFrame);
    decoder.api->av_frame_free(&decoder.frame);
    decoder.api->av_packet_free(&decoder.pending);
    decoder.pendingFull = false;
    decoder.api->avcodec_free_context(&decoder.codec);
    if (decoder.format)
        decoder.api->avformat_close_input(&decoder.format);
    decoder.api->sws_freeContext(decoder.scaler);
    decoder.scaler = nullptr;
    decoder.streamIndex = -1;
    decoder.api = nullptr;
    ReleaseFfmpeg();
}
