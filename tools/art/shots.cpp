// Shots: the bullet sheet (rows of eight-frame animations), the impact splash and the
// ribbon textures of trails. Shots travel to the right in their cells; the game turns them.
#include "tools/art/families.hpp"
#include "tools/art/noise.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace {

constexpr float Pi = std::numbers::pi_v<float>;

// A hot white core inside a coloured halo (premultiplied).
Rgba Glow(Rgba colour, float core, float halo)
{
    core = std::clamp(core, 0.0f, 1.0f);
    halo = std::clamp(halo, 0.0f, 1.0f);
    const Rgba h = Scaled(colour, halo);
    const float k = 1.0f - core;
    return {core + h.r * k, core + h.g * k, core + h.b * k, core + h.a * k};
}

// (x, y) in -1..1 across the cell, f the frame 0..7 as 0..1 (looping shapes use it as phase).
using Shape = Rgba (*)(float x, float y, float f, Rgba c, uint32_t seed);

Rgba Orb(float x, float y, float f, Rgba c, uint32_t)
{
    const float pulse = 1.0f + 0.12f * std::sin(f * 2 * Pi);
    const float r = std::sqrt(x * x + y * y) / pulse;
    const float a = std::atan2(y, x);
    const float rays = 0.25f * std::pow(std::fabs(std::cos(a * 2 + f * Pi)), 8.0f) * Falloff(r, 1.0f, 1.5f);
    return Glow(c, Falloff(r, 0.32f, 0.7f), Falloff(r, 0.8f, 1.6f) + rays);
}

Rgba Bolt(float x, float y, float f, Rgba c, uint32_t)
{
    const float sx = x < 0 ? x * 0.45f : x * 1.4f; // long tail behind, short round nose
    const float r = std::sqrt(sx * sx + y * y * 4.0f);
    const float shimmer = 1.0f - 0.15f * std::sin(f * 2 * Pi + x * 6);
    return Glow(c, Falloff(r, 0.45f, 0.8f) * shimmer, Falloff(r, 1.0f, 1.3f));
}

Rgba Missile(float x, float y, float f, Rgba c, uint32_t seed)
{
    Rgba out;
    // Exhaust flame flickers behind the body.
    const float fl = 0.75f + 0.25f * ValueNoise(f * 8.0f, 0.0f, seed, 8);
    const float fx = (x + 0.35f) / (0.6f * fl);
    if (fx < 0) {
        const float d = std::sqrt(fx * fx + y * y * 30.0f);
        out = Glow(c, Falloff(d, 0.5f, 1.0f), Falloff(d, 1.0f, 1.2f));
    }
    // Body: a slim grey hull with a lit nose and fins.
    const bool body = x > -0.4f && x < 0.55f && std::fabs(y) < 0.13f - std::max(0.0f, x - 0.35f) * 0.6f;
    const bool fin = x > -0.42f && x < -0.2f && std::fabs(y) < 0.1f + (-0.2f - x) * 0.9f;
    if (body || fin) {
        const float shade = 0.55f + 0.4f * (0.13f - y) / 0.26f;
        const Rgba hull = body && x > 0.32f ? Straight(0.95f, 0.3f, 0.2f) : Straight(shade * 0.7f, shade * 0.75f, shade * 0.85f);
        out = hull;
    }
    return out;
}

Rgba Spark(float x, float y, float f, Rgba, uint32_t)
{
    // A white star burst growing and fading: tinted by whoever draws it.
    const float grow = 0.35f + 0.65f * f, fade = 1.0f - f * 0.85f;
    const float r = std::sqrt(x * x + y * y) / grow;
    const float a = std::atan2(y, x);
    const float star = std::pow(std::fabs(std::cos(a * 2.0f)), 16.0f) + 0.5f * std::pow(std::fabs(std::cos(a * 2.0f + Pi / 4)), 16.0f);
    const float k = (Falloff(r, 0.35f, 1.0f) * (1.0f - f) + star * Falloff(r, 1.0f, 1.2f) + Falloff(r, 0.7f, 2.0f) * 0.4f) * fade;
    return Glow(Straight(1, 1, 1), k * 0.6f, k);
}

