// Shell screen pictures: space backdrops behind the menus, the title logo, the studio logo,
// the boot banner and the window icon. One fighter silhouette ties them together.
#include "tools/art/canvas.hpp"
#include "tools/art/families.hpp"
#include "tools/art/noise.hpp"
#include "core/random.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

Rgba Col(ArtContext& ctx, const char* key, Rgba fallback, size_t index = 0)
{
    return Unpremultiplied(ctx.source.Colour(key, fallback, index));
}

// The player's fighter seen from the side, nose to the right, in a unit box (-1..1).
void FighterPath(cairo_t* cr)
{
    cairo_move_to(cr, 1.0, 0.05);
    cairo_line_to(cr, 0.35, -0.12);
    cairo_line_to(cr, 0.05, -0.32);
    cairo_line_to(cr, -0.45, -0.34);
    cairo_line_to(cr, -0.75, -0.7);
    cairo_line_to(cr, -0.95, -0.7);
    cairo_line_to(cr, -0.85, -0.2);
    cairo_line_to(cr, -1.0, -0.12);
    cairo_line_to(cr, -1.0, 0.2);
    cairo_line_to(cr, -0.7, 0.3);
    cairo_line_to(cr, -0.2, 0.55);
    cairo_line_to(cr, 0.05, 0.55);
    cairo_line_to(cr, 0.0, 0.25);
    cairo_line_to(cr, 0.6, 0.18);
    cairo_close_path(cr);
}

void DrawFighter(Canvas& canvas, double cx, double cy, double scale, Rgba hull, Rgba light)
{
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, scale, scale);
    FighterPath(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -0.7, 0, 0.6);
    AddStop(p, 0, Straight(std::min(1.0f, hull.r * 1.8f), std::min(1.0f, hull.g * 1.8f), std::min(1.0f, hull.b * 1.8f)));
    AddStop(p, 0.5, hull);
    AddStop(p, 1, Straight(hull.r * 0.35f, hull.g * 0.35f, hull.b * 0.35f));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Canopy and engine glow.
    cairo_move_to(cr, 0.42, -0.1);
    cairo_line_to(cr, 0.1, -0.26);
    cairo_line_to(cr, -0.12, -0.25);
    cairo_line_to(cr, 0.0, -0.1);
    cairo_close_path(cr);
    canvas.SetColour(light);
    cairo_fill(cr);
    cairo_arc(cr, -1.0, 0.04, 0.13, 0, 2 * Pi);
    canvas.SetColour(Straight(1.0f, 0.75f, 0.35f));
    cairo_fill(cr);
    cairo_restore(cr);
}

Rgba Over(Rgba top, Rgba under)
{
    const float k = 1.0f - top.a;
    return {top.r + under.r * k, top.g + under.g * k, top.b + under.b * k, top.a + under.a * k};
}

void Stars(Image& img, int count, int32_t seed)
{
    SeedRandom(seed);
    for (int i = 0; i < count; ++i) {
        const float x = float(Random() % (img.Width() * 16)) / 16.0f;
        const float y = float(Random() % (img.Height() * 16)) / 16.0f;
        const float b = 0.25f + float(Random() % 1000) / 1000.0f * 0.75f;
        const int hue = Random() % 3;
        const Rgba tint = hue == 0 ? Straight(0.8f, 0.88f, 1.0f) : (hue == 1 ? Straight(1.0f, 0.92f, 0.8f) : Straight(1, 1, 1));
        const float size = b > 0.9f ? 2.2f : 1.0f;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx) {
                const float px = std::floor(x) + float(dx) + 0.5f, py = std::floor(y) + float(dy) + 0.5f;
                const float d = std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
                const float k = Falloff(d, size, 1.5f) * b;
                if (k > 0)
                    img.Add(int(px), int(py), Rgba{tint.r * k, tint.g * k, tint.b * k, 0});
            }
    }
}

} // namespace

