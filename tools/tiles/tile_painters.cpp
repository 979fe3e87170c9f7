#include "tools/tiles/tile_painters.hpp"

#include "tools/art/noise.hpp"
#include "tools/tiles/backdrop_painter.hpp"
#include "tools/tiles/tile_legend.hpp"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr float Size = float(TilePixels);
constexpr float Pi = 3.14159265f;
constexpr int Supersample = 3;
constexpr float Open = 1e9f; // distance to a side that is not exposed

float Clamp01(float x) { return std::clamp(x, 0.0f, 1.0f); }

float Smooth(float e0, float e1, float x)
{
    const float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}


// Noise that repeats every tile: `cells` lattice cells across 30 pixels.
float TileNoise(float u, float v, uint32_t seed, int cells, int octaves)
{
    const float k = float(cells) / Size;
    return Fbm(u * k, v * k, seed, octaves, cells);
}

// A side's outline: how far the exposed surface lies inside the tile, repeating every tile
// along the side so a run of exposed tiles forms one unbroken edge.
float Profile(float along, uint32_t seed, float amplitude)
{
    return amplitude * TileNoise(along, 0.5f, seed, 3, 2);
}

uint32_t Seed(const TileLook& look) { return uint32_t(look.Number("seed", 1.0f)); }

// Shape of a terrain tile: signed distance inside the exposed outline (large when the tile
// touches nothing open), and the distances to the lit (top, left) and shaded sides.
struct TerrainShape {
    float inside = Open;
    float top = Open, left = Open, bottom = Open, right = Open;
};

TerrainShape TerrainOutline(const TileLook& look, int variant, float u, float v)
{
    const uint32_t seed = Seed(look);
    const float rough = look.Number("rough", 4.0f);
    const float radius = look.Number("corner", 9.0f);
    const int mask = variant < 16 ? variant : 15;
    TerrainShape s;
    if (!(mask & AutoNeighbourUp))
        s.top = v - Profile(u, seed + 11, rough);
    if (!(mask & AutoNeighbourDown))
        s.bottom = (Size - v) - Profile(u, seed + 12, rough * 0.6f);
    if (!(mask & AutoNeighbourLeft))
        s.left = u - Profile(v, seed + 13, rough * 0.8f);
    if (!(mask & AutoNeighbourRight))
        s.right = (Size - u) - Profile(v, seed + 14, rough * 0.8f);
    float d = std::min({s.top, s.bottom, s.left, s.right});
    // Outer corners are rounded where two exposed sides meet.
    auto corner = [&](float a, float b) {
        if (a < radius && b < radius)
            d = std::min(d, radius - std::hypot(radius - a, radius - b));
    };
    corner(s.top, s.left);
    corner(s.top, s.right);
    corner(s.bottom, s.left);
    corner(s.bottom, s.right);
    // Inner corners: the open diagonal bites a notch that meets the neighbours' outlines.
    if (variant >= AutoInnerCornerFirst) {
        const int which = variant - AutoInnerCornerFirst; // TL, TR, BR, BL
        const float cu = (which == 1 || which == 2) ? Size - u : u;
        const float cv = (which >= 2) ? Size - v : v;
        const float fadeU = Clamp01(1.0f - cu / 10.0f), fadeV = Clamp01(1.0f - cv / 10.0f);
        const float depthV = (which >= 2 ? Profile(u, seed + 12, rough * 0.6f) : Profile(u, seed + 11, rough)) * fadeU;
        const float depthU =
            ((which == 1 || which == 2) ? Profile(v, seed + 14, rough * 0.8f) : Profile(v, seed + 13, rough * 0.8f)) *
            fadeV;
        const float notch = std::max(cv - depthV, cu - depthU);
        d = std::min(d, notch);
    }
    s.inside = d;
    return s;
}

