#include "world/furniture/video_entity.hpp"
#include "graphics/video_cache.hpp"

#include "world/play_context.hpp"
#include "core/log.hpp"
#include "core/screen_size.hpp"

namespace {

// Any "Video" value loads: one without a clip is a panel that shows nothing.
const PropertyDecl<VideoEntity> Declared[] = {
    {.name = "Video", .kind = PropertyKind::Integer, .intMember = &VideoEntity::videoIndex},
    {.name = "Flip Horizontal", .kind = PropertyKind::Flag, .flagMember = &VideoEntity::flipHorizontal},
    {.name = "Flip Vertical", .kind = PropertyKind::Flag, .flagMember = &VideoEntity::flipVertical},
};

} // namespace

VideoEntity::VideoEntity()
{
    keepOnRestart = 1;
    active = 0;
}

std::span<const PropertyDecl<VideoEntity>> VideoEntity::Properties() { return Declared; }

const char* VideoEntity::ClipOf(int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= Clips.size())
        return nullptr;
    return Clips[static_cast<size_t>(index)];
}

VideoTexture* VideoEntity::Video() const
{
    return clip ? CurrentPlay().videos.Find(clip) : nullptr;
}

bool VideoEntity::LoadResources()
{
    GameLog().Writef(">>Precaching AVI entity type:%i.\n", videoIndex);
    loadedIndex = videoIndex;
    clip = nullptr;
    if (const char* file = ClipOf(videoIndex)) {
        if (!CurrentPlay().videos.Get(file, true, ClipTextureSize, ClipTextureSize))
            return false;
        clip = file;
    }
    GameLog().Write(">>Precache AVI entity completed.\n");
    return true;
}

void VideoEntity::Spawn(float sx, float sy)
{
    // The editor may have changed the index since the template loaded.
    if (videoIndex != loadedIndex)
        LoadResources();
    x = prevX = sx;
    y = prevY = sy;
    health = 1.0f;
    active = 0;
    if (VideoTexture* video = Video())
        video->Seek(0);
}

Rect VideoEntity::Panel() const
{
    float width = static_cast<float>(ClipTextureSize);
    float height = width;
    if (const VideoTexture* video = Video()) {
        width = static_cast<float>(video->TextureWidth());
        height = static_cast<float>(video->TextureHeight());
    }
    return RectFromEdges(x, y, x + width, y + height);
}

void VideoEntity::UpdateActivation(float cx, float cy)
{
    // The panel spans most of the screen, so the usual window around its corner would drop
    // it while it still shows: it lives while any of it overlaps the view.
    const bool overlaps = RectsOverlap(Panel(), RectFromEdges(cx, cy, cx + ScreenWidth, cy + ScreenHeight));
    if (!active) {
        if (overlaps)
            active = 1;
    } else if (!overlaps) {
        active = 0;
        health = -1.0f;
    }
}

void VideoEntity::DescribeProperties(std::vector<EntityProperty>& list)
{
    DescribeDeclared(Properties(), *this, list);
}

bool VideoEntity::LoadProperties(DataFile& file) { return LoadDeclared(Properties(), *this, file); }

bool VideoEntity::SaveProperties(DataFile& file) { return SaveDeclared(Properties(), *this, file); }