Rgba Diamond(float x, float y, float f, Rgba c, uint32_t)
{
    const float a = f * Pi * 0.5f;
    const float rx = x * std::cos(a) - y * std::sin(a), ry = x * std::sin(a) + y * std::cos(a);
    const float d = std::fabs(rx) + std::fabs(ry);
    const float r = std::sqrt(x * x + y * y);
    return Glow(c, Smoothstep(0.5f, 0.3f, d), std::max(Smoothstep(0.62f, 0.45f, d), Falloff(r, 0.95f, 2.0f)));
}

Rgba Ring(float x, float y, float f, Rgba c, uint32_t)
{
    const float r = std::sqrt(x * x + y * y), a = std::atan2(y, x);
    const float band = Falloff(std::fabs(r - 0.55f), 0.2f, 1.5f) * (0.75f + 0.25f * std::sin(a * 3 + f * 2 * Pi));
    return Glow(c, Falloff(r, 0.25f, 1.0f) + band * 0.3f, band + Falloff(r, 0.95f, 3.0f));
}

Rgba Flame(float x, float y, float f, Rgba c, uint32_t seed)
{
    const float n = Fbm(x * 2.5f - f * 8.0f, y * 2.5f, seed, 3, 0);
    const float sx = x < 0 ? x * 0.6f : x * 1.3f;
    const float r = std::sqrt(sx * sx + y * y * 2.2f) + (n - 0.5f) * 0.5f;
    const float heat = Falloff(r, 0.9f, 1.0f);
    const Rgba hot = Mix(c, Straight(1, 0.95f, 0.6f), Smoothstep(0.4f, 0.9f, heat));
    return Glow(hot, Smoothstep(0.75f, 1.0f, heat), heat * 1.6f);
}

Rgba Arc(float x, float y, float f, Rgba c, uint32_t seed)
{
    float k = 0.0f;
    for (int strand = 0; strand < 2; ++strand) {
        const float path = (ValueNoise(x * 3.0f + 10.0f * float(strand), f * 8.0f, seed + uint32_t(strand), 0) - 0.5f) * 1.1f;
        k += Falloff(std::fabs(y - path), 0.18f, 1.5f) * Smoothstep(1.0f, 0.7f, std::fabs(x));
    }
    const float r = std::sqrt(x * x + y * y);
    return Glow(c, std::min(1.0f, k) * 0.8f, k + Falloff(r, 0.5f, 2.0f));
}

Rgba Blob(float x, float y, float f, Rgba c, uint32_t seed)
{
    const float a = std::atan2(y, x), r = std::sqrt(x * x + y * y);
    const float wobble = 0.62f + 0.08f * std::sin(a * 5 + f * 2 * Pi) + 0.06f * (ValueNoise(a * 2, f * 8, seed, 0) - 0.5f);
    const float body = Smoothstep(wobble, wobble - 0.1f, r);
    const float spots = Smoothstep(0.6f, 0.75f, ValueNoise(x * 4 + 9, y * 4 - f * 2, seed, 0)) * body;
    Rgba skin = Mix(c, Straight(0.1f, 0.2f, 0.05f), spots * 0.7f);
    return Glow(skin, Falloff(r, 0.2f, 1.0f) * 0.6f, body * 0.9f + Falloff(r, 1.0f, 3.0f));
}

