#pragma once
// Writes RGB frames as an MPEG-4 part 2 video in an AVI file through FFmpeg's libraries,
// bit-exact (same frames, same bytes), every frame decodable by FFmpeg's own decoder.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class VideoEncoder {
public:
    VideoEncoder();
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    bool Open(const std::string& path, int width, int height, int fps);
    // Packed RGB, width x height, top row first.
    bool Write(const std::vector<uint8_t>& rgb);
    bool Close();

private:
    struct State;
    std::unique_ptr<State> state_;
};
