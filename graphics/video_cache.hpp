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

// The start-up step that readies video decoding. Current FFmpeg registers its formats by
// itself, and the libraries are only opened with the first video.
void RegisterVideoFormats();
