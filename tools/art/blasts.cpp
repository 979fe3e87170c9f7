// Explosions, shock rings, particles and the force charge: 32-frame animations in 8 x 4
// cells, centred and rotation-free in look (the game spins them at random angles).
#include "tools/art/families.hpp"
#include "tools/art/noise.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace {

constexpr float Pi = std::numbers::pi_v<float>;

// Fire colour by heat 0..1: smoke, deep red, orange, yellow, white.
Rgba FireRamp(float heat, Rgba smoke)
{
    static const Rgba stops[] = {Straight(0.35f, 0.08f, 0.03f), Straight(0.95f, 0.35f, 0.05f), Straight(1.0f, 0.75f, 0.25f),
                                 Straight(1.0f, 0.97f, 0.85f)};
    if (heat <= 0.0f)
        return smoke;
    if (heat < 0.2f)
        return Mix(smoke, stops[0], heat / 0.2f);
    const float k = std::min(heat - 0.2f, 0.7999f) / 0.8f * 3.0f;
    const int i = std::min(2, int(k));
    return Mix(stops[i], stops[i + 1], k - float(i));
}

template <typename Fn>
void ShadeCells(Image& img, int cols, int rows, Fn fn)
{
    const int cw = img.Width() / cols, ch = img.Height() / rows;
    for (int i = 0; i < cols * rows; ++i)
        img.Shade((i % cols) * cw, (i / cols) * ch, cw, ch, [&](float u, float v) {
            if (u < 1.0f || v < 1.0f || u > float(cw) - 1.0f || v > float(ch) - 1.0f)
                return Rgba{};
            return fn(i, u / float(cw) * 2 - 1, v / float(ch) * 2 - 1);
        });
}

} // namespace

Image ExplosionSheet(ArtContext& ctx)
{
    const int cols = int(ctx.source.Number("cells", 8, 0)), rows = int(ctx.source.Number("cells", 4, 1));
    const int frames = cols * rows;
    const Rgba smoke = ctx.source.Colour("smoke", Straight(0.16f, 0.14f, 0.15f));
    const auto seed = uint32_t(ctx.source.Number("seed", 3));
    Image img(ctx.Width(), ctx.Height());
    ShadeCells(img, cols, rows, [&](int i, float x, float y) {
        const float t = float(i) / float(frames - 1);
        const float radius = 0.4f + 0.45f * (1.0f - std::pow(1.0f - t, 2.0f));
        const float r = std::sqrt(x * x + y * y);
        const float a = std::atan2(y, x);
        // Shape noise (broad) makes lobes; detail noise (fine) boils inside. Both grow with
        // the ball so its outline keeps its character while it expands.
        const float sx = x / radius, sy = y / radius;
        const float shape = Fbm(sx * 1.3f + 7.0f, sy * 1.3f + 3.0f, seed, 3);
        const float detail = Fbm(sx * 3.0f + t * 2.0f, sy * 3.0f - t * 1.5f, seed + 40, 5);
        const float lobes = (0.06f * std::sin(a * 5.0f + 1.3f) + 0.04f * std::sin(a * 8.0f + 0.4f)) * std::min(1.0f, r / radius);
        const float d = r / radius + (shape - 0.5f) * (0.55f + 0.4f * t) + lobes;
        if (d >= 1.15f)
            return Rgba{};
        const float cooling = std::pow(1.0f - t, 0.9f);
        const float flash = t < 0.15f ? (0.15f - t) * 5.0f : 0.0f;
        const float heat = std::clamp((1.05f - d) * 1.7f * cooling + flash - (detail - 0.5f) * 0.9f * (0.4f + t), 0.0f, 1.0f);
        const float edge = Smoothstep(1.15f, 0.7f, d);
        // Late frames thin out into broken smoke and vanish.
        const float fade = 1.0f - Smoothstep(0.6f, 1.0f, t);
        const float broken = Smoothstep(0.2f, 0.6f, detail + (0.6f - t) * 0.4f);
        const float density = edge * fade * (1.0f + (broken - 1.0f) * Smoothstep(0.45f, 0.8f, t));
        const Rgba c = FireRamp(heat, smoke);
        return Scaled(Rgba{c.r, c.g, c.b, 1}, std::clamp(density * (0.85f + 0.15f * heat), 0.0f, 1.0f));
    });
    return img;
}

