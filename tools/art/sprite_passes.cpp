#include "tools/art/sprite_passes.hpp"

#include <algorithm>
#include <array>

Image Reduce(const Image& hi, int factor)
{
    const int w = hi.Width() / factor, h = hi.Height() / factor;
    Image out(w, h);
    const float norm = 1.0f / float(factor * factor);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Rgba sum;
            for (int sy = 0; sy < factor; ++sy)
                for (int sx = 0; sx < factor; ++sx) {
                    const Rgba& c = hi.At(x * factor + sx, y * factor + sy);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
                }
            out.At(x, y) = Scaled(sum, norm);
        }
    return out;
}

int MaterialAt(const Image& ids, int x, int y)
{
    const Rgba& c = ids.At(x, y);
    if (c.a < 0.5f)
        return 0;
    // Premultiplied by an alpha near 1: the channels are the flat id colour.
    if (c.r >= c.g && c.r >= c.b && c.r > 0.5f * c.a)
        return 1;
    if (c.g >= c.b && c.g > 0.5f * c.a)
        return 2;
    if (c.b > 0.5f * c.a)
        return 3;
    return 0;
}

namespace {

// The material covering most of the factor x factor block at (x, y); where the block has
// no id sample (an anti-aliased fringe the id pass missed), the nearest ring around it
// decides, then the primary material.
int OwnerOf(const Image& ids, int x, int y, int factor, int count)
{
    for (int ring = 0; ring <= factor; ++ring) {
        std::array<int, 4> votes{};
        const int x0 = x * factor - ring, y0 = y * factor - ring, size = factor + 2 * ring;
        for (int sy = y0; sy < y0 + size; ++sy)
            for (int sx = x0; sx < x0 + size; ++sx)
                if (sx >= 0 && sy >= 0 && sx < ids.Width() && sy < ids.Height()) {
                    const int m = MaterialAt(ids, sx, sy);
                    if (m >= 1 && m <= count)
                        ++votes[size_t(m)];
                }
        int best = 0;
        for (int m = 1; m <= count; ++m)
            if (votes[size_t(m)] > votes[size_t(best)])
                best = m;
        if (best)
            return best;
    }
    return 1;
}

} // namespace

std::vector<Image> TintLayers(const Image& colourHi, const Image& idsHi, int factor, int count)
{
    const Image colour = Reduce(colourHi, factor);
    std::vector<Image> layers(size_t(count), Image(colour.Width(), colour.Height()));
    for (int y = 0; y < colour.Height(); ++y)
        for (int x = 0; x < colour.Width(); ++x) {
            const Rgba c = colour.At(x, y);
            if (c.a < 0.5f / 255.0f)
                continue;
            const float grey = std::min(1.0f, (0.299f * c.r + 0.587f * c.g + 0.114f * c.b) / c.a);
            const int owner = OwnerOf(idsHi, x, y, factor, count);
            layers[size_t(owner - 1)].At(x, y) = Straight(grey, grey, grey, c.a);
        }
    return layers;
}

Image GlowOf(const Image& emission, int radius, float gain)
{
    Image light(emission.Width(), emission.Height());
    for (int y = 0; y < light.Height(); ++y)
        for (int x = 0; x < light.Width(); ++x) {
            const Rgba& c = emission.At(x, y);
            light.At(x, y) = {c.r, c.g, c.b, 0.0f};
        }
    const Image halo = Blurred(light, radius);
    // The halo fades out toward the picture's edges instead of ending in a hard line there.
    const float margin = float(std::max(1, radius));
    for (int y = 0; y < light.Height(); ++y)
        for (int x = 0; x < light.Width(); ++x) {
            const float edge = float(std::min({x, y, light.Width() - 1 - x, light.Height() - 1 - y}));
            const float fade = std::min(1.0f, edge / margin);
            const Rgba& h = halo.At(x, y);
            Rgba& c = light.At(x, y);
            c = {(c.r + h.r * gain) * fade, (c.g + h.g * gain) * fade, (c.b + h.b * gain) * fade, 0.0f};
        }
    return light;
}

void PlaceCell(Image& sheet, const Image& cell, int index, int columns)
{
    const int x0 = (index % columns) * cell.Width(), y0 = (index / columns) * cell.Height();
    for (int y = 0; y < cell.Height(); ++y)
        for (int x = 0; x < cell.Width(); ++x)
            if (x0 + x < sheet.Width() && y0 + y < sheet.Height())
                sheet.At(x0 + x, y0 + y) = cell.At(x, y);
}

Image CutCell(const Image& sheet, int index, int columns, int width, int height)
{
    Image cell(width, height);
    const int x0 = (index % columns) * width, y0 = (index / columns) * height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (x0 + x < sheet.Width() && y0 + y < sheet.Height())
                cell.At(x, y) = sheet.At(x0 + x, y0 + y);
    return cell;
}
