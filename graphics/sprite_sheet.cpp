#include "graphics/sprite_sheet.hpp"

#include <algorithm>

void SpriteSheet::Setup(uint32_t texture_, int columns_, int rows_, int textureWidth_, int textureHeight_)
{
    cells.clear();
    extents.clear();
    cellCount = 0;
    texture = texture_;
    textureWidth = textureWidth_;
    textureHeight = textureHeight_;
    columns = columns_;
    rows = rows_;
    if (columns <= 0 || rows <= 0) {
        cellU = cellV = cellPixelWidth = cellPixelHeight = 0.0f;
        return;
    }
    const int pixelWidth = textureWidth / columns;
    const int pixelHeight = textureHeight / rows;
    cellPixelWidth = static_cast<float>(pixelWidth);
    cellPixelHeight = static_cast<float>(pixelHeight);
    cellU = 1.0f / static_cast<float>(columns);
    cellV = 1.0f / static_cast<float>(rows);
    // A texture smaller than its grid has zero-sized cells: no cells at all.
    if (pixelWidth <= 0 || pixelHeight <= 0)
        return;
    const int rowCount = textureHeight / pixelHeight;
    const int columnCount = textureWidth / pixelWidth;
    cells.reserve(static_cast<size_t>(rowCount) * columnCount);
    for (int r = 0; r < rowCount; ++r)
        for (int c = 0; c < columnCount; ++c)
            cells.push_back({static_cast<float>(c) * cellU, static_cast<float>(r) * cellV});
    cellCount = static_cast<int>(cells.size());
}

CellCoord SpriteSheet::Cell(int index) const
{
    if (cells.empty())
        return {};
    return cells[static_cast<size_t>(std::clamp(index, 0, static_cast<int>(cells.size()) - 1))];
}

CellExtent SpriteSheet::Extent(int index) const
{
    if (extents.empty() || extents.size() != cells.size())
        return {};
    return extents[static_cast<size_t>(std::clamp(index, 0, static_cast<int>(extents.size()) - 1))];
}