Rgba Cross(float x, float y, float f, Rgba c, uint32_t)
{
    const float a = f * Pi * 0.5f;
    const float rx = x * std::cos(a) - y * std::sin(a), ry = x * std::sin(a) + y * std::cos(a);
    const float k = Falloff(std::fabs(rx), 0.14f, 1.0f) * Falloff(std::fabs(ry), 0.9f, 1.0f) +
                    Falloff(std::fabs(ry), 0.14f, 1.0f) * Falloff(std::fabs(rx), 0.9f, 1.0f);
    const float r = std::sqrt(x * x + y * y);
    return Glow(c, Falloff(r, 0.3f, 1.0f), k + Falloff(r, 0.6f, 2.0f));
}

const std::map<std::string, Shape>& Shapes()
{
    static const std::map<std::string, Shape> shapes = {
        {"orb", Orb},   {"bolt", Bolt},   {"missile", Missile}, {"spark", Spark}, {"diamond", Diamond},
        {"ring", Ring}, {"flame", Flame}, {"arc", Arc},         {"blob", Blob},   {"cross", Cross},
    };
    return shapes;
}

void DrawCell(Image& img, int cellW, int cellH, int columns, int index, const std::vector<std::string>& fields,
              ArtContext& ctx, float frame)
{
    const auto it = Shapes().find(fields.size() > 1 ? fields[1] : "");
    if (it == Shapes().end()) {
        ctx.errors.push_back("unknown shot shape '" + (fields.size() > 1 ? fields[1] : "") + "'");
        return;
    }
    Rgba colour = Straight(1, 1, 1);
    if (fields.size() > 2 && !ctx.source.ParseColour(fields[2], colour))
        ctx.errors.push_back("bad colour '" + fields[2] + "'");
    const float scale = fields.size() > 3 ? std::strtof(fields[3].c_str(), nullptr) : 1.0f;
    const auto seed = uint32_t(index * 31 + 7);
    const int x0 = (index % columns) * cellW, y0 = (index / columns) * cellH;
    img.Shade(x0, y0, cellW, cellH, [&](float u, float v) {
        const float x = (u / float(cellW) * 2.0f - 1.0f) / scale, y = (v / float(cellH) * 2.0f - 1.0f) / scale;
        // Keep a one-pixel clear border so linear filtering never bleeds between cells.
        if (u < 1.0f || v < 1.0f || u > float(cellW) - 1.0f || v > float(cellH) - 1.0f)
            return Rgba{};
        return it->second(x, y, frame, colour, seed);
    });
}

} // namespace

Image BulletSheet(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const int cols = int(ctx.source.Number("cells", 8, 0)), rows = int(ctx.source.Number("cells", 16, 1));
    const int cw = w / cols, ch = h / rows;
    Image img(w, h);
    // "row R shape colour [scale]": an animation over the row's cells.
    for (const auto& row : ctx.source.All("row")) {
        const int r = std::atoi(row[0].c_str());
        for (int c = 0; c < cols; ++c)
            DrawCell(img, cw, ch, cols, r * cols + c, row, ctx, float(c) / float(cols));
    }
    // "cell N shape colour [scale]": a single still frame, drawn over its row's entry.
    for (const auto& cell : ctx.source.All("cell")) {
        const int n = std::atoi(cell[0].c_str());
        img.Shade((n % cols) * cw, (n / cols) * ch, cw, ch, [](float, float) { return Rgba{}; });
        DrawCell(img, cw, ch, cols, n, cell, ctx, 0.0f);
    }
    return img;
}

Image BulletSplash(ArtContext& ctx)
{
    // A white flash of light breaking into sparks, one frame per cell.
    const int w = ctx.Width(), h = ctx.Height();
    const int frames = int(ctx.source.Number("frames", 4));
    const int cw = w / frames;
    Image img(w, h);
    for (int i = 0; i < frames; ++i) {
        const float f = float(i) / float(frames - 1);
        img.Shade(i * cw, 0, cw, h, [&](float u, float v) {
            const float x = u / float(cw) * 2 - 1, y = v / float(h) * 2 - 1;
            const float r = std::sqrt(x * x + y * y), a = std::atan2(y, x);
            const float core = Falloff(r, 0.7f - 0.5f * f, 1.2f) * (1.0f - f * 0.8f);
            const float rays = std::pow(std::fabs(std::cos(a * 3.0f + 0.3f)), 12.0f) * Falloff(std::fabs(r - 0.3f - 0.5f * f), 0.35f, 1.0f) * (1.0f - f * 0.6f);
            const float k = std::min(1.0f, core + rays);
            return Rgba{k, k, k * 0.95f + 0.05f * core, k};
        });
    }
    return img;
}

