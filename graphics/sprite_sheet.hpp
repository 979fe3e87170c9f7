#pragma once
// A texture cut into equal cells, numbered row by row from the top-left. The sheet does not
// own its texture: the loader or the texture cache does.
#include <cstdint>
#include <vector>

struct CellCoord {
    float u = 0.0f;
    float v = 0.0f;
};

// The part of a cell whose drawing can change the picture, in fractions of the cell (0..1,
// left to right and top to bottom); empty when nothing in the cell shows.
struct CellExtent {
    float left = 0.0f;
    float top = 0.0f;
    float right = 1.0f;
    float bottom = 1.0f;
    bool Empty() const { return right <= left || bottom <= top; }
};

class SpriteSheet {
public:
    // Rebuilds the sheet; the sizes are the caller's, not the image's.
    void Setup(uint32_t texture, int columns, int rows, int textureWidth, int textureHeight);
    // Top-left texture coordinate of a cell. A corrupt index (negative, or at or past the
    // count) is clamped into the sheet; an empty sheet gives (0, 0).
    CellCoord Cell(int index) const;
    // The cell's extent when it was measured (graphics/cell_extents), the whole cell otherwise.
    CellExtent Extent(int index) const;

    float cellU = 0.0f; // cell width in texture coordinates
    float cellV = 0.0f; // cell height in texture coordinates
    float cellPixelWidth = 0.0f;
    float cellPixelHeight = 0.0f;
    int textureWidth = 0;
    int textureHeight = 0;
    uint32_t texture = 0;
    int cellCount = 0;
    int columns = 0;
    int rows = 0;
    std::vector<CellCoord> cells;
    std::vector<CellExtent> extents; // one per cell, or none
};
