#include "graphics/video_cache.hpp"


VideoTexture* VideoCache::Get(const std::string& file, bool loop, int width, int height)
{
    if (VideoTexture* cached = Find(file))
        return cached;
    auto video = std::make_unique<VideoTexture>();
    if (!video->LoadVideo(file, loop, width, height))
        return nullptr;
    VideoTexture* raw = video.get();
    videos_.emplace(file, std::move(video));
    return raw;
}

void VideoCache::Release(const std::string& file)
{
    videos_.erase(file);
}

void VideoCache::Clear()
{
    videos_.clear();
}

void VideoCache::AdvanceAll()
{
    for (auto& [name, video] : videos_)
        video->Advance();
}

VideoTexture* VideoCache::Find(const std::string& file) const
{
    const auto found = videos_.find(file);
    return found == videos_.end() ? nullptr : found->second.get();
}

void RegisterVideoFormats()
{
    // Nothing to do before the first video: the decoder libraries are opened with it, and
    // quietened then (graphics/ffmpeg_api).
}
