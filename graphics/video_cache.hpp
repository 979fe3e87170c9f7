#pragma once
// The engine's videos by file name. The cache owns them; a failed load caches nothing.
#include "graphics/video_texture.hpp"

#include <map>
#include <memory>
#include <string>

class VideoCache {
public:
    // The cached video, or a new one loaded and cached; null when the load fails.
    VideoTexture* Get(const std::string& file, bool loop, int width, int height);
    // Deletes one named video (texture and decoder) and forgets it.
    void Release(const std::string& file);
    void Clear();
    // One frame for every cached video, in name order.
    void AdvanceAll();

    VideoTexture* Find(const std::string& file) const;
    size_t Size() const { return videos_.size(); }

private:
    std::map<std::string, std::unique_ptr<VideoTexture>> videos_;
};

// Registers the container formats and codecs the videos need (quiets the library's own
// console chatter; current FFmpeg registers its formats by itself).
void RegisterVideoFormats();
