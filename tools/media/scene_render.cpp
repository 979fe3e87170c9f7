#include "tools/media/scene_render.hpp"

#include <algorithm>
#include <cmath>

#include "core/random.hpp"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int SurfaceW = 512, SurfaceH = 256, Grid = 640;
constexpr double GridReach = 1.1;   // the grid covers the disc and its halo

float Unit() { return float(Random() % 100000) / 100000.0f; }

// Value noise on a lattice that wraps every `period` cells, summed over octaves: tiles seamlessly.
class TileNoise {
public:
    TileNoise(int seed, int period, int octaves) : period_(period), octaves_(octaves)
    {
        SeedRandom(seed * 7919 + 17);
        for (int o = 0; o < octaves; ++o) {
            const int p = period << o;
            lattice_.emplace_back(size_t(p) * size_t(p));
            for (float& v : lattice_.back())
                v = Unit();
        }
    }
    // u, v in tile units (0..1 wraps); result roughly 0..1.
    float At(double u, double v) const
    {
        double sum = 0.0, amp = 0.5, total = 0.0;
        for (int o = 0; o < octaves_; ++o) {
            const int p = period_ << o;
            sum += amp * Octave(lattice_[size_t(o)], p, u * p, v * p);
            total += amp;
            amp *= 0.5;
        }
        return float(sum / total);
    }

private:
    static float Octave(const std::vector<float>& l, int p, double x, double y)
    {
        const double fx = std::floor(x), fy = std::floor(y);
        const int x0 = ((int(fx) % p) + p) % p, y0 = ((int(fy) % p) + p) % p;
        const int x1 = (x0 + 1) % p, y1 = (y0 + 1) % p;
        double tx = x - fx, ty = y - fy;
        tx = tx * tx * (3 - 2 * tx);
        ty = ty * ty * (3 - 2 * ty);
        const auto at = [&](int a, int b) { return l[size_t(b) * size_t(p) + size_t(a)]; };
        const double top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * tx;
        const double bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * tx;
        return float(top + (bottom - top) * ty);
    }
    int period_, octaves_;
    std::vector<std::vector<float>> lattice_;
};

Rgb Mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

Rgb PaletteAt(const std::vector<std::pair<float, Rgb>>& palette, float h)
{
    if (h <= palette.front().first)
        return palette.front().second;
    for (size_t i = 1; i < palette.size(); ++i)
        if (h <= palette[i].first) {
            const float span = palette[i].first - palette[i - 1].first;
            return Mix(palette[i - 1].second, palette[i].second, span > 0 ? (h - palette[i - 1].first) / span : 1.0f);
        }
    return palette.back().second;
}

// A loop must come back to where it started: round a per-frame motion to whole tiles per loop.
double WholeWraps(double perFrame, int frames, double tile)
{
    const double wraps = std::round(perFrame * frames / tile);
    return wraps * tile / frames;
}

} // namespace

