#pragma once
// The far layer as one picture. On a software renderer a screen of small tile quads costs
// about twice the fill of one quad the size of the screen (every quad's edges are
// rasterised and shaded block by block), and the far layer is a whole screen of them every
// frame while its tiles change only as the view crosses a tile or a tile is edited. So its
// visible tiles are drawn into a texture of their own when they change, and each frame draws
// that texture, unfiltered, at the layer's camera: pixel for pixel the picture the tiles make.
#include "world/stage_map.hpp"

#include <cstdint>
#include <vector>

class ShaderSet;

class FarLayerCache {
public:
    FarLayerCache() = default;
    ~FarLayerCache();
    FarLayerCache(const FarLayerCache&) = delete;
    FarLayerCache& operator=(const FarLayerCache&) = delete;

    // Whether this context draws the far layer through the cache: a software renderer with
    // render targets and shaders, not the plain drawing. Asked once.
    static bool Wanted();
    // Wanted, and the cache could be made.
    bool Usable() const { return Wanted() && !failed_; }
    // True when the picture must be drawn again for these tiles of the plane (row-major,
    // mapWidth columns) from this sheet; remembers them as the ones drawn.
    bool Stale(uint32_t sheet, const TileWindow& window, const std::vector<int16_t>& plane, int mapWidth);
    // The next Stale is true whatever it is given.
    void Forget() { codes_.clear(); }
    // Binds the cache as the drawing target, cleared to the scene's opaque black, under a view
    // in layer pixels with the window's first tile at its corner. False if it cannot be made,
    // and then it is not used again.
    bool BeginRedraw();
    // Restores the frame buffer, viewport and matrices BeginRedraw found.
    void EndRedraw();
    // The cached tiles, unfiltered and unblended, over the window's extent in layer pixels
    // (under the caller's layer view).
    void Draw(ShaderSet& shaders) const;

private:
    uint32_t texture_ = 0;
    uint32_t frameBuffer_ = 0;
    bool failed_ = false;
    uint32_t sheet_ = 0;
    TileWindow window_;
    std::vector<int16_t> codes_;
    int savedFrameBuffer_ = 0;
    int savedViewport_[4] = {0, 0, 0, 0};
};