// The material inside a terrain mass, before edge lighting: 0..1 brightness and a colour.
Rgba TerrainMaterial(const TileLook& look, int variant, float u, float v)
{
    const uint32_t seed = Seed(look);
    const std::string pattern = look.Text("pattern", "rock");
    const Rgba base = look.Colour("base", Straight(0.3f, 0.3f, 0.35f));
    const Rgba light = look.Colour("light", Straight(0.6f, 0.6f, 0.7f));
    const Rgba dark = look.Colour("dark", Straight(0.05f, 0.05f, 0.08f));
    const int grain = int(look.Number("grain", 5.0f));
    const int interior = variant >= AutoInteriorFirst && variant < AutoInnerCornerFirst
                             ? variant - AutoInteriorFirst + 1
                             : 0;
    // Variation that vanishes at the tile's edges, so interior variants still tile.
    const float bump = std::sin(Pi * u / Size) * std::sin(Pi * v / Size);
    float t = TileNoise(u, v, seed, grain, 4);
    if (interior)
        t += bump * (Fbm(u / 7.0f, v / 7.0f, seed + 97u * uint32_t(interior), 3) - 0.5f) * 0.9f;

    if (pattern == "plates") {
        // One plate per tile: seams on the tile's own edges only, so a wall reads as large
        // plating rather than a grid; rivets in the corners, grime, and on some interiors
        // a vent, a hatch or a conduit.
        Rgba c = Mix(base, dark, 0.25f - 0.5f * (t - 0.5f));
        c = Mix(c, light, 0.10f * (1.0f - v / Size));
        if (u < 1.0f || v < 1.0f)
            return Mix(c, dark, 0.55f);
        if (u < 2.0f || v < 2.0f)
            c = Mix(c, light, 0.18f);
        else if (u > Size - 1.0f || v > Size - 1.0f)
            c = Mix(c, dark, 0.3f);
        for (float ru : {4.0f, 26.0f})
            for (float rv : {4.0f, 26.0f}) {
                const float dr = std::hypot(u - ru, v - rv);
                if (dr < 1.2f)
                    return Mix(c, Mix(light, dark, Clamp01((u - ru + v - rv) * 0.4f + 0.5f)), 0.45f);
            }
        if (interior == 1 && u > 6 && u < 24 && v > 9 && v < 21 && std::fmod(v - 9.0f, 3.0f) < 1.2f)
            return Mix(c, dark, 0.6f);
        if (interior == 2 && u > 7 && u < 23 && v > 7 && v < 23) {
            const bool rim = u < 8.2f || v < 8.2f || u > 21.8f || v > 21.8f;
            return rim ? Mix(c, light, 0.15f) : Mix(c, dark, 0.3f);
        }
        if (interior == 3 && std::fabs(v - 15.0f) < 2.5f)
            return Mix(c, std::fabs(v - 14.0f) < 0.8f ? light : dark, 0.3f);
        const float grime = TileNoise(u, v, seed + 5, 6, 2);
        return Mix(c, dark, Smooth(0.6f, 0.9f, grime) * 0.5f);
    }
    if (pattern == "shade") {
        // Foreground masses: near-black, a faint texture to keep them from looking cut out.
        return Mix(dark, base, Clamp01(t * 1.2f - 0.1f));
    }
    // Rock: lumpy noise, faint strata and dark cracks.
    const float warp = TileNoise(u, v, seed + 3, 3, 2);
    const float strata = 0.5f + 0.5f * std::sin(2.0f * Pi * (v / 10.0f + warp * 0.8f));
    const float crack = std::fabs(TileNoise(u, v, seed + 7, 3, 3) - 0.5f);
    float shade = Smooth(0.25f, 0.8f, t) * 0.8f + strata * 0.2f;
    Rgba c = Mix(dark, base, Clamp01(shade * 1.3f));
    c = Mix(c, light, Smooth(0.72f, 0.95f, t) * 0.35f);
    if (crack < 0.025f)
        c = Mix(c, dark, 0.7f * (1.0f - crack / 0.025f));
    return c;
}

