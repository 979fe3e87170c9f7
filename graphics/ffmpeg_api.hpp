#pragma once
// FFmpeg, opened with the first video and closed with the last one. Linking it would load
// the codec libraries and everything they pull in at every start: a tenth of a second
// before the first frame and tens of megabytes resident, for a decoder that only a few
// screens use. The table holds the few calls the video decoder makes.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

#define SKYREAVER_FFMPEG_CALLS(X)                                                                  \
    X(avutil, av_log_set_level)                                                                     \
    X(avutil, av_frame_alloc)                                                                       \
    X(avutil, av_frame_free)                                                                        \
    X(avutil, av_freep)                                                                             \
    X(avutil, av_malloc)                                                                            \
    X(avutil, av_image_get_buffer_size)                                                             \
    X(avutil, av_image_fill_arrays)                                                                 \
    X(swscale, sws_getCachedContext)                                                                \
    X(swscale, sws_scale)                                                                           \
    X(swscale, sws_freeContext)                                                                     \
    X(avcodec, av_packet_alloc)                                                                     \
    X(avcodec, av_packet_free)                                                                      \
    X(avcodec, av_packet_unref)                                                                     \
    X(avcodec, avcodec_find_decoder)                                                                \
    X(avcodec, avcodec_alloc_context3)                                                              \
    X(avcodec, avcodec_parameters_to_context)                                                       \
    X(avcodec, avcodec_open2)                                                                       \
    X(avcodec, avcodec_send_packet)                                                                 \
    X(avcodec, avcodec_receive_frame)                                                               \
    X(avcodec, avcodec_flush_buffers)                                                               \
    X(avcodec, avcodec_free_context)                                                                \
    X(avformat, avformat_open_input)                                                                \
    X(avformat, avformat_find_stream_info)                                                          \
    X(avformat, av_read_frame)                                                                      \
    X(avformat, av_seek_frame)                                                                      \
    X(avformat, avformat_close_input)

struct FfmpegApi {
#define SKYREAVER_FFMPEG_MEMBER(library, name) decltype(&::name) name = nullptr;
    SKYREAVER_FFMPEG_CALLS(SKYREAVER_FFMPEG_MEMBER)
#undef SKYREAVER_FFMPEG_MEMBER
};

// Opens the libraries on the first call and counts a user; null (logged once per attempt)
// when they cannot be loaded. Every successful call is matched by one ReleaseFfmpeg.
const FfmpegApi* AcquireFfmpeg();
// When the last user goes, the libraries are closed and their memory returns.
void ReleaseFfmpeg();
// Users now; for tests.
int FfmpegUsers();