Image BeamSheet(ArtContext& ctx)
{
    // Ribbon textures, tiling along u. "glow 1" makes the additive companion: wider, softer.
    const int w = ctx.Width(), h = ctx.Height();
    const int rows = int(ctx.source.Number("cells", 8, 1));
    const int ch = h / rows;
    const bool glow = ctx.source.Number("glow", 0) != 0;
    Image img(w, h);
    for (const auto& row : ctx.source.All("row")) {
        const int r = std::atoi(row[0].c_str());
        const std::string style = row.size() > 1 ? row[1] : "streak";
        Rgba c = Straight(1, 1, 1);
        if (row.size() > 2 && !ctx.source.ParseColour(row[2], c))
            ctx.errors.push_back("bad colour '" + row[2] + "'");
        const auto seed = uint32_t(r * 13 + 3);
        img.Shade(0, r * ch, w, ch, [&](float u, float v) {
            const float s = u / float(w);           // 0..1 along, tiles
            const float y = v / float(ch) * 2 - 1; // -1..1 across
            float core = 0, halo = 0;
            if (style == "smoke") {
                const float n = Fbm(s * 4, y * 1.5f + 3, seed, 4, 4);
                const float body = Falloff(std::fabs(y), 0.95f, 1.2f) * (0.55f + 0.9f * (n - 0.5f));
                halo = glow ? body * 0.25f : body * 0.8f;
            } else if (style == "streak") {
                core = Falloff(std::fabs(y), glow ? 0.5f : 0.25f, 1.2f);
                halo = Falloff(std::fabs(y), glow ? 1.0f : 0.7f, 1.5f);
            } else if (style == "arc") {
                const float path = 0.45f * std::sin(2 * Pi * (3 * s)) * std::sin(2 * Pi * (2 * s) + 1.0f);
                core = Falloff(std::fabs(y - path), glow ? 0.3f : 0.12f, 1.2f);
                halo = Falloff(std::fabs(y - path), glow ? 0.9f : 0.4f, 1.5f);
            } else if (style == "beads") {
                const float d = std::sqrt(std::pow((std::fmod(s * 8, 1.0f) - 0.5f) * 2.0f, 2.0f) + y * y);
                core = Falloff(d, glow ? 0.6f : 0.35f, 1.2f);
                halo = Falloff(d, 1.0f, 1.5f) + Falloff(std::fabs(y), 0.3f, 2.0f) * 0.5f;
            } else if (style == "helix") {
                for (int k = 0; k < 2; ++k) {
                    const float p = 0.55f * std::sin(2 * Pi * (2 * s) + Pi * float(k));
                    core += Falloff(std::fabs(y - p), glow ? 0.3f : 0.14f, 1.2f);
                    halo += Falloff(std::fabs(y - p), glow ? 0.8f : 0.45f, 1.5f);
                }
            } else { // "line": a thin hard beam
                core = Falloff(std::fabs(y), glow ? 0.3f : 0.1f, 1.0f);
                halo = Falloff(std::fabs(y), glow ? 0.8f : 0.35f, 2.0f);
            }
            if (v < 0.5f || v > float(ch) - 0.5f)
                return Rgba{};
            if (glow)
                return Scaled(Rgba{c.r, c.g, c.b, 1}, std::min(1.0f, core * 0.8f + halo * 0.6f));
            return Glow(c, core * 0.9f, halo);
        });
    }
    return img;
}