Rgba TerrainSample(const TileLook& look, int variant, float u, float v)
{
    const TerrainShape s = TerrainOutline(look, variant, u, v);
    if (s.inside < 0.0f)
        return {};
    const Rgba light = look.Colour("light", Straight(0.6f, 0.6f, 0.7f));
    const Rgba dark = look.Colour("dark", Straight(0.05f, 0.05f, 0.08f));
    const Rgba rim = look.Colour("rim", light);
    const float rimWidth = look.Number("rim-width", 1.6f);
    const float glow = look.Number("edge-light", 0.45f);
    Rgba c = TerrainMaterial(look, variant, u, v);
    // Masses darken away from their open faces, so big walls read as shapes, not patterns.
    const float open = std::min(s.top, std::min({s.left, s.bottom, s.right}) + 6.0f);
    const float deep = look.Number("deep", 0.6f);
    c = Mix(dark, c, deep + (1.0f - deep) * Clamp01(1.0f - open / 26.0f));
    // Key light from the upper left: exposed tops and left faces are lit, with a bright
    // rim; bottoms and right faces fall into shadow with a dark outline.
    const float lit = std::min(s.top, s.left + 2.0f);
    const float shaded = std::min(s.bottom, s.right);
    if (lit < 8.0f)
        c = Mix(c, light, glow * (1.0f - lit / 8.0f));
    if (shaded < 7.0f)
        c = Mix(c, dark, 0.55f * (1.0f - shaded / 7.0f));
    if (s.inside < rimWidth) {
        if (lit <= shaded + 0.5f)
            c = Mix(c, rim, 0.85f);
        else
            c = Mix(c, dark, 0.8f);
    }
    return c;
}

// A stalactite (or, pointing up, a stalagmite or spire): a tapering jagged cone lit from
// the left. `count 2` draws two thinner ones.
Rgba SpikeSample(const TileLook& look, float u, float v)
{
    const uint32_t seed = Seed(look);
    const bool up = look.Text("dir", "down") == "up";
    const float length = look.Number("length", 28.0f);
    const int count = std::clamp(int(look.Number("count", 1.0f)), 1, 3);
    const Rgba base = look.Colour("base", Straight(0.3f, 0.3f, 0.35f));
    const Rgba light = look.Colour("light", Straight(0.6f, 0.6f, 0.7f));
    const Rgba dark = look.Colour("dark", Straight(0.05f, 0.05f, 0.08f));
    const float t = up ? Size - v : v; // distance from the root
    for (int i = 0; i < count; ++i) {
        const float width = Size / float(count);
        const float len = length * (i % 2 ? 0.72f : 1.0f);
        if (t > len)
            continue;
        const float k = t / len;
        const float sway = (Hash01(int32_t(i), 3, seed) - 0.5f) * 6.0f;
        const float cx = width * (float(i) + 0.5f) + sway * k * k;
        const float jag = (TileNoise(u, t, seed + 40 + uint32_t(i), 4, 2) - 0.5f) * 2.5f * (1.0f - k);
        const float half = width * 0.5f * std::pow(1.0f - k, 1.4f) + jag;
        const float x = u - cx;
        if (std::fabs(x) > half)
            continue;
        const float across = half > 0.01f ? x / half : 0.0f; // -1 left .. 1 right
        const float tex = TileNoise(u, v, seed + 50, 5, 3);
        Rgba c = Mix(dark, base, Clamp01(0.8f - 0.55f * across + (tex - 0.5f) * 0.6f));
        if (across < -0.6f)
            c = Mix(c, light, 0.5f * (-0.6f - across) / 0.4f);
        if (std::fabs(x) > half - 1.0f && across > 0.0f)
            c = Mix(c, dark, 0.6f);
        // The root blends into the mass it hangs from.
        c = Mix(c, Mix(dark, base, 0.7f), Clamp01(1.0f - t / 4.0f) * 0.5f);
        return c;
    }
    return {};
}