SceneRenderer::SceneRenderer(const Scene& scene)
    : scene_(scene), image_(size_t(Size) * Size), vignette_(size_t(Size) * Size)
{
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const double dx = (x + 0.5) / Size - 0.5, dy = (y + 0.5) / Size - 0.5;
            vignette_[size_t(y) * Size + size_t(x)] = float(1.0 - 0.9 * std::pow(std::sqrt(dx * dx + dy * dy) * 1.3, 2.5));
        }

    if (scene.hasNebula) {
        const NebulaSpec& n = scene.nebula;
        const int period = int(std::lround(n.scale));
        const TileNoise density(n.seed, period, 5), hue(n.seed + 101, std::max(1, period / 2), 3);
        nebula_.resize(size_t(Size) * Size);
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x) {
                const double u = double(x) / Size, v = double(y) / Size;
                const float d = density.At(u, v);
                const float wisp = float(std::pow(std::max(0.0f, d - 0.42f) / 0.58f, 1.4) * n.strength);
                nebula_[size_t(y) * Size + size_t(x)] = Mix(n.colour2, n.colour, std::clamp(hue.At(u, v) * 1.6f - 0.3f, 0.0f, 1.0f));
                Rgb& c = nebula_[size_t(y) * Size + size_t(x)];
                c = {c.r * wisp, c.g * wisp, c.b * wisp};
            }
        driftX_ = scene.loop ? WholeWraps(n.driftX, scene.frames, Size) : n.driftX;
        driftY_ = scene.loop ? WholeWraps(n.driftY, scene.frames, Size) : n.driftY;
    }

    if (scene.hasStars) {
        SeedRandom(scene.stars.seed * 31 + 5);
        for (int i = 0; i < scene.stars.count; ++i) {
            Star s;
            s.x = Unit() * Size;
            s.y = Unit() * Size;
            s.layer = int(Random() % 3);
            s.brightness = (0.25f + 0.75f * Unit() * Unit()) * (0.5f + 0.25f * s.layer);
            s.phase = Unit() * 6.2831853f;
            const float t = Unit();
            s.tint = t < 0.2f ? Rgb{0.75f, 0.85f, 1.0f} : t < 0.3f ? Rgb{1.0f, 0.85f, 0.65f} : Rgb{0.95f, 0.95f, 1.0f};
            stars_.push_back(s);
        }
        // The slowest layer moves a quarter of the speed; it too must wrap whole tiles.
        if (scene.loop) {
            const double base = scene.stars.speed.At(0);
            starSpeedScale_ = base > 0.0 ? WholeWraps(base * 0.25, scene.frames, Size) / (base * 0.25) : 1.0;
        }
    }

    for (const std::string& name : scene.planetOrder) {
        const PlanetSpec& planet = scene.planets.at(name);
        PlanetData p{&planet, {}, {}, scene.loop ? std::round(planet.spin) : planet.spin};
        const TileNoise height(planet.seed, 4, 6), detail(planet.seed + 7, 16, 3);
        p.surface.resize(size_t(SurfaceW) * SurfaceH);
        // Craters: random discs on the map, darker floors and bright rims.
        SeedRandom(planet.seed * 13 + 3);
        struct Crater { float u, v, r; };
        std::vector<Crater> craters(size_t(planet.craters));
        for (Crater& c : craters)
            c = {Unit(), 0.15f + 0.7f * Unit(), 0.01f + 0.04f * Unit() * Unit()};
        for (int y = 0; y < SurfaceH; ++y)
            for (int x = 0; x < SurfaceW; ++x) {
                const double u = double(x) / SurfaceW, v = double(y) / SurfaceH;
                float h = height.At(u, v * 0.5);
                if (planet.bands > 0.0) {
                    const double warp = 0.06 * height.At(u * 2.0, v);
                    const float band = float(0.5 + 0.5 * std::sin((v + warp) * Pi * 14.0) * std::cos((v - warp) * Pi * 5.0));
                    h = h + (band - h) * float(planet.bands);
                }
                h = std::clamp(h + (detail.At(u, v * 0.5) - 0.5f) * 0.25f, 0.0f, 1.0f);
                float crater = 0.0f;
                for (const Crater& c : craters) {
                    double du = std::fabs(u - c.u);
                    du = std::min(du, 1.0 - du) * 2.0;   // the map is twice as wide as tall
                    const double d = std::sqrt(du * du + (v - c.v) * (v - c.v)) / c.r;
                    if (d < 1.2)
                        crater += d < 1.0 ? -0.18f * float(1.0 - d * d) : 0.12f * float(1.0 - (d - 1.0) / 0.2);
                }
                Rgb col = PaletteAt(planet.palette, std::clamp(h + crater, 0.0f, 1.0f));
                const double lat = std::fabs(v - 0.5) * 2.0;
                if (planet.caps > 0.0 && lat > planet.caps - 0.08 * (h - 0.5)) {
                    const float ice = float(std::clamp((lat - planet.caps) / 0.05 + 0.5, 0.0, 1.0));
                    col = Mix(col, Rgb{0.85f, 0.88f, 0.92f}, ice);
                }
                p.surface[size_t(y) * SurfaceW + size_t(x)] = col;
            }

        const double ll = std::sqrt(planet.lightX * planet.lightX + planet.lightY * planet.lightY + planet.lightZ * planet.lightZ);
        const double lx = planet.lightX / ll, ly = planet.lightY / ll, lz = planet.lightZ / ll;
        const double ct = std::cos(planet.tilt), st = std::sin(planet.tilt);
        p.grid.assign(size_t(Grid) * Grid, PlanetData::Cell{});
        for (int gy = 0; gy < Grid; ++gy)
            for (int gx = 0; gx < Grid; ++gx) {
                PlanetData::Cell& cell = p.grid[size_t(gy) * Grid + size_t(gx)];
                const double nx = ((gx + 0.5) / Grid * 2.0 - 1.0) * GridReach;
                const double ny = ((gy + 0.5) / Grid * 2.0 - 1.0) * GridReach;
                const double d2 = nx * nx + ny * ny, d = std::sqrt(d2);
                const double facing = -(nx * lx + ny * ly) / std::max(d, 1e-6);
                cell.distance = float(d);
                if (d2 < 1.0) {
                    const double nz = std::sqrt(1.0 - d2);
                    const double bx = nx * ct - ny * st, by = nx * st + ny * ct;
                    cell.u0 = float(std::atan2(bx, nz) / (2.0 * Pi));
                    cell.v = float(std::asin(std::clamp(by, -1.0, 1.0)) / Pi + 0.5);
                    const double lambert = nx * lx + ny * ly + nz * lz;
                    cell.shade = float(0.02 + 0.98 * std::clamp(lambert * 1.15 + 0.05, 0.0, 1.0));
                    cell.rim = float(std::pow(1.0 - nz, 2.5) * std::clamp(lambert + 0.35, 0.0, 1.0));
                } else {
                    // The halo outside the disc: lit side only, falling off fast.
                    cell.rim = float(std::exp(-(d - 1.0) * 30.0) * std::clamp(facing * 0.8 + 0.4, 0.0, 1.0) * 0.8);
                    cell.shade = -1.0f;
                }
            }
        planets_.push_back(std::move(p));
    }
}

