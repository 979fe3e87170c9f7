// Maps read by the full-screen passes: red and green hold a displacement (0.5 = none),
// and small tiling utility textures.
#include "tools/art/families.hpp"
#include "tools/art/noise.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float Pi = std::numbers::pi_v<float>;

Rgba Displacement(float dx, float dy)
{
    auto enc = [](float v) { return std::clamp(0.5f + 0.5f * v, 0.0f, 1.0f); };
    return {enc(dx), enc(dy), 0.5f, 1.0f};
}

// A vector field that tiles on the unit square: sums of waves with whole frequencies.
void TilingWaves(float u, float v, uint32_t seed, int waves, float& dx, float& dy)
{
    dx = dy = 0.0f;
    for (int i = 0; i < waves; ++i) {
        const int fx = 1 + int(Hash01(i, 1, seed) * 3.0f), fy = 1 + int(Hash01(i, 2, seed) * 3.0f);
        const float phase = Hash01(i, 3, seed) * 2.0f * Pi;
        const float w = 2.0f * Pi * (float(fx) * u + float(fy) * v) + phase;
        dx += std::cos(w) * float(fx);
        dy += std::sin(w) * float(fy);
    }
    dx /= float(waves) * 2.0f;
    dy /= float(waves) * 2.0f;
}

} // namespace

Image ShockWaveMap(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const float inner = ctx.source.Number("ring", 0.55f, 0), outer = ctx.source.Number("ring", 0.98f, 1);
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        const float dx = x / float(w) - 0.5f, dy = y / float(h) - 0.5f;
        const float r = std::sqrt(dx * dx + dy * dy) * 2.0f;
        if (r < 1e-4f || r <= inner || r >= outer)
            return Displacement(0, 0);
        const float t = (r - inner) / (outer - inner);
        const float amp = std::sin(Pi * t) * std::sin(Pi * t);
        return Displacement(amp * dx / (r * 0.5f), amp * dy / (r * 0.5f));
    });
    return img;
}

Image WaveDistortionMap(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const auto seed = uint32_t(ctx.source.Number("seed", 7));
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        float dx, dy;
        TilingWaves(x / float(w), y / float(h), seed, 5, dx, dy);
        return Displacement(dx, dy);
    });
    return img;
}

Image WaterMap(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const auto seed = uint32_t(ctx.source.Number("seed", 11));
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        const float u = x / float(w), v = y / float(h);
        float dx, dy;
        TilingWaves(u, v, seed, 7, dx, dy);
        const float n = Fbm(u * 8.0f, v * 8.0f, seed, 3, 8) - 0.5f;
        return Displacement(dx * 0.8f + n * 0.4f, dy * 0.8f - n * 0.4f);
    });
    return img;
}

Image WaterSurface(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const Rgba tint = ctx.source.Colour("colour", Straight(0.4f, 0.8f, 1.0f));
    const auto seed = uint32_t(ctx.source.Number("seed", 5));
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        const float u = x / float(w);
        const float crest = float(h) * (0.5f + 0.12f * std::sin(2 * Pi * 2 * u) + 0.06f * std::sin(2 * Pi * 5 * u + 1));
        const float line = Falloff(std::fabs(y - crest), float(h) * 0.35f, 2.0f);
        const float sparkle = std::pow(ValueNoise(u * 16.0f, 0.5f, seed, 16), 6.0f) * Falloff(std::fabs(y - crest), 2.5f, 1);
        const float k = std::min(1.0f, line * 0.7f + sparkle * 1.5f);
        return Rgba{tint.r * k + sparkle * 0.5f, tint.g * k + sparkle * 0.5f, tint.b * k + sparkle * 0.5f, 1.0f};
    });
    return img;
}

Image CheckerPicture(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const int square = int(ctx.source.Number("square", 16));
    const Rgba a = ctx.source.Colour("colours", Straight(0.2f, 0.22f, 0.26f), 0);
    const Rgba b = ctx.source.Colour("colours", Straight(0.3f, 0.33f, 0.38f), 1);
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        return ((int(x) / square + int(y) / square) % 2) ? b : a;
    });
    return img;
}

Image BarsPicture(ArtContext& ctx)
{
    // The title card wipe uses the red channel: where it is high the card vanishes first.
    const int w = ctx.Width(), h = ctx.Height();
    const float period = ctx.source.Number("period", 16);
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        const float phase = std::fmod(y + x * 0.25f, period) / period;
        const float red = 0.15f + 0.85f * Smoothstep(0.0f, 0.6f, phase);
        return Rgba{red, red * 0.6f, red * 0.9f, 1.0f};
    });
    return img;
}
