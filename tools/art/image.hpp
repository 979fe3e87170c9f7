#pragma once
// A picture under construction: premultiplied RGBA floats, so additive light and ordinary
// "over" compositing are both plain arithmetic. Conversion to bytes happens only on save.
#include <cstdint>
#include <functional>
#include <vector>

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

// A straight (not premultiplied) colour with alpha.
Rgba Straight(float r, float g, float b, float a = 1.0f);
Rgba Scaled(Rgba c, float k);
Rgba Mix(Rgba x, Rgba y, float t);

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgba& At(int x, int y) { return px_[size_t(y) * size_t(width_) + size_t(x)]; }
    const Rgba& At(int x, int y) const { return px_[size_t(y) * size_t(width_) + size_t(x)]; }

    // Porter-Duff over and additive light, clipped to the picture.
    void Over(int x, int y, Rgba c);
    void Add(int x, int y, Rgba c);
    // Places `src` with its top-left at (x, y), composited over what is there.
    void Blit(const Image& src, int x, int y);
    // Writes every pixel of the rectangle from a shader of the cell-local pixel centre.
    void Shade(int x0, int y0, int w, int h, const std::function<Rgba(float u, float v)>& fn);

    // Samples with bilinear filtering at pixel-centre coordinates, clamped at the edges.
    Rgba Sample(float x, float y) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgba> px_;
};

// Separable box blur repeated three times (close to a Gaussian of the given radius).
Image Blurred(const Image& src, int radius);