Image SpaceBackdrop(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const auto seed = uint32_t(ctx.source.Number("seed", 1));
    const Rgba top = ctx.source.Colour("sky", Straight(0.02f, 0.03f, 0.08f), 0);
    const Rgba bottom = ctx.source.Colour("sky", Straight(0.0f, 0.0f, 0.02f), 1);
    const Rgba nebA = ctx.source.Colour("nebula", Straight(0.1f, 0.3f, 0.6f), 0);
    const Rgba nebB = ctx.source.Colour("nebula", Straight(0.5f, 0.1f, 0.4f), 1);
    const float nebStrength = ctx.source.Number("nebula-strength", 0.6f);
    const float scale = ctx.source.Number("nebula-scale", 3.0f);
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        const float u = x / float(h), v = y / float(h); // square noise units
        const Rgba sky = Mix(top, bottom, y / float(h));
        const float warp = Fbm(u * scale * 0.5f + 3, v * scale * 0.5f, seed + 5, 3);
        const float n = Fbm(u * scale + warp * 2, v * scale, seed, 6);
        const float m = Fbm(u * scale * 1.7f + 11, v * scale * 1.7f - warp, seed + 9, 5);
        const float cloud = std::pow(Smoothstep(0.35f, 0.85f, n), 1.5f) * nebStrength;
        const float dust = Smoothstep(0.55f, 0.8f, m) * 0.6f; // dark lanes cut through
        const Rgba neb = Mix(nebA, nebB, Smoothstep(0.3f, 0.7f, m));
        const float k = cloud * (1.0f - dust);
        return Rgba{sky.r + neb.r * k, sky.g + neb.g * k, sky.b + neb.b * k, 1.0f};
    });
    Stars(img, int(ctx.source.Number("stars", 600)), int32_t(seed * 7919u + 1u));
    // "planet x y radius colour rim [light-x light-y]"
    for (const auto& planet : ctx.source.All("planet")) {
        if (planet.size() < 5) {
            ctx.errors.push_back("planet needs x y radius colour rim");
            continue;
        }
        const float px = std::strtof(planet[0].c_str(), nullptr), py = std::strtof(planet[1].c_str(), nullptr);
        const float pr = std::strtof(planet[2].c_str(), nullptr);
        Rgba surface = Straight(0.3f, 0.4f, 0.6f), rim = Straight(0.4f, 0.8f, 1.0f);
        if (!ctx.source.ParseColour(planet[3], surface) || !ctx.source.ParseColour(planet[4], rim))
            ctx.errors.push_back("planet: bad colour '" + planet[3] + "' or '" + planet[4] + "'");
        float lx = planet.size() > 6 ? std::strtof(planet[5].c_str(), nullptr) : -0.6f;
        float ly = planet.size() > 6 ? std::strtof(planet[6].c_str(), nullptr) : -0.5f;
        const float ll = std::sqrt(lx * lx + ly * ly + 0.5f);
        const int x0 = std::max(0, int(px - pr * 1.2f)), x1 = std::min(w, int(px + pr * 1.2f) + 1);
        const int y0 = std::max(0, int(py - pr * 1.2f)), y1 = std::min(h, int(py + pr * 1.2f) + 1);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const float dx = (float(x) + 0.5f - px) / pr, dy = (float(y) + 0.5f - py) / pr;
                const float r2 = dx * dx + dy * dy;
                Rgba& dst = img.At(x, y);
                const float r = std::sqrt(r2);
                // Atmosphere haze on the lit side, strongest at the limb.
                const float side = std::max(0.0f, (dx * lx + dy * ly) / (std::max(r, 1e-3f) * ll) + 0.3f);
                const float haze = Falloff(std::max(0.0f, r - 1.0f), 0.12f, 2.0f) * side;
                const Rgba sky{dst.r + rim.r * haze, dst.g + rim.g * haze, dst.b + rim.b * haze, 1.0f};
                if (r < 1.0f) {
                    const float dz = std::sqrt(1.0f - r2);
                    const float lambert = std::max(0.0f, (dx * lx + dy * ly + dz * std::sqrt(0.5f)) / ll);
                    const float bands = Fbm(dx * 1.5f + 4, dy * 6.0f + dx * 0.8f, seed + 31, 5);
                    const Rgba c = Mix(Scaled(surface, 0.55f), surface, bands);
                    const float lit = 0.04f + 0.96f * std::pow(lambert, 0.8f);
                    const float fres = std::pow(1.0f - dz, 3.0f) * (0.2f + side) * 1.2f;
                    const Rgba body{c.r * lit + rim.r * fres, c.g * lit + rim.g * fres, c.b * lit + rim.b * fres, 1.0f};
                    dst = Mix(sky, body, Smoothstep(1.0f, 1.0f - 1.5f / pr, r));
                } else {
                    dst = sky;
                }
            }
    }
    // "fighter x y size": the ship crossing the scene.
    Canvas overlay(w, h);
    bool drew = false;
    for (const auto& f : ctx.source.All("fighter")) {
        if (f.size() < 3)
            continue;
        DrawFighter(overlay, std::strtod(f[0].c_str(), nullptr), std::strtod(f[1].c_str(), nullptr),
                    std::strtod(f[2].c_str(), nullptr), Col(ctx, "hull", Straight(0.35f, 0.42f, 0.55f)),
                    Col(ctx, "canopy", Straight(0.4f, 0.9f, 1.0f)));
        drew = true;
    }
    // "title" text centred, in the display face ("font", "title-size", "title-y").
    if (ctx.source.Has("title")) {
        const std::string font = ctx.source.Text("font");
        if (!overlay.SetFont(font, ctx.source.Number("title-size", 48)))
            ctx.errors.push_back("cannot load font " + font);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, ctx.source.Number("title-y", 100) - 40, 0, ctx.source.Number("title-y", 100));
        AddStop(p, 0, Straight(1, 1, 1));
        AddStop(p, 1, Col(ctx, "title-colour", Straight(0.4f, 0.8f, 1.0f)));
        cairo_set_source(overlay.Cr(), p);
        overlay.CentredText(ctx.source.Text("title"), w / 2.0, ctx.source.Number("title-y", 100));
        cairo_pattern_destroy(p);
        if (ctx.source.Has("subtitle")) {
            overlay.SetFont(font, ctx.source.Number("subtitle-size", 14));
            overlay.SetColour(Straight(0.75f, 0.85f, 0.95f));
            overlay.CentredText(ctx.source.Text("subtitle"), w / 2.0, ctx.source.Number("subtitle-y", 130));
        }
        drew = true;
    }
    if (drew) {
        const Image top = overlay.ToImage();
        const Image glow = Blurred(top, 3);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const Rgba g = glow.At(x, y);
                img.At(x, y) = Over(top.At(x, y), Rgba{img.At(x, y).r + g.a * 0.1f, img.At(x, y).g + g.a * 0.25f,
                                                       img.At(x, y).b + g.a * 0.35f, 1.0f});
            }
    }
    // A dimmed band keeps menu text readable ("dim y0 y1 amount").
    for (const auto& d : ctx.source.All("dim")) {
        if (d.size() < 3)
            continue;
        const float y0 = std::strtof(d[0].c_str(), nullptr), y1 = std::strtof(d[1].c_str(), nullptr);
        const float amount = std::strtof(d[2].c_str(), nullptr);
        for (int y = 0; y < h; ++y) {
            const float k = 1.0f - amount * Smoothstep(y0 - 30, y0, float(y)) * Smoothstep(y1 + 30, y1, float(y));
            for (int x = 0; x < w; ++x)
                img.At(x, y) = Rgba{img.At(x, y).r * k, img.At(x, y).g * k, img.At(x, y).b * k, 1.0f};
        }
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.At(x, y).a = 1.0f;
    return img;
}

