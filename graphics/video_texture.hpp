#pragma once
// A video shown as a texture: each Advance decodes one frame and uploads it into the top-left
// corner of a texture of the size the caller asked for. Without a window (headless) it
// decodes only.
#include "graphics/video_decoder.hpp"

#include <cstdint>
#include <memory>
#include <string>

// A run without a screen only counts a clip's pictures (VideoDecoder::countOnly); tests that
// look at the pictures themselves without a GL context set this.
inline bool DecodeVideoWithoutScreen = false;

class VideoTexture {
public:
    VideoTexture() = default;
    ~VideoTexture();
    VideoTexture(const VideoTexture&) = delete;
    VideoTexture& operator=(const VideoTexture&) = delete;

    bool LoadVideo(const std::string& file, bool loop, int width, int height);
    // Decodes the next frame and uploads it; at the end of a non-looping clip the texture
    // keeps its last picture.
    void Advance();
    // Seeks to a position in the stream's time units, accepting any frame.
    void Seek(int32_t position);

    uint32_t Texture() const { return texture_; }
    int TextureWidth() const { return textureWidth_; }
    int TextureHeight() const { return textureHeight_; }
    bool Loop() const { return loop_; }
    // The end of a non-looping clip has been reached.
    bool Finished() const { return decoder_ && decoder_->finished; }
    // The last converted picture, packed RGB of the video's own size (null before loading).
    const VideoDecoder* Decoder() const { return decoder_.get(); }
    const uint8_t* Pixels() const { return decoder_ ? decoder_->rgbBuffer : nullptr; }

private:
    void Upload();

    uint32_t texture_ = 0;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    std::unique_ptr<VideoDecoder> decoder_;
    bool loop_ = false;
};