void SceneRenderer::DrawBackground(int frame)
{
    const Rgb bg = scene_.background;
    if (nebula_.empty()) {
        std::fill(image_.begin(), image_.end(), bg);
        return;
    }
    const int ox = int(std::lround(driftX_ * frame)), oy = int(std::lround(driftY_ * frame));
    for (int y = 0; y < Size; ++y) {
        const int ny = (((y + oy) % Size) + Size) % Size;
        for (int x = 0; x < Size; ++x) {
            const int nx = (((x + ox) % Size) + Size) % Size;
            const Rgb n = nebula_[size_t(ny) * Size + size_t(nx)];
            image_[size_t(y) * Size + size_t(x)] = {bg.r + n.r, bg.g + n.g, bg.b + n.b};
        }
    }
}

void SceneRenderer::AddGlow(float cx, float cy, float radius, Rgb colour)
{
    const int r = int(std::ceil(radius * 2.5f));
    const int x0 = std::max(0, int(cx) - r), x1 = std::min(Size - 1, int(cx) + r);
    const int y0 = std::max(0, int(cy) - r), y1 = std::min(Size - 1, int(cy) + r);
    const float inv = 1.0f / (radius * radius);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            const float w = std::exp(-(dx * dx + dy * dy) * inv);
            Rgb& c = image_[size_t(y) * Size + size_t(x)];
            c.r += colour.r * w;
            c.g += colour.g * w;
            c.b += colour.b * w;
        }
}

void SceneRenderer::DrawStars(int frame)
{
    static constexpr float factor[3] = {0.25f, 0.5f, 1.0f};
    // Distance travelled is the integral of the (keyed) speed, so a speed change never jumps.
    double travelled = 0.0;
    for (int f = 0; f < frame; ++f)
        travelled += scene_.stars.speed.At(f) * starSpeedScale_;
    const double speed = scene_.stars.speed.At(frame) * starSpeedScale_;
    for (const Star& s : stars_) {
        float x = float(std::fmod(s.x - travelled * factor[s.layer], double(Size)));
        if (x < 0)
            x += Size;
        const float twinkle = 0.8f + 0.2f * std::sin(s.phase + 2.0f * 3.14159265f * 3.0f * float(frame) / float(scene_.frames));
        const float b = s.brightness * twinkle;
        const Rgb c{s.tint.r * b, s.tint.g * b, s.tint.b * b};
        const float streak = float(speed * factor[s.layer] * scene_.stars.streak);
        if (streak > 1.0f) {
            for (int k = 0; k < int(streak); ++k) {
                const float w = 1.0f - float(k) / streak;
                AddGlow(x + float(k), s.y, 0.7f, {c.r * w * 0.6f, c.g * w * 0.6f, c.b * w * 0.6f});
            }
        } else {
            AddGlow(x, s.y, 0.55f + 0.25f * s.layer, c);
        }
    }
}

