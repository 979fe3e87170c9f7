#include "tools/art/image.hpp"

#include <algorithm>
#include <cmath>

Rgba Straight(float r, float g, float b, float a) { return {r * a, g * a, b * a, a}; }

Rgba Scaled(Rgba c, float k) { return {c.r * k, c.g * k, c.b * k, c.a * k}; }

Rgba Mix(Rgba x, Rgba y, float t)
{
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Image::Image(int width, int height, Rgba fill)
    : width_(width), height_(height), px_(size_t(width) * size_t(height), fill)
{
}

void Image::Over(int x, int y, Rgba c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    Rgba& d = At(x, y);
    const float k = 1.0f - c.a;
    d = {c.r + d.r * k, c.g + d.g * k, c.b + d.b * k, c.a + d.a * k};
}

void Image::Add(int x, int y, Rgba c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    Rgba& d = At(x, y);
    d = {d.r + c.r, d.g + c.g, d.b + c.b, std::min(1.0f, d.a + c.a)};
}

void Image::Blit(const Image& src, int x, int y)
{
    for (int sy = 0; sy < src.Height(); ++sy)
        for (int sx = 0; sx < src.Width(); ++sx)
            Over(x + sx, y + sy, src.At(sx, sy));
}

void Image::Shade(int x0, int y0, int w, int h, const std::function<Rgba(float, float)>& fn)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x0 + x >= 0 && y0 + y >= 0 && x0 + x < width_ && y0 + y < height_)
                At(x0 + x, y0 + y) = fn(float(x) + 0.5f, float(y) + 0.5f);
}

Rgba Image::Sample(float x, float y) const
{
    x = std::clamp(x - 0.5f, 0.0f, float(width_ - 1));
    y = std::clamp(y - 0.5f, 0.0f, float(height_ - 1));
    const int x0 = int(x), y0 = int(y);
    const int x1 = std::min(x0 + 1, width_ - 1), y1 = std::min(y0 + 1, height_ - 1);
    const float fx = x - float(x0), fy = y - float(y0);
    return Mix(Mix(At(x0, y0), At(x1, y0), fx), Mix(At(x0, y1), At(x1, y1), fx), fy);
}

namespace {

void BoxPass(const Image& src, Image& dst, int radius, bool horizontal)
{
    const int w = src.Width(), h = src.Height();
    const int len = horizontal ? w : h, lines = horizontal ? h : w;
    const float norm = 1.0f / float(2 * radius + 1);
    for (int line = 0; line < lines; ++line) {
        auto at = [&](int i) -> const Rgba& {
            i = std::clamp(i, 0, len - 1);
            return horizontal ? src.At(i, line) : src.At(line, i);
        };
        Rgba sum;
        for (int i = -radius; i <= radius; ++i) {
            const Rgba& c = at(i);
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
        }
        for (int i = 0; i < len; ++i) {
            (horizontal ? dst.At(i, line) : dst.At(line, i)) = Scaled(sum, norm);
            const Rgba& in = at(i + radius + 1);
            const Rgba& out = at(i - radius);
            sum = {sum.r + in.r - out.r, sum.g + in.g - out.g, sum.b + in.b - out.b, sum.a + in.a - out.a};
        }
    }
}

} // namespace

Image Blurred(const Image& src, int radius)
{
    if (radius <= 0)
        return src;
    Image a = src, b = src;
    for (int i = 0; i < 3; ++i) {
        BoxPass(a, b, radius, true);
        BoxPass(b, a, radius, false);
    }
    return a;
}
