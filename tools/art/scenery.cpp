// Stage furniture: the checkpoint marker, animated machinery on the tile grid, breakable
// blocks, the sliding door's segments, the waterfall and its normal map, and the stage
// title cards. Metal is dark steel lit from the upper left; only lamps, energy and water
// highlights glow.
#include "tools/art/canvas.hpp"
#include "tools/art/families.hpp"
#include "tools/art/noise.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float Pi = std::numbers::pi_v<float>;

Rgba Opaque(float r, float g, float b) { return Rgba{r, g, b, 1.0f}; }

Rgba Lit(Rgba base, float k) { return Rgba{base.r * k, base.g * k, base.b * k, base.a}; }

// Additive light over an opaque colour.
Rgba Glow(Rgba base, Rgba light, float k)
{
    return Rgba{std::min(1.0f, base.r + light.r * k), std::min(1.0f, base.g + light.g * k),
                std::min(1.0f, base.b + light.b * k), base.a};
}

Rgba Accent(ArtContext& ctx, Rgba fallback) { return Unpremultiplied(ctx.source.Colour("colour", fallback)); }

// A riveted steel plate of w x h pixels: bevelled edges (light upper left, shadow lower
// right) and faint grime.
Rgba Plate(float x, float y, float w, float h, uint32_t seed)
{
    const Rgba steel = Opaque(0.16f, 0.20f, 0.27f);
    const float grime = Fbm(x / 9.0f, y / 9.0f, seed, 3) * 0.35f + 0.8f;
    Rgba c = Lit(steel, grime);
    if (x < 2.0f || y < 2.0f)
        c = Lit(Opaque(0.42f, 0.50f, 0.62f), 0.9f);
    else if (x > w - 2.0f || y > h - 2.0f)
        c = Opaque(0.04f, 0.05f, 0.08f);
    for (float rx : {4.5f, w - 4.5f})
        for (float ry : {4.5f, h - 4.5f}) {
            const float d = std::hypot(x - rx, y - ry);
            if (d < 1.6f)
                c = Opaque(0.55f, 0.62f, 0.72f);
        }
    return c;
}

// --- animated machinery: one shader per style, frame phase t in 0..1 ---

Rgba Lamp(float x, float y, float w, float h, float t, Rgba light, uint32_t seed)
{
    Rgba c = Plate(x, y, w, h, seed);
    const float pulse = 0.5f + 0.5f * std::cos(2.0f * Pi * t);
    const float d = std::hypot(x - w / 2.0f, (y - h / 2.0f) * w / h);
    const float radius = std::min(w, h) * 0.22f;
    if (d < radius)
        c = Glow(Opaque(0.1f, 0.1f, 0.1f), light, 0.3f + 0.7f * pulse + (d < radius * 0.4f ? 0.4f * pulse : 0.0f));
    else
        c = Glow(c, light, Falloff(d - radius, radius * 1.6f, 2.0f) * pulse * 0.8f);
    return c;
}

Rgba Fan(float x, float y, float w, float h, float t, Rgba light, uint32_t seed)
{
    Rgba c = Plate(x, y, w, h, seed);
    const float cx = w / 2.0f, cy = h / 2.0f;
    const float d = std::hypot(x - cx, y - cy);
    const float radius = std::min(w, h) * 0.42f;
    if (d > radius)
        return c;
    // Four blades turning a quarter turn over the animation, so it loops seamlessly.
    const float a = std::atan2(y - cy, x - cx) + t * Pi / 2.0f;
    const float blade = std::cos(4.0f * a);
    Rgba inside = Opaque(0.02f, 0.03f, 0.05f);
    inside = Glow(inside, light, 0.25f * Falloff(d, radius, 1.0f));
    if (blade > 0.35f && d > 2.5f)
        inside = Lit(Opaque(0.30f, 0.36f, 0.45f), 0.6f + 0.4f * (1.0f - d / radius));
    if (d < 3.0f)
        inside = Opaque(0.5f, 0.55f, 0.65f);
    if (d > radius - 1.5f)
        inside = Opaque(0.06f, 0.07f, 0.1f);
    return inside;
}

Rgba Conduit(float x, float y, float w, float h, float t, Rgba light, uint32_t seed)
{
    Rgba c = Plate(x, y, w, h, seed);
    const float cy = h / 2.0f;
    const float band = std::fabs(y - cy);
    const float tube = h * 0.22f;
    if (band > tube)
        return c;
    // Two pulses per cell travel right by half a cell over the loop, which then closes.
    const float along = 2.0f * x / w - t;
    const float pulse = std::pow(0.5f + 0.5f * std::cos(2.0f * Pi * along), 6.0f);
    const float core = 1.0f - band / tube;
    Rgba glass = Opaque(0.03f, 0.05f, 0.08f);
    return Glow(glass, light, core * (0.25f + 0.9f * pulse));
}

