#include "tools/tiles/backdrop_painter.hpp"

#include "tools/art/noise.hpp"

#include <algorithm>
#include <cmath>

namespace {

float Clamp01(float x) { return std::clamp(x, 0.0f, 1.0f); }

float Smooth(float e0, float e1, float x)
{
    const float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

float Luma(Rgba c) { return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b; }

enum class Ceiling { None, Rock, Blocks };
enum class Floor { None, Rock, Towers, Walls };

class Backdrop {
public:
    Backdrop(const TileLook& look, int width, int height)
        : width_(float(width)), height_(float(height)), seed_(uint32_t(look.Number("seed", 1.0f))),
          top_(look.Colour("top", Straight(0.08f, 0.09f, 0.16f))),
          horizon_(look.Colour("horizon", Straight(0.3f, 0.32f, 0.42f))),
          bottom_(look.Colour("bottom", Straight(0.1f, 0.1f, 0.16f))), haze_(look.Colour("haze", horizon_)),
          shaft_(look.Colour("shaft", haze_)), mass_(look.Colour("mass", Straight(0.1f, 0.1f, 0.15f))),
          rim_(look.Colour("rim", horizon_)), lights_(look.Colour("lights", Straight(0.4f, 0.5f, 0.65f))),
          water_(look.Colour("water", bottom_)), horizonAt_(look.Number("horizon-at", 0.55f)),
          mist_(look.Number("mist", 0.4f)), shafts_(look.Number("shafts", 0.0f)),
          fogFar_(look.Number("fog", 0.65f)), fogNear_(look.Number("fog-near", 0.2f)),
          ceilingReach_(look.Number("ceiling", 0.15f)), floorReach_(look.Number("floor", 0.15f)),
          towers_(look.Number("towers", 0.5f)), towerWidth_(look.Number("tower-width", 40.0f)),
          towerHeight_(look.Number("tower-height", 120.0f)), cranes_(look.Number("cranes", 0.0f)),
          battlements_(look.Number("battlements", 0.0f) > 0.0f), slits_(look.Number("slits", 0.0f) > 0.0f),
          pillars_(int(look.Number("pillars", 0.0f))),
          windows_(look.Number("windows", 0.3f)), motes_(look.Number("motes", 0.0f)),
          waterAt_(look.Number("water-at", 0.0f)), maxLuma_(look.Number("max", 0.5f)),
          ranks_(std::clamp(int(look.Number("ranks", 2.0f)), 1, 3))
    {
        const std::string ceiling = look.Text("ceiling-shape", "rock"), floor = look.Text("floor-shape", "rock");
        ceiling_ = ceiling == "blocks" ? Ceiling::Blocks : ceiling == "none" ? Ceiling::None : Ceiling::Rock;
        floor_ = floor == "towers" ? Floor::Towers
                 : floor == "walls" ? Floor::Walls
                 : floor == "none"  ? Floor::None
                                    : Floor::Rock;
        // The floor stands on the water line when there is water.
        ground_ = (waterAt_ > 0.0f ? waterAt_ : look.Number("ground-at", 1.0f)) * height_;
    }

    Rgba Sample(float x, float y) const
    {
        if (waterAt_ <= 0.0f || y <= ground_)
            return Above(x, y);
        // Still water: the scene mirrored, rippled more with depth, sinking into the water's colour.
        const float depth = y - ground_;
        const float fall = Clamp01(depth / std::max(1.0f, height_ - ground_));
        const float ripple = (Noise(x * 0.3f, y * 4.0f, 90, 40.0f, 2) - 0.5f) * (2.0f + depth * 0.12f);
        Rgba c = Above(Wrap(x + ripple), std::max(0.0f, ground_ - depth * 1.1f));
        c = Mix(c, water_, 0.3f + 0.5f * fall);
        const float glint = Smooth(0.62f, 0.9f, Noise(x, y * 6.0f, 91, 50.0f, 3)) * std::exp(-depth / 30.0f);
        c = Mix(c, haze_, glint * 0.45f);
        if (depth < 1.5f)
            c = Mix(c, haze_, 0.5f * (1.0f - depth / 1.5f));
        return c;
    }

    Rgba Finish(Rgba c, int px, int py) const
    {
        const float l = Luma(c);
        if (l > maxLuma_)
            c = Scaled(c, maxLuma_ / l);
        // A hair of dither keeps the long gradients from banding in 8 bits.
        const float d = (Hash01(px, py, seed_ + 7u) - 0.5f) / 255.0f;
        return {Clamp01(c.r + d), Clamp01(c.g + d), Clamp01(c.b + d), 1.0f};
    }

private:
    float Wrap(float x) const { return x - width_ * std::floor(x / width_); }

    // Noise that repeats across the picture's width, features about `scale` pixels apart.
    float Noise(float x, float y, uint32_t salt, float scale, int octaves) const
    {
        const int cells = std::max(1, int(std::lround(width_ / scale)));
        const float k = float(cells) / width_;
        return Fbm(Wrap(x) * k, y * k, seed_ + salt, octaves, cells);
    }

    // A slot of a row of `count` evenly spread slots across the width: its index and where
    // in it x lies (0..1).
    struct Slot {
        int index;
        float at;
        float width;
    };
    Slot SlotOf(float x, float size) const
    {
        const int count = std::max(1, int(std::lround(width_ / size)));
        const float w = width_ / float(count);
        const float f = Wrap(x) / w;
        const int i = std::min(count - 1, int(f));
        return {i, f - float(i), w};
    }

    Rgba Gradient(float y) const
    {
        const float v = y / height_;
        if (v < horizonAt_)
            return Mix(top_, horizon_, Smooth(0.0f, 1.0f, v / horizonAt_));
        return Mix(horizon_, bottom_, Smooth(0.0f, 1.0f, (v - horizonAt_) / std::max(0.05f, 1.0f - horizonAt_)));
    }

    Rgba Sky(float x, float y) const
    {
        const float v = y / height_;
        Rgba c = Gradient(y);
        // Mist drifts in long horizontal banks, thickest around the haze band.
        const float band = std::exp(-(v - horizonAt_) * (v - horizonAt_) / 0.05f);
        const float m = Noise(x, y * 2.6f, 11, 150.0f, 5);
        c = Mix(c, haze_, mist_ * (0.35f + 0.65f * band) * Smooth(0.4f, 0.85f, m));
        if (shafts_ > 0.0f) {
            // Light falling from the upper left: bands along x - 0.7 y, fading downward.
            const float along = Noise(x - y * 0.7f, 0.5f, 13, 55.0f, 2);
            const float shaft = Smooth(0.55f, 0.8f, along) * std::pow(Clamp01(1.0f - v * 0.9f), 1.4f);
            c = Mix(c, shaft_, shafts_ * shaft);
        }
        if (motes_ > 0.0f) {
            // Specks of light: spores, sparks, far lamps.
            const int gx = int(Wrap(x) / 5.0f), gy = int(y / 5.0f);
            if (Hash01(gx, gy, seed_ + 17u) > 1.0f - motes_ * 0.02f) {
                const float cx = (float(gx) + 0.5f) * 5.0f, cy = (float(gy) + 0.5f) * 5.0f;
                const float d = std::hypot(Wrap(x) - cx, y - cy);
                c = Mix(c, lights_, 0.8f * std::exp(-d * d / 1.2f));
            }
        }
        return c;
    }

    // Ranks recede toward the haze band: a farther rank's ceiling hangs lower and its floor
    // stands higher, with smaller features. `near` is 1 for the nearest rank.
    float Recede(float near) const { return 1.0f + 0.9f * (1.0f - near); }
    float Scale(float near) const { return 0.45f + 0.55f * near; }

    // How far (in pixels) the ceiling of rank r reaches down at x.
    float CeilingAt(int r, float x, float near) const
    {
        const float reach = ceilingReach_ * height_ * Recede(near);
        const uint32_t salt = 100u * uint32_t(r + 1);
        if (ceiling_ == Ceiling::Blocks) {
            // Stepped bulkheads, in whole steps so they read as built.
            const Slot s = SlotOf(x, 60.0f * Scale(near));
            const float h = reach * (0.5f + 0.8f * Hash01(s.index, r, seed_ + salt));
            return std::floor(h / 8.0f) * 8.0f;
        }
        const float h = reach * (0.45f + 0.8f * Noise(x, float(r) * 37.0f, salt, 160.0f, 4));
        // Two fringes of stalactites of different sizes: straight-sided, a little ragged.
        float hang = 0.0f;
        for (int k = 0; k < 2; ++k) {
            const Slot s = SlotOf(x, (k ? 11.0f : 27.0f) * Scale(near));
            const float length = reach * (k ? 0.4f : 0.9f) * std::pow(Hash01(s.index, r + 8 * k, seed_ + salt + 1), 2.0f);
            const float tip = std::max(0.0f, 1.0f - std::fabs(s.at - 0.5f) * 2.0f);
            hang = std::max(hang, length * tip);
        }
        return h + hang;
    }

    // How high the floor of rank r stands at x above the ground (the bottom or the water).
    float FloorAt(int r, float x, float near, bool withSpires = true) const
    {
        const float reach = floorReach_ * height_ * Recede(near);
        const uint32_t salt = 200u * uint32_t(r + 1);
        if (floor_ == Floor::Walls) {
            // Curtain walls in flat stretches, stepping up and down between the towers.
            const Slot s = SlotOf(x, 90.0f * Scale(near));
            return std::floor(reach * (0.5f + Hash01(s.index, r, seed_ + salt)) / 6.0f) * 6.0f;
        }
        float h = reach * (0.4f + 0.9f * Noise(x, float(r) * 41.0f, salt, 200.0f, 4));
        if (floor_ == Floor::Rock && withSpires) {
            const Slot s = SlotOf(x, 34.0f * Scale(near));
            const float tip = std::max(0.0f, 1.0f - std::fabs(s.at - 0.5f) * 2.2f);
            h += reach * 0.9f * std::pow(Hash01(s.index, r, seed_ + salt + 1), 3.0f) * tip;
        }
        return h;
    }

    // The tower of rank r in the slot under x, if that slot has one: a block with windows,
    // some with a mast, some with a crane's jib reaching out from the top.
    struct Tower {
        float left, right, top, mast, jib;
        int id;
    };
    bool TowerIn(int r, float x, float near, Tower& t) const
    {
        if (floor_ != Floor::Towers && floor_ != Floor::Walls)
            return false;
        const uint32_t salt = 300u * uint32_t(r + 1);
        const Slot s = SlotOf(x, towerWidth_ * Scale(near));
        auto hash = [&](uint32_t k) { return Hash01(s.index, r, seed_ + salt + k); };
        if (hash(0) > towers_)
            return false;
        const float w = s.width * (0.4f + 0.45f * hash(1));
        t.left = x - s.at * s.width + (s.width - w) * hash(2); // in x's own frame, unwrapped
        t.right = t.left + w;
        const float base = ground_ - FloorAt(r, t.left + w * 0.5f, near, false);
        t.top = base - towerHeight_ * Scale(near) * (0.3f + 0.7f * hash(3));
        t.mast = hash(4) < 0.4f ? t.top - 26.0f * Scale(near) * (0.4f + 0.6f * hash(5)) : t.top;
        t.jib = hash(6) < cranes_ ? (40.0f + 40.0f * hash(7)) * Scale(near) : 0.0f;
        t.id = s.index;
        return true;
    }

    // A pillar of rank r at x, if any: ceiling to floor, waisted in the middle.
    bool PillarAt(int r, float x, float y, float near, float& fromLeft) const
    {
        if (pillars_ <= 0)
            return false;
        const uint32_t salt = 400u * uint32_t(r + 1);
        const Slot s = SlotOf(x + 97.0f * float(r), width_ / float(pillars_));
        if (Hash01(s.index, int(r), seed_ + salt) < 0.25f)
            return false;
        const float centre = 0.25f + 0.5f * Hash01(s.index, int(r), seed_ + salt + 1);
        const float half = (9.0f + 13.0f * Hash01(s.index, int(r), seed_ + salt + 2)) * Scale(near);
        const float waist = 0.35f + 0.45f * Hash01(s.index, int(r), seed_ + salt + 3);
        const float span = ground_;
        const float t = std::fabs(2.0f * y / span - 1.0f);
        const float wobble = (Noise(x * 0.2f, y, salt + 4, 30.0f, 3) - 0.5f) * 6.0f * Scale(near);
        const float w = half * (waist + (1.0f - waist) * t * t * t) + wobble;
        const float across = (s.at - centre) * s.width;
        fromLeft = across + w;
        return std::fabs(across) < w;
    }

    // The colour of a silhouette of rank r at height y: its mass sunk into the haze behind.
    Rgba Body(int r, float x, float y) const
    {
        const float near = ranks_ > 1 ? float(r) / float(ranks_ - 1) : 1.0f;
        const float fog = fogFar_ + (fogNear_ - fogFar_) * near;
        const float grain = 0.88f + 0.24f * Noise(x, y, 500u + uint32_t(r), 14.0f, 3);
        const Rgba m = Scaled(mass_, grain);
        return Mix(Mix(m, haze_, 0.25f), Gradient(y), fog);
    }

    Rgba Rimmed(Rgba body, float distance) const
    {
        return distance < 1.2f ? Mix(body, rim_, 0.4f * (1.0f - distance / 1.2f)) : body;
    }

    Rgba Above(float x, float y) const
    {
        Rgba c = Sky(x, y);
        const float wx = Wrap(x);
        for (int r = 0; r < ranks_; ++r) {
            const float near = ranks_ > 1 ? float(r) / float(ranks_ - 1) : 1.0f;
            // Pillars first, so they run up into the ceiling without a seam.
            float fromLeft = 0.0f;
            if (PillarAt(r, x, y, near, fromLeft))
                c = Rimmed(Body(r, x, y), fromLeft);
            if (ceiling_ != Ceiling::None) {
                const float h = CeilingAt(r, x, near);
                if (y < h) {
                    c = Body(r, x, y);
                    if (ceiling_ == Ceiling::Blocks && h - y < 2.0f)
                        c = Mix(c, rim_, 0.2f); // the bulkheads' lower lip catches a little light
                }
            }
            if (floor_ != Floor::None || y > ground_) {
                const float top = ground_ - (floor_ == Floor::None ? 0.0f : FloorAt(r, x, near));
                const float merlon = 4.0f * Scale(near);
                const bool crenel = floor_ == Floor::Walls && battlements_ && y < top + merlon &&
                                    std::fmod(wx, 2.0f * merlon) > merlon;
                if (y > top && !crenel)
                    c = Rimmed(Body(r, x, y), y - top);
            }
            // A tower's slot, and for a crane's jib the slots to its left too.
            for (int k = 0; k < (cranes_ > 0.0f ? 3 : 1); ++k) {
                const float probe = wx - float(k) * towerWidth_ * Scale(near);
                Tower t{};
                if (!TowerIn(r, probe, near, t))
                    continue;
                const float left = t.left, right = t.right, centre = (left + right) * 0.5f;
                const float merlon = 5.0f * Scale(near);
                const bool crenel = battlements_ && y < t.top + merlon && std::fmod(wx - left, 2.0f * merlon) > merlon;
                if (k == 0 && wx >= left && wx < right && y > t.top && !crenel) {
                    c = Rimmed(Body(r, x, y), std::min(y - t.top, wx - left));
                    // Rows of small windows, or of tall arrow slits, some lit.
                    const float pitchU = slits_ ? 6.0f : 4.0f, pitchV = slits_ ? 11.0f : 6.0f;
                    const int col = int((wx - left) / pitchU), row = int((y - t.top) / pitchV);
                    const float cu = std::fmod(wx - left, pitchU), cv = std::fmod(y - t.top, pitchV);
                    const bool pane = slits_ ? cu > 2.5f && cu < 3.7f && cv > 3.0f && cv < 8.0f
                                             : cu > 1.5f && cu < 3.2f && cv > 2.0f && cv < 4.0f;
                    if (pane && right - wx > 2.0f &&
                        Hash01(col + 64 * t.id, row, seed_ + 600u + uint32_t(r)) < windows_)
                        c = Mix(c, lights_, 0.45f + 0.35f * near);
                } else if (k == 0 && std::fabs(wx - centre) < 0.7f && y > t.mast && y <= t.top) {
                    c = Body(r, x, y); // a mast
                } else if (t.jib > 0.0f && wx >= centre && wx < centre + t.jib) {
                    // A crane: a jib from the top of the tower, a cable hanging from its end.
                    const float along = wx - centre;
                    const float jibTop = t.top - 6.0f * Scale(near) * (1.0f - along / t.jib);
                    if (y > jibTop && y < t.top + 1.5f && (std::fmod(along, 6.0f) < 1.0f || y < jibTop + 1.2f ||
                                                             y > t.top))
                        c = Body(r, x, y);
                    if (std::fabs(along - t.jib + 2.0f) < 0.5f && y > t.top && y < t.top + t.jib * 0.6f)
                        c = Body(r, x, y);
                }
            }
        }
        return c;
    }

    float width_, height_;
    uint32_t seed_;
    Rgba top_, horizon_, bottom_, haze_, shaft_, mass_, rim_, lights_, water_;
    float horizonAt_, mist_, shafts_, fogFar_, fogNear_, ceilingReach_, floorReach_, towers_, towerWidth_;
    float towerHeight_, cranes_;
    bool battlements_, slits_;
    int pillars_;
    float windows_, motes_, waterAt_, maxLuma_;
    int ranks_;
    Ceiling ceiling_ = Ceiling::Rock;
    Floor floor_ = Floor::Rock;
    float ground_ = 0.0f;
};

} // namespace

Image PaintBackdrop(const TileLook& look, int width, int height)
{
    const Backdrop backdrop(look, width, height);
    Image picture(width, height);
    constexpr int Samples = 2;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgba sum;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const Rgba s = backdrop.Sample(float(x) + (float(sx) + 0.5f) / Samples,
                                                   float(y) + (float(sy) + 0.5f) / Samples);
                    sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b, 1.0f};
                }
            picture.At(x, y) = backdrop.Finish(Scaled(sum, 1.0f / float(Samples * Samples)), x, y);
        }
    return picture;
}
