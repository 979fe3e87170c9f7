#include "tools/tiles/map_preview.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

constexpr int TileSize = 30;
constexpr int CellSize = 32;
constexpr int VisibleColumns = 24;
constexpr int VisibleRows = 18;

struct LayerSetup {
    int plane;
    float parallax;
    bool nearSheet;
};
constexpr LayerSetup Layers[4] = {{0, 0.5f, false}, {1, 0.75f, false}, {2, 1.0f, true}, {3, 1.0f, true}};

// First visible tile of a camera coordinate: one before the camera's own, clamped.
int FirstVisible(float camera, int limit)
{
    const int first = -1 - int(-camera / float(TileSize));
    return std::clamp(first, 0, limit);
}

void DrawPlane(Image& frame, const StageMap& map, const std::vector<int16_t>& plane, const SheetPixelsRgba& sheet,
               float camX, float camY, bool additive)
{
    const int c0 = FirstVisible(camX, map.width), r0 = FirstVisible(camY, map.height);
    const int c1 = std::min(c0 + VisibleColumns, map.width), r1 = std::min(r0 + VisibleRows, map.height);
    const int sheetColumns = sheet.width / CellSize;
    if (sheetColumns == 0)
        return;
    for (int c = c0; c < c1; ++c)
        for (int r = r0; r < r1; ++r) {
            const int code = plane[size_t(r) * size_t(map.width) + size_t(c)];
            if (code <= 0 || (code >= 992) != additive)
                continue;
            const int cellX = (code % sheetColumns) * CellSize + 1, cellY = (code / sheetColumns) * CellSize + 1;
            if (cellY + TileSize > sheet.height || cellX + TileSize > sheet.width)
                continue;
            // Screen pixels whose centres fall inside the tile's quad.
            const float left = float(c * TileSize) - camX, top = float(r * TileSize) - camY;
            const int x0 = std::max(0, int(std::ceil(left - 0.5f))), y0 = std::max(0, int(std::ceil(top - 0.5f)));
            const int x1 = std::min(ViewWidth, int(std::ceil(left + float(TileSize) - 0.5f)));
            const int y1 = std::min(ViewHeight, int(std::ceil(top + float(TileSize) - 0.5f)));
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) {
                    const int tx = std::clamp(int(std::floor(float(x) + 0.5f - left)), 0, TileSize - 1);
                    const int ty = std::clamp(int(std::floor(float(y) + 0.5f - top)), 0, TileSize - 1);
                    const uint8_t* p =
                        &sheet.rgba[(size_t(cellY + ty) * size_t(sheet.width) + size_t(cellX + tx)) * 4];
                    Rgba& d = frame.At(x, y);
                    const float r = float(p[0]) / 255.0f, g = float(p[1]) / 255.0f, b = float(p[2]) / 255.0f;
                    if (additive) {
                        d = {std::min(1.0f, d.r + r), std::min(1.0f, d.g + g), std::min(1.0f, d.b + b), 1.0f};
                    } else {
                        const float a = float(p[3]) / 255.0f;
                        d = {r * a + d.r * (1.0f - a), g * a + d.g * (1.0f - a), b * a + d.b * (1.0f - a), 1.0f};
                    }
                }
        }
}

} // namespace

bool ReadTga(const std::string& path, SheetPixelsRgba& out, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot be read";
        return false;
    }
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 18) {
        error = path + ": too short for a TGA header";
        return false;
    }
    const int idLength = b[0], type = b[2], bits = b[16], descriptor = b[17];
    const int w = b[12] | b[13] << 8, h = b[14] | b[15] << 8;
    if (b[1] != 0 || type != 2 || (bits != 24 && bits != 32) || w == 0 || h == 0) {
        error = path + ": not an uncompressed true-colour TGA";
        return false;
    }
    const size_t bpp = size_t(bits / 8), start = 18 + size_t(idLength);
    if (b.size() < start + size_t(w) * size_t(h) * bpp) {
        error = path + ": pixel data is truncated";
        return false;
    }
    const bool topFirst = descriptor & 0x20;
    out.width = w;
    out.height = h;
    out.rgba.assign(size_t(w) * size_t(h) * 4, 0);
    for (int y = 0; y < h; ++y) {
        const int srcRow = topFirst ? y : h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const uint8_t* s = &b[start + (size_t(srcRow) * size_t(w) + size_t(x)) * bpp];
            uint8_t* d = &out.rgba[(size_t(y) * size_t(w) + size_t(x)) * 4];
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
            d[3] = bpp == 4 ? s[3] : 255;
        }
    }
    return true;
}

Image RenderMapView(const StageMap& map, const SheetPixelsRgba& nearSheet, const SheetPixelsRgba& farSheet,
                    float cameraX, float cameraY)
{
    // As the stage loads: collision codes between empty and solid show in the front plane.
    std::vector<int16_t> front = map.planes[3];
    const auto& collision = map.planes[4];
    for (size_t i = 0; i < front.size() && i < collision.size(); ++i)
        if (collision[i] > 0 && collision[i] < 1023)
            front[i] = collision[i];
    Image frame(ViewWidth, ViewHeight, Rgba{0, 0, 0, 1});
    for (const LayerSetup& layer : Layers) {
        const SheetPixelsRgba& sheet = layer.nearSheet ? nearSheet : farSheet;
        const auto& plane = layer.plane == 3 ? front : map.planes[layer.plane];
        const float camX = cameraX * layer.parallax, camY = cameraY * layer.parallax;
        DrawPlane(frame, map, plane, sheet, camX, camY, false);
        DrawPlane(frame, map, plane, sheet, camX, camY, true);
    }
    return frame;
}