Image ExplosionRingSheet(ArtContext& ctx)
{
    const int cols = int(ctx.source.Number("cells", 8, 0)), rows = int(ctx.source.Number("cells", 4, 1));
    const int frames = cols * rows;
    const Rgba inner = ctx.source.Colour("inner", Straight(1.0f, 0.9f, 0.6f));
    const Rgba outer = ctx.source.Colour("outer", Straight(1.0f, 0.45f, 0.1f));
    const auto seed = uint32_t(ctx.source.Number("seed", 9));
    Image img(ctx.Width(), ctx.Height());
    ShadeCells(img, cols, rows, [&](int i, float x, float y) {
        const float t = float(i) / float(frames - 1);
        const float r = std::sqrt(x * x + y * y), a = std::atan2(y, x);
        const float ringR = 0.15f + 0.8f * (1.0f - std::pow(1.0f - t, 2.0f));
        const float width = 0.08f + 0.12f * t;
        const float n = ValueNoise(a * 4.0f / Pi + 8.0f, t * 6.0f, seed, 0);
        const float ring = Falloff(std::fabs(r - ringR), width, 1.5f) * (0.7f + 0.5f * n) * (1.0f - t);
        const float flash = Falloff(r, 0.9f * (1.0f - t) + 0.05f, 2.0f) * std::pow(1.0f - t, 3.0f) * 1.4f;
        const Rgba c = Mix(inner, outer, std::min(1.0f, t * 1.5f));
        const float k = std::min(1.2f, ring + flash);
        const float white = std::min(1.0f, flash * 0.8f);
        return Rgba{std::min(1.0f, c.r * k + white * 0.3f), std::min(1.0f, c.g * k + white * 0.3f),
                    std::min(1.0f, c.b * k + white * 0.3f), std::min(1.0f, k)};
    });
    return img;
}

namespace {

// White particle shapes (alpha = intensity): the emitters tint them.
using ParticleShape = float (*)(float x, float y, uint32_t seed);

float SoftDot(float x, float y, uint32_t) { return Falloff(std::sqrt(x * x + y * y), 1.0f, 2.2f); }
float HardDot(float x, float y, uint32_t) { return Smoothstep(0.55f, 0.45f, std::sqrt(x * x + y * y)) + Falloff(std::sqrt(x * x + y * y), 1.0f, 3.0f) * 0.5f; }

float Flare(float x, float y, uint32_t)
{
    const float r = std::sqrt(x * x + y * y);
    const float rays = Falloff(std::fabs(x), 0.06f, 1.0f) * Falloff(std::fabs(y), 1.0f, 1.0f) +
                       Falloff(std::fabs(y), 0.06f, 1.0f) * Falloff(std::fabs(x), 1.0f, 1.0f);
    return std::min(1.0f, Falloff(r, 0.35f, 1.0f) + rays * 0.8f + Falloff(r, 1.0f, 3.0f) * 0.5f);
}

float StarFlare(float x, float y, uint32_t seed)
{
    const float r = std::sqrt(x * x + y * y), a = std::atan2(y, x);
    float rays = 0.0f;
    for (int k = 0; k < 3; ++k)
        rays += std::pow(std::fabs(std::cos(a * float(3 + k * 2) + Hash01(k, 0, seed) * Pi)), 30.0f) * (0.6f - 0.15f * float(k));
    return std::min(1.0f, Falloff(r, 0.3f, 1.0f) + rays * Falloff(r, 1.0f, 1.0f) + Falloff(r, 0.7f, 2.5f) * 0.6f);
}

float RingShape(float x, float y, uint32_t) { return Falloff(std::fabs(std::sqrt(x * x + y * y) - 0.7f), 0.18f, 1.5f); }

float FlareRing(float x, float y, uint32_t)
{
    const float r = std::sqrt(x * x + y * y);
    return std::min(1.0f, Falloff(std::fabs(r - 0.62f), 0.25f, 1.6f) + Falloff(r, 0.35f, 1.5f) * 0.8f);
}

float Droplet(float x, float y, uint32_t)
{
    // A falling drop: round bottom, pointed top, with a bright rim.
    const float yy = y < 0 ? y * 0.55f : y;
    const float r = std::sqrt(x * x * 2.2f + yy * yy);
    return Smoothstep(0.8f, 0.6f, r) * (0.45f + 0.55f * Smoothstep(0.3f, 0.7f, r)) + Falloff(r, 1.0f, 3.0f) * 0.3f;
}

float Bubble(float x, float y, uint32_t)
{
    const float r = std::sqrt(x * x + y * y);
    const float rim = Falloff(std::fabs(r - 0.72f), 0.14f, 1.2f);
    const float shine = Falloff(std::sqrt((x + 0.3f) * (x + 0.3f) + (y + 0.3f) * (y + 0.3f)), 0.22f, 1.5f);
    return std::min(1.0f, rim * 0.9f + shine + (r < 0.72f ? 0.08f : 0.0f));
}

float Streak(float x, float y, uint32_t) { return Falloff(std::fabs(y), 0.15f, 1.2f) * Falloff(std::fabs(x), 1.0f, 1.2f); }

float Smoke(float x, float y, uint32_t seed)
{
    const float n = Fbm(x * 2 + 5, y * 2 + 5, seed, 4);
    return Falloff(std::sqrt(x * x + y * y), 1.0f, 1.2f) * Smoothstep(0.3f, 0.7f, n);
}

float Burst(float x, float y, uint32_t seed)
{
    // The detonation flare: a disc of light with long uneven rays reaching the edges.
    const float r = std::sqrt(x * x + y * y), a = std::atan2(y, x);
    const float rays = std::pow(ValueNoise(a * 24.0f / Pi + 50.0f, 0.5f, seed, 48), 3.0f);
    const float edge = Smoothstep(1.0f, 0.6f, r);
    return std::min(1.0f, (Falloff(r, 0.45f, 1.2f) + rays * Falloff(r, 1.0f, 0.8f) * 0.9f + Falloff(r, 1.0f, 2.0f) * 0.4f) * edge);
}

float Shard(float x, float y, uint32_t seed)
{
    const float a = Hash01(1, 1, seed) * Pi;
    const float rx = x * std::cos(a) - y * std::sin(a), ry = x * std::sin(a) + y * std::cos(a);
    return Smoothstep(0.5f, 0.4f, std::fabs(rx) * 0.7f + std::fabs(ry) * 2.0f) + Falloff(std::sqrt(x * x + y * y), 0.9f, 3.0f) * 0.4f;
}

const std::map<std::string, ParticleShape>& ParticleShapes()
{
    static const std::map<std::string, ParticleShape> shapes = {
        {"soft", SoftDot}, {"dot", HardDot},       {"flare", Flare},   {"star", StarFlare},
        {"ring", RingShape}, {"flare-ring", FlareRing}, {"droplet", Droplet}, {"bubble", Bubble},
        {"streak", Streak}, {"smoke", Smoke},      {"burst", Burst},   {"shard", Shard},
    };
    return shapes;
}

} // namespace