Image TitleLogo(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const std::string font = ctx.source.Text("font");
    const Rgba edge = Col(ctx, "edge", Straight(0.25f, 0.8f, 1.0f));
    const double size = ctx.source.Number("text-size", 140), baseline = ctx.source.Number("baseline", 128);
    const std::string word = ctx.source.Text("text", "SKYREAVER");
    Canvas fill(w, h);
    if (!fill.SetFont(font, size)) {
        ctx.errors.push_back("cannot load font " + font);
        return Image(w, h);
    }
    // Letters squeezed to fit the width, with steel gradient faces.
    const double natural = fill.TextWidth(word);
    const double squeeze = std::min(1.0, (w - 40) / natural);
    cairo_t* cr = fill.Cr();
    cairo_save(cr);
    cairo_translate(cr, w / 2.0, 0);
    cairo_scale(cr, squeeze, 1.0);
    cairo_move_to(cr, -natural / 2, baseline);
    cairo_text_path(cr, word.c_str());
    cairo_restore(cr);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, baseline - size * 0.72, 0, baseline);
    AddStop(p, 0.0, Straight(0.95f, 0.97f, 1.0f));
    AddStop(p, 0.45, Straight(0.55f, 0.62f, 0.75f));
    AddStop(p, 0.5, Straight(0.16f, 0.2f, 0.3f));
    AddStop(p, 0.8, Straight(0.3f, 0.4f, 0.55f));
    AddStop(p, 1.0, Straight(0.75f, 0.9f, 1.0f));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 2.0);
    fill.SetColour(Straight(0.85f, 0.95f, 1.0f, 0.9f));
    cairo_stroke(cr);
    // A light streak under the letters.
    p = cairo_pattern_create_linear(40, 0, w - 40, 0);
    AddStop(p, 0, Straight(edge.r, edge.g, edge.b, 0));
    AddStop(p, 0.5, Straight(1, 1, 1, 1));
    AddStop(p, 1, Straight(edge.r, edge.g, edge.b, 0));
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 40, baseline + 10, w - 80, 3);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Image sharp = fill.ToImage();
    // Outer glow from the letter outline.
    Canvas outline(w, h);
    cairo_append_path(outline.Cr(), path);
    cairo_set_line_width(outline.Cr(), 6.0);
    outline.SetColour(edge);
    cairo_stroke(outline.Cr());
    cairo_path_destroy(path);
    Image glow = Blurred(outline.ToImage(), 5);
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.At(x, y) = Over(sharp.At(x, y), Scaled(glow.At(x, y), 0.85f));
    return out;
}

