#include "graphics/cell_extents.hpp"

#include "graphics/plain_drawing.hpp"
#include "graphics/sprite_sheet.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cstdint>
#include <vector>

void MeasureCellExtents(SpriteSheet& sheet)
{
    sheet.extents.clear();
    if (PlainDrawing() || sheet.cells.empty() || sheet.texture == 0)
        return;
    glBindTexture(GL_TEXTURE_2D, sheet.texture);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    if (width <= 0 || height <= 0)
        return;
    std::vector<uint8_t> texels(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    const auto shows = [&](int x, int y) {
        // The sheets repeat: a filter at a cell's outer edge reaches across the texture.
        x = (x % width + width) % width;
        y = (y % height + height) % height;
        return texels[(static_cast<size_t>(y) * width + x) * 4 + 3] > 0;
    };

    for (const CellCoord& cell : sheet.cells) {
        const int x0 = static_cast<int>(cell.u * width + 0.5f), x1 = static_cast<int>((cell.u + sheet.cellU) * width + 0.5f);
        const int y0 = static_cast<int>(cell.v * height + 0.5f), y1 = static_cast<int>((cell.v + sheet.cellV) * height + 0.5f);
        if (x1 <= x0 || y1 <= y0) {
            sheet.extents.push_back({});
            continue;
        }
        // A linear filter reads the texel next to a sample too: the ring just outside the cell
        // counts as the cell's edge, and the extent reaches a texel and a half past what shows.
        int left = x1, right = x0 - 1, top = y1, bottom = y0 - 1;
        for (int y = y0 - 1; y <= y1; ++y) {
            for (int x = x0 - 1; x <= x1; ++x) {
                if (!shows(x, y))
                    continue;
                left = std::min(left, std::clamp(x, x0, x1 - 1));
                right = std::max(right, std::clamp(x, x0, x1 - 1));
                top = std::min(top, std::clamp(y, y0, y1 - 1));
                bottom = std::max(bottom, std::clamp(y, y0, y1 - 1));
            }
        }
        if (right < left) {
            sheet.extents.push_back({0.0f, 0.0f, 0.0f, 0.0f});
            continue;
        }
        const float w = static_cast<float>(x1 - x0), h = static_cast<float>(y1 - y0);
        sheet.extents.push_back({std::max(0, left - 2 - x0) / w, std::max(0, top - 2 - y0) / h,
                                 std::min(x1 - x0, right + 3 - x0) / w, std::min(y1 - y0, bottom + 3 - y0) / h});
    }
}