// A lattice girder along u (dir h) or v (dir v): two rails and zig-zag braces.
Rgba GirderSample(const TileLook& look, float u, float v)
{
    if (look.Text("dir", "h") == "v")
        std::swap(u, v);
    const Rgba base = look.Colour("base", Straight(0.35f, 0.38f, 0.45f));
    const Rgba light = look.Colour("light", Straight(0.7f, 0.75f, 0.85f));
    const Rgba dark = look.Colour("dark", Straight(0.05f, 0.05f, 0.08f));
    auto rail = [&](float top) -> Rgba {
        const float y = v - top;
        if (y < 0.0f || y > 4.0f)
            return {};
        if (y < 1.0f)
            return light;
        if (y > 3.0f)
            return dark;
        return Mix(base, light, 0.2f);
    };
    Rgba c = rail(3.0f);
    if (c.a == 0.0f)
        c = rail(23.0f);
    if (c.a > 0.0f) {
        if (std::fabs(std::fmod(u, 15.0f) - 7.5f) < 1.0f && (std::fmod(v, 20.0f) > 0.8f))
            c = Mix(c, light, 0.5f); // bolt heads where braces meet
        return c;
    }
    // Braces: a zig-zag from rail to rail, one V per tile.
    const float f = std::fmod(u, 15.0f) / 15.0f;
    const float along = std::floor(u / 15.0f);
    const float yLine = 7.0f + (int(along) % 2 == 0 ? f : 1.0f - f) * 16.0f;
    const float dist = std::fabs(v - yLine) * 0.72f;
    if (v > 7.0f && v < 23.0f && dist < 1.5f)
        return Mix(base, dist < 0.5f ? light : dark, 0.35f);
    return {};
}

// A pipe along u (dir h) or v (dir v) with a collar in the middle of each tile.
Rgba PipeSample(const TileLook& look, float u, float v)
{
    if (look.Text("dir", "h") == "v")
        std::swap(u, v);
    const Rgba base = look.Colour("base", Straight(0.35f, 0.38f, 0.45f));
    const Rgba light = look.Colour("light", Straight(0.7f, 0.75f, 0.85f));
    const Rgba dark = look.Colour("dark", Straight(0.05f, 0.05f, 0.08f));
    const float radius = look.Number("radius", 6.5f);
    const bool collar = std::fabs(u - 15.0f) < 2.0f;
    const float r = collar ? radius + 1.5f : radius;
    const float n = (v - 15.0f) / r;
    if (std::fabs(n) > 1.0f)
        return {};
    // Cylinder shading: a highlight above the axis, falling to shadow underneath.
    const float highlight = std::exp(-(n + 0.45f) * (n + 0.45f) * 10.0f);
    Rgba c = Mix(dark, base, Clamp01(1.0f - (n + 1.0f) * 0.45f + 0.3f));
    c = Mix(c, light, highlight * 0.7f);
    if (collar && std::fabs(std::fabs(u - 15.0f) - 2.0f) < 0.6f)
        c = Mix(c, dark, 0.6f);
    return c;
}

// Breakable armour: four bricks, one per quadrant, each with its own bevel; edges facing
// a shot-away quadrant are chipped.
Rgba BreakableSample(const TileLook& look, int code, float u, float v)
{
    const int quadrants = BreakableQuadrants(code);
    const bool right = u >= 15.0f, bottom = v >= 15.0f;
    const int q = (bottom ? 4 : 1) << (right ? 1 : 0);
    if (!(quadrants & q))
        return {};
    const uint32_t seed = Seed(look);
    const Rgba base = look.Colour("base", Straight(0.4f, 0.3f, 0.25f));
    const Rgba light = look.Colour("light", Straight(0.8f, 0.7f, 0.6f));
    const Rgba dark = look.Colour("dark", Straight(0.05f, 0.05f, 0.05f));
    const Rgba seam = look.Colour("seam", Straight(1.0f, 0.55f, 0.2f));
    const float x = u - (right ? 15.0f : 0.0f), y = v - (bottom ? 15.0f : 0.0f);
    // Chipping along the sides that face a missing neighbour.
    const int horizontalNeighbour = right ? q >> 1 : q << 1;
    const int verticalNeighbour = bottom ? (q >> 2) : (q << 2);
    const float chip = 1.0f + 2.5f * TileNoise(u, v, seed + 9, 6, 2);
    const bool openSide = !(quadrants & horizontalNeighbour);
    const bool openVertical = !(quadrants & verticalNeighbour);
    const float toSide = right ? x : 15.0f - x;
    const float toVertical = bottom ? y : 15.0f - y;
    if ((openSide && toSide < chip) || (openVertical && toVertical < chip))
        return {};
    const float tex = TileNoise(u, v, seed, 5, 3);
    Rgba c = Mix(dark, base, 0.65f + (tex - 0.5f) * 0.7f);
    // Hazard chevrons across the brick so a wall that can be shot reads at a glance.
    const float stripe = std::fmod(u + v + 60.0f, 10.0f);
    if (stripe < 3.0f && x > 3.0f && x < 12.0f && y > 3.0f && y < 12.0f)
        c = Mix(c, seam, 0.55f);
    if (x < 1.2f || y < 1.2f)
        c = Mix(c, light, 0.6f);
    else if (x > 13.8f || y > 13.8f)
        c = Mix(c, dark, 0.75f);
    if ((openSide && toSide < chip + 1.2f) || (openVertical && toVertical < chip + 1.2f))
        c = Mix(c, Mix(seam, dark, 0.4f), 0.7f); // glowing broken edge
    return c;
}