Image StudioLogo(ArtContext& ctx)
{
    // On white: a lighthouse in a ring, its beam sweeping right, and the studio's name.
    const int w = ctx.Width(), h = ctx.Height();
    const std::string font = ctx.source.Text("font");
    const Rgba ink = Col(ctx, "ink", Straight(0.08f, 0.12f, 0.22f));
    const Rgba beam = Col(ctx, "beam", Straight(1.0f, 0.75f, 0.25f));
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    canvas.SetColour(Straight(1, 1, 1));
    cairo_paint(cr);
    const double cx = w / 2.0, cy = h * 0.42, r = w * 0.26;
    // Beam first so the ring cuts across it.
    cairo_move_to(cr, cx, cy - r * 0.45);
    cairo_line_to(cr, cx + r * 1.6, cy - r * 0.9);
    cairo_line_to(cr, cx + r * 1.6, cy - r * 0.05);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx, 0, cx + r * 1.6, 0);
    AddStop(p, 0, Straight(beam.r, beam.g, beam.b, 0.95f));
    AddStop(p, 1, Straight(beam.r, beam.g, beam.b, 0));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
    cairo_set_line_width(cr, r * 0.1);
    canvas.SetColour(ink);
    cairo_stroke(cr);
    // Sea: three waves inside the ring.
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r * 0.95, 0, 2 * Pi);
    cairo_clip(cr);
    for (int i = 0; i < 3; ++i) {
        const double y = cy + r * (0.45 + 0.17 * i);
        cairo_move_to(cr, cx - r, y);
        for (int k = 0; k <= 40; ++k) {
            const double x = cx - r + 2 * r * k / 40.0;
            cairo_line_to(cr, x, y + std::sin(k * 0.9 + i) * r * 0.03);
        }
        cairo_set_line_width(cr, r * 0.06);
        canvas.SetColour(ink);
        cairo_stroke(cr);
    }
    // Tower.
    cairo_move_to(cr, cx - r * 0.16, cy + r * 0.42);
    cairo_line_to(cr, cx - r * 0.09, cy - r * 0.35);
    cairo_line_to(cr, cx + r * 0.09, cy - r * 0.35);
    cairo_line_to(cr, cx + r * 0.16, cy + r * 0.42);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - r * 0.11, cy - r * 0.55, r * 0.22, r * 0.17);
    canvas.SetColour(beam);
    cairo_fill(cr);
    cairo_move_to(cr, cx - r * 0.14, cy - r * 0.55);
    cairo_line_to(cr, cx, cy - r * 0.72);
    cairo_line_to(cr, cx + r * 0.14, cy - r * 0.55);
    cairo_close_path(cr);
    canvas.SetColour(ink);
    cairo_fill(cr);
    cairo_restore(cr);
    if (!canvas.SetFont(font, w * 0.11))
        ctx.errors.push_back("cannot load font " + font);
    canvas.SetColour(ink);
    canvas.CentredText(ctx.source.Text("name", "MOORHAVEN"), cx, h * 0.82);
    canvas.SetFont(font, w * 0.05);
    canvas.SetColour(Straight(ink.r + 0.25f, ink.g + 0.3f, ink.b + 0.35f));
    canvas.CentredText(ctx.source.Text("line", "S O F T W A R E"), cx, h * 0.9);
    return canvas.ToImage();
}