void SceneRenderer::DrawPlanet(const PlanetData& p, int frame)
{
    const PlanetSpec& planet = *p.planet;
    const double radius = std::max(1.0, p.planet->radius.At(frame));
    const double cx = planet.x.At(frame), cy = planet.y.At(frame);
    const double reach = radius * GridReach;
    const double rotation = p.spin * frame / scene_.frames;
    const float turn = float(rotation - std::floor(rotation));
    const int x0 = std::max(0, int(cx - reach)), x1 = std::min(Size - 1, int(cx + reach));
    const int y0 = std::max(0, int(cy - reach)), y1 = std::min(Size - 1, int(cy + reach));
    const double toGrid = Grid / (2.0 * reach);
    for (int y = y0; y <= y1; ++y) {
        const int gy = int((y + 0.5 - cy + reach) * toGrid);
        if (gy < 0 || gy >= Grid)
            continue;
        for (int x = x0; x <= x1; ++x) {
            const int gx = int((x + 0.5 - cx + reach) * toGrid);
            if (gx < 0 || gx >= Grid)
                continue;
            const PlanetData::Cell& cell = p.grid[size_t(gy) * Grid + size_t(gx)];
            Rgb& c = image_[size_t(y) * Size + size_t(x)];
            const float rim = cell.rim;
            const Rgb a = planet.atmosphere;
            const float as = float(planet.atmosphereStrength);
            if (cell.shade < 0.0f) {
                c = {c.r + a.r * rim * as, c.g + a.g * rim * as, c.b + a.b * rim * as};
                continue;
            }
            // The visible hemisphere shows half of the map.
            const int sx = int((cell.u0 * 0.5f + turn + 1.0f) * SurfaceW) & (SurfaceW - 1);
            const int sy = std::min(SurfaceH - 1, int(cell.v * SurfaceH));
            const Rgb s = p.surface[size_t(sy) * SurfaceW + size_t(sx)];
            const float sh = cell.shade;
            Rgb lit{s.r * sh + a.r * rim * as, s.g * sh + a.g * rim * as, s.b * sh + a.b * rim * as};
            // Soft edge: coverage from the distance to the rim, in pixels.
            const float cover = std::min(1.0f, (1.0f - cell.distance) * float(radius));
            c = Mix(c, lit, cover);
        }
    }
}