Rgba Screen(float x, float y, float w, float h, float t, Rgba light, uint32_t seed)
{
    Rgba c = Plate(x, y, w, h, seed);
    if (x < 5.0f || x > w - 5.0f || y < 5.0f || y > h - 5.0f)
        return c;
    // Rows of read-out bars that scroll up one row per frame.
    const float rowHeight = 4.0f;
    const float row = std::floor((y + t * h) / rowHeight);
    const float length = 0.3f + 0.7f * Hash01(int32_t(row), 3, seed);
    const bool lit = std::fmod(y + t * h, rowHeight) < 2.0f && (x - 5.0f) / (w - 10.0f) < length;
    Rgba panel = Opaque(0.01f, 0.03f, 0.04f);
    return lit ? Glow(panel, light, 0.8f) : Glow(panel, light, 0.06f);
}

Rgba Tank(float x, float y, float w, float h, float t, Rgba light, uint32_t seed)
{
    Rgba c = Plate(x, y, w, h, seed);
    if (x < 6.0f || x > w - 6.0f || y < 6.0f || y > h - 6.0f)
        return c;
    // Bubbles rise through glowing liquid; the bubble field wraps once over the loop.
    const float u = (x - 6.0f) / (w - 12.0f);
    const float v = (y - 6.0f) / (h - 12.0f);
    const float rise = ValueNoise(u * 6.0f, (v + t) * 6.0f, seed, 6);
    const float bubble = std::pow(std::clamp((rise - 0.55f) * 3.0f, 0.0f, 1.0f), 2.0f);
    Rgba liquid = Glow(Opaque(0.02f, 0.03f, 0.05f), light, 0.12f + 0.18f * v);
    liquid = Glow(liquid, Opaque(0.8f, 0.95f, 1.0f), bubble * 0.5f);
    if (u < 0.12f)
        liquid = Glow(liquid, Opaque(1, 1, 1), 0.08f);
    return liquid;
}

using Style = Rgba (*)(float, float, float, float, float, Rgba, uint32_t);

Style StyleNamed(const std::string& name)
{
    if (name == "fan")
        return Fan;
    if (name == "conduit")
        return Conduit;
    if (name == "screen")
        return Screen;
    if (name == "tank")
        return Tank;
    return Lamp;
}

} // namespace

Image MachineAnimation(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const int columns = std::max(1, int(ctx.source.Number("cells", 1, 0)));
    const int rows = std::max(1, int(ctx.source.Number("cells", 1, 1)));
    const int cw = w / columns, ch = h / rows;
    const Style style = StyleNamed(ctx.source.Text("style", "lamp"));
    const Rgba light = Accent(ctx, Straight(0.3f, 0.85f, 1.0f));
    const auto seed = uint32_t(ctx.source.Number("seed", 7));
    const int frames = columns * rows;
    Image img(w, h);
    for (int k = 0; k < frames; ++k) {
        const float t = float(k) / float(frames);
        img.Shade((k % columns) * cw, (k / columns) * ch, cw, ch, [&](float x, float y) {
            return style(x, y, float(cw), float(ch), t, light, seed);
        });
    }
    return img;
}

Image BrokenBlock(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const auto seed = uint32_t(ctx.source.Number("seed", 3));
    const Rgba ember = Accent(ctx, Straight(1.0f, 0.35f, 0.1f));
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        // One plate per 32-pixel block, split by a glowing crack.
        const float bx = std::fmod(x, 32.0f), by = std::fmod(y, 32.0f);
        Rgba c = Plate(bx, by, 32.0f, 32.0f, seed + uint32_t(x / 32.0f) * 7 + uint32_t(y / 32.0f) * 13);
        const float ridge = std::fabs(Fbm(x / 14.0f, y / 14.0f, seed, 3) - 0.5f);
        if (ridge < 0.022f)
            return Glow(Opaque(0.02f, 0.01f, 0.01f), ember, 0.55f * (1.0f - ridge / 0.022f));
        if (ridge < 0.05f)
            c = Lit(c, 0.55f);
        return c;
    });
    return img;
}

Image DoorSegments(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const int cell = w / 2;
    const auto seed = uint32_t(ctx.source.Number("seed", 5));
    const Rgba hazard = Accent(ctx, Straight(1.0f, 0.69f, 0.25f));
    Image img(w, h);
    for (int k = 0; k < 2; ++k) {
        img.Shade(k * cell, 0, cell, h, [&](float x, float y) {
            const float fc = float(cell), fh = float(h);
            // Heavy shutter: ribs across, darker grooves between them.
            Rgba c = Plate(x, y, fc, fh, seed + uint32_t(k));
            const float rib = std::fmod(y, 8.0f);
            if (rib < 1.0f)
                c = Opaque(0.03f, 0.04f, 0.06f);
            else if (rib < 2.5f)
                c = Lit(c, 1.35f);
            // Side rails.
            if (x < 4.0f || x > fc - 4.0f)
                c = Lit(Opaque(0.22f, 0.26f, 0.33f), x < 4.0f ? 1.2f : 0.6f);
            if (k == 1 && y > fh - 9.0f) {
                // The end segment's lip: hazard stripes and a warning lamp.
                const bool stripe = int(std::floor((x + y) / 5.0f)) % 2 == 0;
                c = stripe ? Lit(hazard, 0.8f) : Opaque(0.05f, 0.05f, 0.05f);
                const float d = std::hypot(x - fc / 2.0f, y - (fh - 4.5f));
                if (d < 3.0f)
                    c = Glow(Opaque(0.2f, 0.05f, 0.0f), hazard, 1.0f);
            }
            return c;
        });
    }
    return img;
}