Image BannerPicture(ArtContext& ctx)
{
    // The first screen, on white: the fighter over a dark disc, the game's name and a line.
    const int w = ctx.Width(), h = ctx.Height();
    const std::string font = ctx.source.Text("font");
    const Rgba ink = Col(ctx, "ink", Straight(0.08f, 0.12f, 0.22f));
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    canvas.SetColour(Straight(1, 1, 1));
    cairo_paint(cr);
    const double cx = w / 2.0, cy = h * 0.4, r = w * 0.25;
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, r * 0.1, cx, cy, r);
    AddStop(p, 0, Straight(0.12f, 0.2f, 0.35f));
    AddStop(p, 1, Straight(0.02f, 0.03f, 0.07f));
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Stars inside the disc.
    SeedRandom(int32_t(ctx.source.Number("seed", 4)));
    for (int i = 0; i < 60; ++i) {
        const double a = (Random() % 3600) / 3600.0 * 2 * Pi, d = (Random() % 1000) / 1000.0 * r * 0.95;
        cairo_arc(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, 0.6 + (Random() % 10) / 10.0, 0, 2 * Pi);
        canvas.SetColour(Straight(0.8f, 0.9f, 1.0f, 0.8f));
        cairo_fill(cr);
    }
    DrawFighter(canvas, cx + 6, cy + 4, r * 0.62, Straight(0.55f, 0.62f, 0.75f), Straight(0.4f, 0.9f, 1.0f));
    cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
    cairo_set_line_width(cr, 4);
    canvas.SetColour(Straight(0.3f, 0.8f, 1.0f));
    cairo_stroke(cr);
    if (!canvas.SetFont(font, w * 0.12))
        ctx.errors.push_back("cannot load font " + font);
    canvas.SetColour(ink);
    canvas.CentredText(ctx.source.Text("title", "SKYREAVER"), cx, h * 0.8);
    canvas.SetFont(font, w * 0.035);
    canvas.SetColour(Straight(0.35f, 0.42f, 0.52f));
    canvas.CentredText(ctx.source.Text("line", ""), cx, h * 0.87);
    return canvas.ToImage();
}

Image IconPicture(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    AddStop(p, 0, Straight(0.08f, 0.14f, 0.26f));
    AddStop(p, 1, Straight(0.01f, 0.02f, 0.06f));
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    DrawFighter(canvas, w * 0.52, h * 0.52, w * 0.44, Straight(0.6f, 0.68f, 0.8f), Col(ctx, "canopy", Straight(0.4f, 0.9f, 1.0f)));
    return canvas.ToImage();
}
