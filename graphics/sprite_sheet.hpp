#pragma once
// A texture cut into equal cells, numbered row by row from the top-left. The sheet does not
// own its texture: the loader or the texture cache does.
#include <cstdint>
#include <vector>

struct CellCoord {
    float u = 0.0f;
    float v = 0.0f;
};

class SpriteSheet {
public:
    // Rebuilds the sheet; the sizes are the caller's, not the image's.
    void Setup(uint32_t texture, int columns, int rows, int textureWidth, int textureHeight);
    // Top-left texture coordinate of a cell. A corrupt index (negative, or at or past the
    // count) is clamped into the sheet; an empty sheet gives (0, 0).
    CellCoord Cell(int index) const;

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
};