namespace {

// Streaks of falling water: columns of varying brightness, broken up along the fall. Tiles
// vertically (the picture scrolls down the fall) and fades at the sides.
float WaterStreaks(float u, float v, uint32_t seed)
{
    const float columns = std::pow(ValueNoise(u * 24.0f, 0.5f, seed, 24), 2.5f);
    const float breakup = Fbm(u * 8.0f, v * 8.0f, seed + 1, 3, 8);
    return std::clamp(columns * (0.35f + 1.1f * breakup), 0.0f, 1.0f);
}

} // namespace

Image WaterFallPicture(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const auto seed = uint32_t(ctx.source.Number("seed", 17));
    const Rgba tint = Accent(ctx, Straight(0.55f, 0.85f, 1.0f));
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        const float u = x / float(w), v = y / float(h);
        const float edge = Smoothstep(0.0f, 0.12f, u) * Smoothstep(0.0f, 0.12f, 1.0f - u);
        const float k = WaterStreaks(u, v, seed) * edge;
        // Light on black: alpha is its brightness.
        return Rgba{tint.r * k, tint.g * k, tint.b * k, k};
    });
    return img;
}

Image WaterFallNormalMap(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const auto seed = uint32_t(ctx.source.Number("seed", 17));
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        const float u = x / float(w), v = y / float(h);
        const float du = 1.0f / float(w), dv = 1.0f / float(h);
        const float sx = WaterStreaks(u + du, v, seed) - WaterStreaks(u - du, v, seed);
        const float sy = WaterStreaks(u, v + dv, seed) - WaterStreaks(u, v - dv, seed);
        const float nx = std::clamp(0.5f - sx * 2.0f, 0.0f, 1.0f);
        const float ny = std::clamp(0.5f - sy * 2.0f, 0.0f, 1.0f);
        return Rgba{nx, ny, 1.0f, 1.0f};
    });
    return img;
}

Image CheckPointMarker(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const Rgba light = Accent(ctx, Straight(0.3f, 0.85f, 1.0f));
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        const float cx = float(w) / 2.0f, cy = float(h) / 2.0f;
        const float d = std::hypot(x - cx, y - cy);
        const float ring = Falloff(std::fabs(d - float(w) * 0.36f), 3.0f, 1.5f);
        const float diamond = std::fabs(x - cx) + std::fabs(y - cy) < float(w) * 0.16f ? 1.0f : 0.0f;
        const float halo = Falloff(d, float(w) * 0.5f, 3.0f) * 0.35f;
        const float k = std::min(1.0f, ring + diamond * 0.9f + halo);
        const float white = diamond * 0.6f + ring * 0.3f;
        return Rgba{std::min(1.0f, light.r * k + white), std::min(1.0f, light.g * k + white),
                    std::min(1.0f, light.b * k + white), k};
    });
    return img;
}

Image TitleCard(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const std::string font = ctx.source.Text("font");
    const Rgba accent = Accent(ctx, Straight(0.3f, 0.85f, 1.0f));
    Canvas lines(w, h);
    cairo_t* cr = lines.Cr();
    // Thin rules above and below the name, fading out towards the ends.
    for (double y : {22.0, h - 22.0}) {
        cairo_pattern_t* rule = cairo_pattern_create_linear(0, 0, w, 0);
        AddStop(rule, 0, Straight(accent.r, accent.g, accent.b, 0));
        AddStop(rule, 0.5, Straight(accent.r, accent.g, accent.b, 0.9f));
        AddStop(rule, 1, Straight(accent.r, accent.g, accent.b, 0));
        cairo_set_source(cr, rule);
        cairo_rectangle(cr, 40, y, w - 80, 2);
        cairo_fill(cr);
        cairo_pattern_destroy(rule);
    }
    Image base = lines.ToImage();
    Canvas text(w, h);
    if (!text.SetFont(font, 50))
        ctx.errors.push_back("cannot load font " + font);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 30, 0, 76);
    AddStop(p, 0, Straight(1, 1, 1));
    AddStop(p, 1, Straight(0.78f, 0.94f, 1.0f));
    cairo_set_source(text.Cr(), p);
    text.CentredText(ctx.source.Text("title", "STAGE"), w / 2.0, 74);
    cairo_pattern_destroy(p);
    text.SetFont(font, 17);
    text.SetColour(Straight(accent.r, accent.g, accent.b));
    text.CentredText(ctx.source.Text("subtitle", ""), w / 2.0, 98);
    Image glowing = Blurred(text.ToImage(), 4);
    base.Blit(glowing, 0, 0);
    base.Blit(text.ToImage(), 0, 0);
    return base;
}