void SceneRenderer::DrawFleets(int frame)
{
    for (size_t n = 0; n < scene_.fleets.size(); ++n) {
        const FleetSpec& f = scene_.fleets[n];
        if (frame < f.start - 100 || frame > f.end + 100)
            continue;
        SeedRandom(f.seed * 101 + 9);
        const double dirX = f.toX - f.fromX, dirY = f.toY - f.fromY;
        const double len = std::max(1e-6, std::sqrt(dirX * dirX + dirY * dirY));
        const double ux = dirX / len, uy = dirY / len;
        for (int i = 0; i < f.count; ++i) {
            const double ox = (Unit() - 0.5) * f.spread * 2.0, oy = (Unit() - 0.5) * f.spread;
            const double lag = Unit() * 0.25, size = f.size * (0.6 + 0.6 * Unit());
            const double t = (frame - f.start) / (f.end - f.start) - lag;
            const double px = f.fromX + dirX * t + ox, py = f.fromY + dirY * t + oy;
            if (px < -40 || px > Size + 40 || py < -40 || py > Size + 40)
                continue;
            // A dark arrowhead pointing along the flight, lit faintly from above.
            const double ax = px + ux * size, ay = py + uy * size;
            const double bx = px - ux * size * 0.7 - uy * size * 0.55, by = py - uy * size * 0.7 + ux * size * 0.55;
            const double cx2 = px - ux * size * 0.7 + uy * size * 0.55, cy2 = py - uy * size * 0.7 - ux * size * 0.55;
            const int x0 = std::max(0, int(std::min({ax, bx, cx2}))), x1 = std::min(Size - 1, int(std::max({ax, bx, cx2})) + 1);
            const int y0 = std::max(0, int(std::min({ay, by, cy2}))), y1 = std::min(Size - 1, int(std::max({ay, by, cy2})) + 1);
            const auto edge = [](double x0_, double y0_, double x1_, double y1_, double x, double y) {
                return (x1_ - x0_) * (y - y0_) - (y1_ - y0_) * (x - x0_);
            };
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x) {
                    const double sx = x + 0.5, sy = y + 0.5;
                    const double e0 = edge(ax, ay, bx, by, sx, sy), e1 = edge(bx, by, cx2, cy2, sx, sy), e2 = edge(cx2, cy2, ax, ay, sx, sy);
                    if ((e0 >= 0 && e1 >= 0 && e2 >= 0) || (e0 <= 0 && e1 <= 0 && e2 <= 0)) {
                        const float shade = float(0.05 + 0.06 * std::clamp((py - sy) / size + 0.5, 0.0, 1.0));
                        image_[size_t(y) * Size + size_t(x)] = {shade, shade, shade * 1.2f};
                    }
                }
            const float flicker = 0.8f + 0.2f * std::sin(float(frame) * 1.7f + float(i));
            AddGlow(float(px - ux * size * 0.75), float(py - uy * size * 0.75), float(size * 0.18),
                    {1.0f * flicker, 0.35f * flicker, 0.12f * flicker});
        }
    }
}

void SceneRenderer::DrawBursts(int frame)
{
    for (const BurstSpec& b : scene_.bursts) {
        const double t = (frame - b.frame) / b.duration;
        if (t < 0.0 || t >= 1.0)
            continue;
        const float fade = float((1.0 - t) * (1.0 - t));
        AddGlow(float(b.x), float(b.y), float(b.size * (0.25 + 0.5 * t)), {1.6f * fade, 0.9f * fade, 0.4f * fade});
        AddGlow(float(b.x), float(b.y), float(b.size * 0.12), {1.5f * fade, 1.4f * fade, 1.2f * fade});
        // The shock ring.
        const double ring = b.size * (0.3 + 1.4 * t);
        const int steps = int(ring * 2.0) + 8;
        for (int k = 0; k < steps; ++k) {
            const double a = 2.0 * Pi * k / steps;
            AddGlow(float(b.x + std::cos(a) * ring), float(b.y + std::sin(a) * ring * 0.6), 1.2f,
                    {0.5f * fade, 0.3f * fade, 0.15f * fade});
        }
    }
}

void SceneRenderer::Finish(int frame, std::vector<uint8_t>& rgb)
{
    const float brightness = float(scene_.brightness.At(frame));
    const float flash = float(scene_.flash.At(frame));
    Rgb pulse{};
    if (scene_.pulsePeriod > 0.0) {
        const float w = float(scene_.pulseStrength * std::pow(0.5 + 0.5 * std::cos(2.0 * Pi * frame / scene_.pulsePeriod), 4.0));
        pulse = {scene_.pulseColour.r * w, scene_.pulseColour.g * w, scene_.pulseColour.b * w};
    }
    rgb.resize(size_t(Size) * Size * 3);
    const auto byte = [](float v) { return uint8_t(v <= 0.0f ? 0 : v >= 1.0f ? 255 : int(v * 255.0f + 0.5f)); };
    uint8_t* out = rgb.data();
    for (size_t i = 0; i < image_.size(); ++i, out += 3) {
        const float v = vignette_[i] * brightness;
        const Rgb c = image_[i];
        out[0] = byte((c.r + pulse.r) * v + flash);
        out[1] = byte((c.g + pulse.g) * v + flash);
        out[2] = byte((c.b + pulse.b) * v + flash);
    }
}

void SceneRenderer::Render(int frame, std::vector<uint8_t>& rgb)
{
    DrawBackground(frame);
    if (scene_.hasStars)
        DrawStars(frame);
    for (const PlanetData& p : planets_)
        DrawPlanet(p, frame);
    DrawFleets(frame);
    DrawBursts(frame);
    Finish(frame, rgb);
}