Image ParticleSheet(ArtContext& ctx)
{
    const int cols = int(ctx.source.Number("cells", 8, 0)), rows = int(ctx.source.Number("cells", 4, 1));
    std::vector<ParticleShape> shapes(size_t(cols * rows), SoftDot);
    for (const auto& cell : ctx.source.All("cell")) {
        const int n = std::atoi(cell[0].c_str());
        const auto it = ParticleShapes().find(cell.size() > 1 ? cell[1] : "");
        if (n < 0 || n >= cols * rows || it == ParticleShapes().end()) {
            ctx.errors.push_back("bad particle cell line for cell " + cell[0]);
            continue;
        }
        shapes[size_t(n)] = it->second;
    }
    Image img(ctx.Width(), ctx.Height());
    ShadeCells(img, cols, rows, [&](int i, float x, float y) {
        return Straight(1, 1, 1, std::clamp(shapes[size_t(i)](x, y, uint32_t(i * 17 + 1)), 0.0f, 1.0f));
    });
    return img;
}

Image ForceChargeSheet(ArtContext& ctx)
{
    // A looping charge: a bright core with energy filaments spiralling in.
    const int cols = int(ctx.source.Number("cells", 8, 0)), rows = int(ctx.source.Number("cells", 4, 1));
    const int frames = cols * rows;
    const Rgba colour = ctx.source.Colour("colour", Straight(0.3f, 0.75f, 1.0f));
    const auto seed = uint32_t(ctx.source.Number("seed", 21));
    Image img(ctx.Width(), ctx.Height());
    ShadeCells(img, cols, rows, [&](int i, float x, float y) {
        const float t = float(i) / float(frames);
        const float r = std::sqrt(x * x + y * y), a = std::atan2(y, x);
        float filaments = 0.0f;
        for (int k = 0; k < 3; ++k) {
            const float phase = a + r * 5.0f + 2 * Pi * t * float(k % 2 ? 1 : -1) + float(k) * 2.1f;
            filaments += std::pow(std::fabs(std::cos(phase * 1.5f)), 24.0f) * Smoothstep(0.95f, 0.4f, r) * Smoothstep(0.05f, 0.3f, r);
        }
        const float flicker = 0.85f + 0.15f * ValueNoise(t * 32.0f, 0.0f, seed, 32);
        const float core = Falloff(r, 0.4f * flicker, 1.3f);
        const float halo = Falloff(r, 1.0f, 2.5f) * 0.6f;
        const float k = std::min(1.0f, filaments * 0.8f + halo);
        const float white = std::min(1.0f, core * 1.3f);
        return Rgba{std::min(1.0f, colour.r * k + white), std::min(1.0f, colour.g * k + white),
                    std::min(1.0f, colour.b * k + white), std::min(1.0f, k + white)};
    });
    return img;
}
