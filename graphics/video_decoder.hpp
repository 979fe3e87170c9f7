#pragma once
// One open video file: the container, the decoder of its first video stream, and the last
// decoded picture converted to packed 24-bit RGB.
#include <cstdint>
#include <memory>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;
struct FfmpegApi;

struct VideoDecoder {
    // The decoder libraries, held open while this video is.
    const FfmpegApi* api = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    int streamIndex = -1;
    AVFrame* frame = nullptr;
    AVFrame* rgbFrame = nullptr;
    uint8_t* rgbBuffer = nullptr;
    // Set when the end of the file was reached without looping.
    bool finished = false;
    // The packet read but not yet handed to the decoder (kept when the decoder is full).
    AVPacket* pending = nullptr;
    bool pendingFull = false;
    // The end of the file was reached and the decoder has been told to drain.
    bool draining = false;
    SwsContext* scaler = nullptr;
    // Without a screen a picture is only counted, never decoded: one packet of the video
    // stream is one picture of our clips (the encoder holds no frame back), so a clip still
    // ends on the same call.
    bool countOnly = false;

    VideoDecoder() = default;
    ~VideoDecoder();
    VideoDecoder(const VideoDecoder&) = delete;
    VideoDecoder& operator=(const VideoDecoder&) = delete;

    int Width() const;
    int Height() const;
};

// Opens the file and its first video stream; logs the step that failed and returns null.
std::unique_ptr<VideoDecoder> OpenVideo(const std::string& file);
// Decodes until one complete picture is available (with `countOnly`, reads the next one's
// packet). At the end of the file a looping decoder starts again from the beginning (any
// frame accepted); otherwise it sets `finished`.
bool NextFrame(VideoDecoder& decoder, bool loop);
// Converts the last decoded picture into the RGB frame; false when there is none yet.
bool ConvertToRgb(VideoDecoder& decoder);
// Seeks the video stream to a position in the stream's time units, accepting any frame.
bool SeekVideo(VideoDecoder& decoder, int64_t position);
// Frees the RGB buffer, both frames, the codec and the file. Safe to call twice.
void CloseVideo(VideoDecoder& decoder);