// Light, stored as emitted colour (alpha unused by additive drawing, kept as brightness).
Rgba Light(Rgba colour, float amount)
{
    amount = std::max(0.0f, amount);
    return {colour.r * amount, colour.g * amount, colour.b * amount, std::min(1.0f, amount)};
}

// Additive glows fade out before the tile's edge unless they run on into the next tile.
float EdgeFade(float u, float v) { return Smooth(0.0f, 3.0f, std::min({u, v, Size - u, Size - v})); }

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by)
{
    const float dx = bx - ax, dy = by - ay;
    const float t = Clamp01(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy));
    return std::hypot(px - (ax + dx * t), py - (ay + dy * t));
}

Rgba GlowSample(const TileLook& look, float u, float v)
{
    const uint32_t seed = Seed(look);
    const std::string shape = look.Text("shape", "lamp");
    const Rgba colour = look.Colour("colour", Straight(0.3f, 0.85f, 1.0f));
    const Rgba core = look.Colour("core", Straight(0.95f, 1.0f, 1.0f));
    const float strength = look.Number("strength", 1.0f);
    auto halo = [&](float d, float radius) { return std::exp(-d * d / (radius * radius)); };
    auto coreAndHalo = [&](float d, float coreRadius, float radius) {
        const Rgba h = Light(colour, halo(d, radius) * 0.8f);
        const float k = Smooth(coreRadius + 0.8f, coreRadius - 0.3f, d);
        return Mix(h, Light(core, 1.0f), k);
    };
    Rgba c;
    if (shape == "strip" || shape == "vstrip") {
        // Runs on across tiles: no edge fade along its length.
        const float d = std::fabs((shape == "strip" ? v : u) - 15.0f);
        c = coreAndHalo(d, 0.9f, 4.0f);
        const float along = shape == "strip" ? u : v;
        c = Scaled(c, 0.75f + 0.25f * std::sin(2.0f * Pi * along / 15.0f));
        return Scaled(c, strength * Smooth(14.5f, 9.0f, d));
    }
    if (shape == "crystal") {
        // A cluster of three shards rising from the bottom of the tile.
        float best = Open, inside = -1.0f;
        for (int i = 0; i < 3; ++i) {
            const float bx = 8.0f + 7.0f * float(i) + (Hash01(i, 1, seed) - 0.5f) * 3.0f;
            const float lean = (float(i) - 1.0f) * 5.0f + (Hash01(i, 2, seed) - 0.5f) * 3.0f;
            const float height = 12.0f + 10.0f * Hash01(i, 3, seed) - (i == 1 ? -4.0f : 0.0f);
            const float tx = bx + lean, ty = 28.0f - height;
            const float d = SegmentDistance(u, v, bx, 28.0f, tx, ty);
            const float along = Clamp01((28.0f - v) / height);
            const float w = 2.6f * (1.0f - along) + 0.4f;
            best = std::min(best, d);
            inside = std::max(inside, w - d);
        }
        // The halo dies away inside a round window, so the cell's square never shows.
        const float r2 = ((u - 15.0f) * (u - 15.0f) + (v - 18.0f) * (v - 18.0f)) / (14.5f * 14.5f);
        c = Light(colour, halo(best, 4.0f) * 0.6f * Clamp01(1.0f - r2) * Clamp01(1.0f - r2));
        if (inside > 0.0f)
            c = Mix(c, Mix(Light(colour, 1.0f), Light(core, 1.0f), Smooth(0.0f, 1.6f, inside)), 0.9f);
        return Scaled(c, strength * EdgeFade(u, v));
    }
    if (shape == "windows") {
        // Rows of small lit windows on distant structures; some dark.
        const int col = int(u / 6.0f), row = int(v / 7.5f);
        const float wu = std::fmod(u, 6.0f), wv = std::fmod(v, 7.5f);
        if (Hash01(col, row, seed) > 0.55f && wu > 2.0f && wu < 4.0f && wv > 2.5f && wv < 5.0f)
            c = Light(colour, 0.6f + 0.4f * Hash01(col, row, seed + 1));
        return Scaled(c, strength);
    }
    if (shape == "dots") {
        // A few points of light: spores, distant lamps.
        for (int i = 0; i < 4; ++i) {
            const float x = 4.0f + 22.0f * Hash01(i, 7, seed), y = 4.0f + 22.0f * Hash01(i, 8, seed);
            const float d = std::hypot(u - x, v - y);
            const float size = 0.6f + 0.9f * Hash01(i, 9, seed);
            const Rgba p = coreAndHalo(d, size * 0.5f, size * 2.0f);
            c = {c.r + p.r, c.g + p.g, c.b + p.b, std::min(1.0f, c.a + p.a)};
        }
        return Scaled(c, strength * EdgeFade(u, v));
    }
    // A lamp: a small housing light, or with `beam` a cone of light falling downward.
    const float cy = look.Number("y", 8.0f);
    const float d = std::hypot(u - 15.0f, v - cy);
    c = coreAndHalo(d, look.Number("size", 2.2f), look.Number("radius", 6.0f));
    if (look.Number("beam", 0.0f) > 0.0f && v > cy) {
        const float spread = (v - cy) * 0.45f + 2.0f;
        const float cone = Smooth(spread, spread * 0.4f, std::fabs(u - 15.0f)) * (1.0f - (v - cy) / (Size - cy));
        const Rgba b = Light(colour, cone * 0.25f * look.Number("beam", 0.0f));
        c = {c.r + b.r, c.g + b.g, c.b + b.b, std::min(1.0f, c.a + b.a)};
    }
    return Scaled(c, strength * EdgeFade(u, v));
}

