#pragma once
// "AVI ENTITY" (type 0): a stage video panel. "Video" picks one of the stage clips (0 or 1;
// any other value shows nothing and is no error), looping in the engine's video cache,
// which advances it whether or not the panel shows. The panel is drawn with its top-left
// corner at its position, each 32 texels of the clip's texture over one 30-pixel tile, and
// may be mirrored either way. It wakes when it overlaps its layer's view and goes once it
// has left it; it cannot be hit and homing weapons ignore it.
#include "world/entity.hpp"

#include <array>
#include <span>

class VideoTexture;

class VideoEntity : public ClonableEntity<VideoEntity> {
public:
    static constexpr std::array<const char*, 2> Clips = {"Videos/Mars4.avi", "Videos/Ganymede.avi"};
    // The texture size every panel asks the cache for.
    static constexpr int ClipTextureSize = 512;

    VideoEntity();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override {}
    void UpdateActivation(float cameraX, float cameraY) override;
    void Destroyed() override { health = -1.0f; }
    void Draw(float interpolation, int pass) override;
    bool HitTest(std::vector<Circle>) override { return false; }
    bool GetTargetPoint(float&, float&) override { return false; }
    void DescribeProperties(std::vector<EntityProperty>& list) override;
    bool LoadProperties(DataFile& file) override;
    bool SaveProperties(DataFile& file) override;

    static std::span<const PropertyDecl<VideoEntity>> Properties();
    // The clip of a "Video" index; null for an index without one.
    static const char* ClipOf(int32_t index);
    // The attached clip, looked up in the cache by name: a clip the cache has let go of
    // (stage clean-up) is simply no longer attached.
    VideoTexture* Video() const;
    // The panel in its layer's coordinates: the attached clip's texture size, or the size
    // it would have.
    Rect Panel() const;

    int32_t videoIndex = 0; // "Video"
    // The index whose clip is attached, so an edit in the editor is noticed.
    int32_t loadedIndex = 0;
    uint8_t flipHorizontal = 0;
    uint8_t flipVertical = 0;
    // The attached clip's file (one of Clips), or null.
    const char* clip = nullptr;
};