Rgba Sample(const TileLook& look, int variant, int code, float u, float v)
{
    const std::string& p = look.Painter();
    if (p == "terrain")
        return TerrainSample(look, variant, u, v);
    if (p == "spike")
        return SpikeSample(look, u, v);
    if (p == "girder")
        return GirderSample(look, u, v);
    if (p == "pipe")
        return PipeSample(look, u, v);
    if (p == "breakable")
        return BreakableSample(look, code, u, v);
    if (p == "glow")
        return GlowSample(look, u, v);
    return {};
}

} // namespace

bool KnownPainter(const std::string& painter)
{
    for (const char* known : {"terrain", "spike", "girder", "pipe", "breakable", "glow", "backdrop"})
        if (painter == known)
            return true;
    return false;
}

bool IsGlowLook(const TileLook& look) { return look.Painter() == "glow"; }

bool IsSceneLook(const TileLook& look) { return look.Painter() == "backdrop"; }

Image PaintScene(const TileLook& look, int columns, int rows)
{
    return PaintBackdrop(look, columns * TilePixels, rows * TilePixels);
}

Image PaintTile(const TileLook& look, int variant, int code)
{
    Image tile(TilePixels, TilePixels);
    const float step = 1.0f / float(Supersample);
    const float weight = 1.0f / float(Supersample * Supersample);
    for (int y = 0; y < TilePixels; ++y)
        for (int x = 0; x < TilePixels; ++x) {
            Rgba sum;
            for (int sy = 0; sy < Supersample; ++sy)
                for (int sx = 0; sx < Supersample; ++sx) {
                    const float u = float(x) + (float(sx) + 0.5f) * step;
                    const float v = float(y) + (float(sy) + 0.5f) * step;
                    const Rgba s = Sample(look, variant, code, u, v);
                    sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b, sum.a + s.a};
                }
            tile.At(x, y) = Scaled(sum, weight);
        }
    return tile;
}
