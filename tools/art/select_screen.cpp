// The ship selection screen's pieces: the scrolling grid tile, the slider track and its lit
// fill, the "choose your fate" banner, the star sprites and the weapon icons (missiles, gun
// pod formations, orb pod kinds), in the interface's steel and cyan.
#include "tools/art/canvas.hpp"
#include "tools/art/families.hpp"

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

Rgba Colour(ArtContext& ctx, const char* key, Rgba fallback) { return Unpremultiplied(ctx.source.Colour(key, fallback)); }

Image WithGlow(const Image& sharp, int radius, float strength)
{
    Image out = Blurred(sharp, radius);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            out.At(x, y) = Scaled(out.At(x, y), strength);
    out.Blit(sharp, 0, 0);
    return out;
}

void Disc(Canvas& canvas, double x, double y, double r, Rgba c)
{
    cairo_arc(canvas.Cr(), x, y, r, 0, 2 * Pi);
    canvas.SetColour(c);
    cairo_fill(canvas.Cr());
}

// A small fighter seen from the side, nose right, centred on (x, y), `size` long.
void ShipMark(Canvas& canvas, double x, double y, double size, Rgba c)
{
    cairo_t* cr = canvas.Cr();
    const double s = size / 2.0;
    cairo_move_to(cr, x + s, y);
    cairo_line_to(cr, x - s * 0.5, y - s * 0.45);
    cairo_line_to(cr, x - s, y - s * 0.55);
    cairo_line_to(cr, x - s * 0.75, y);
    cairo_line_to(cr, x - s, y + s * 0.55);
    cairo_line_to(cr, x - s * 0.5, y + s * 0.45);
    cairo_close_path(cr);
    canvas.SetColour(c);
    cairo_fill(cr);
}

// A missile pointing along `angle`, centred on (x, y).
void Missile(Canvas& canvas, double x, double y, double length, double width, double angle, Rgba body, Rgba tip)
{
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    const double h = length / 2.0, r = width / 2.0;
    // Fins, body, nose.
    cairo_move_to(cr, -h, -r * 2.2);
    cairo_line_to(cr, -h + length * 0.28, -r);
    cairo_line_to(cr, -h + length * 0.28, r);
    cairo_line_to(cr, -h, r * 2.2);
    cairo_close_path(cr);
    canvas.SetColour(Straight(body.r * 0.6f, body.g * 0.6f, body.b * 0.6f));
    cairo_fill(cr);
    cairo_rectangle(cr, -h, -r, length * 0.78, width);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -r, 0, r);
    AddStop(p, 0, Straight(std::min(1.0f, body.r * 1.5f), std::min(1.0f, body.g * 1.5f), std::min(1.0f, body.b * 1.5f)));
    AddStop(p, 1, Straight(body.r * 0.45f, body.g * 0.45f, body.b * 0.45f));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_move_to(cr, -h + length * 0.78, -r);
    cairo_line_to(cr, h, 0);
    cairo_line_to(cr, -h + length * 0.78, r);
    cairo_close_path(cr);
    canvas.SetColour(tip);
    cairo_fill(cr);
    // Exhaust flame.
    cairo_move_to(cr, -h, -r * 0.7);
    cairo_line_to(cr, -h - length * 0.3, 0);
    cairo_line_to(cr, -h, r * 0.7);
    cairo_close_path(cr);
    canvas.SetColour(Straight(1.0f, 0.7f, 0.25f, 0.9f));
    cairo_fill(cr);
    cairo_restore(cr);
}

void Arrow(Canvas& canvas, double x, double y, double angle, double length, Rgba c)
{
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, -1.6);
    cairo_line_to(cr, length - 5, -1.6);
    cairo_line_to(cr, length - 5, -4.5);
    cairo_line_to(cr, length, 0);
    cairo_line_to(cr, length - 5, 4.5);
    cairo_line_to(cr, length - 5, 1.6);
    cairo_line_to(cr, 0, 1.6);
    cairo_close_path(cr);
    canvas.SetColour(c);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A jagged bolt from (x0, y0) to (x1, y1).
void Bolt(Canvas& canvas, double x0, double y0, double x1, double y1, Rgba c)
{
    cairo_t* cr = canvas.Cr();
    const double dx = x1 - x0, dy = y1 - y0, len = std::sqrt(dx * dx + dy * dy);
    const double nx = -dy / len, ny = dx / len;
    static constexpr double Jag[] = {0.0, 3.5, -3.0, 4.0, -2.5, 3.0, 0.0};
    cairo_move_to(cr, x0, y0);
    for (int i = 1; i < 7; ++i) {
        const double t = i / 6.0;
        cairo_line_to(cr, x0 + dx * t + nx * Jag[i], y0 + dy * t + ny * Jag[i]);
    }
    cairo_set_line_width(cr, 1.8);
    canvas.SetColour(c);
    cairo_stroke(cr);
}

void Orb(Canvas& canvas, double x, double y, double r, Rgba core, Rgba rim)
{
    cairo_t* cr = canvas.Cr();
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
    AddStop(p, 0, Straight(1, 1, 1));
    AddStop(p, 0.4, core);
    AddStop(p, 1, Straight(core.r * 0.3f, core.g * 0.3f, core.b * 0.3f));
    cairo_arc(cr, x, y, r, 0, 2 * Pi);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1.2);
    canvas.SetColour(rim);
    cairo_stroke(cr);
}

} // namespace

Image GridTile(ArtContext& ctx)
{
    // A square of fine lines on its edges, brighter where they cross: tiles seamlessly.
    const int w = ctx.Width(), h = ctx.Height();
    const Rgba line = Colour(ctx, "line", Straight(0.3f, 0.85f, 1.0f));
    Image img(w, h);
    img.Shade(0, 0, w, h, [&](float x, float y) {
        const float dx = std::min(x, float(w) - x), dy = std::min(y, float(h) - y);
        const float edge = std::max(Falloff(dx, 1.6f, 1.5f), Falloff(dy, 1.6f, 1.5f)) * 0.55f;
        const float cross = Falloff(std::sqrt(dx * dx + dy * dy), 5.0f, 2.0f);
        const float sub = (std::fabs(x - float(w) / 2) < 0.5f || std::fabs(y - float(h) / 2) < 0.5f) ? 0.12f : 0.0f;
        const float a = std::min(1.0f, edge + cross + sub);
        return Straight(line.r, line.g, line.b, a);
    });
    return img;
}

Image SliderPicture(ArtContext& ctx)
{
    // "lit 0": the empty groove with tick marks; "lit 1": the glowing fill laid into it.
    const int w = ctx.Width(), h = ctx.Height();
    const bool lit = ctx.source.Number("lit", 0) != 0;
    const Rgba steel = Colour(ctx, "frame", Straight(0.55f, 0.65f, 0.78f));
    const Rgba from = Colour(ctx, "from", Straight(0.1f, 0.5f, 1.0f));
    const Rgba to = Colour(ctx, "to", Straight(0.6f, 0.95f, 1.0f));
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    const double r = h * 0.3, top = h * 0.2, height = h * 0.6;
    auto groove = [&] {
        cairo_new_sub_path(cr);
        cairo_arc(cr, w - 1 - r, top + r, r, -Pi / 2, Pi / 2);
        cairo_arc(cr, 1 + r, top + r, r, Pi / 2, 3 * Pi / 2);
        cairo_close_path(cr);
    };
    if (!lit) {
        groove();
        canvas.SetColour(Straight(0.02f, 0.04f, 0.08f, 0.92f));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.0);
        canvas.SetColour(steel);
        cairo_stroke(cr);
        for (int i = 1; i < 10; ++i) {
            const double x = w * i / 10.0;
            cairo_rectangle(cr, x - 0.5, top + height * 0.3, 1, height * 0.4);
        }
        canvas.SetColour(Straight(steel.r, steel.g, steel.b, 0.35f));
        cairo_fill(cr);
        return canvas.ToImage();
    }
    groove();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, 0);
    AddStop(p, 0, from);
    AddStop(p, 1, to);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // A bright core line along the fill.
    cairo_rectangle(cr, 2, top + height * 0.35, w - 4, height * 0.25);
    canvas.SetColour(Straight(1, 1, 1, 0.55f));
    cairo_fill(cr);
    return canvas.ToImage();
}

Image BannerText(ArtContext& ctx)
{
    // A line of display text on clear ground, steel faces over a cyan glow.
    const int w = ctx.Width(), h = ctx.Height();
    const std::string font = ctx.source.Text("font");
    const Rgba glowColour = Colour(ctx, "glow", Straight(0.3f, 0.85f, 1.0f));
    Canvas canvas(w, h);
    if (!canvas.SetFont(font, ctx.source.Number("text-size", 44))) {
        ctx.errors.push_back("cannot load font " + font);
        return Image(w, h);
    }
    cairo_t* cr = canvas.Cr();
    const double baseline = ctx.source.Number("baseline", 46);
    const std::string text = ctx.source.Text("text", "CHOOSE YOUR FATE");
    const double width = canvas.TextWidth(text);
    cairo_move_to(cr, (w - width) / 2.0, baseline);
    cairo_text_path(cr, text.c_str());
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, baseline - 34, 0, baseline);
    AddStop(p, 0.0, Straight(1.0f, 1.0f, 1.0f));
    AddStop(p, 0.5, Straight(0.62f, 0.72f, 0.86f));
    AddStop(p, 0.55, Straight(0.3f, 0.38f, 0.52f));
    AddStop(p, 1.0, Straight(0.8f, 0.93f, 1.0f));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Image sharp = canvas.ToImage();
    Canvas outline(w, h);
    cairo_append_path(outline.Cr(), path);
    cairo_path_destroy(path);
    cairo_set_line_width(outline.Cr(), 4.0);
    outline.SetColour(glowColour);
    cairo_stroke(outline.Cr());
    Image out = Blurred(outline.ToImage(), 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.At(x, y) = Scaled(out.At(x, y), 0.9f);
    out.Blit(sharp, 0, 0);
    return out;
}

Image StarSprites(ArtContext& ctx)
{
    // A row of square cells, faint pin-points first, four-pointed flares last; white, so the
    // game can tint them.
    const int w = ctx.Width(), h = ctx.Height();
    const int cells = int(ctx.source.Number("cells", 8));
    const int cell = w / cells;
    Image img(w, h);
    for (int i = 0; i < cells; ++i) {
        const float k = float(i) / float(cells - 1);
        const float core = 1.2f + 3.0f * k, halo = 3.0f + 8.0f * k, ray = k > 0.5f ? (k - 0.4f) * float(cell) * 0.8f : 0.0f;
        const float cx = float(i * cell) + float(cell) / 2.0f, cy = float(h) / 2.0f;
        img.Shade(i * cell, 0, cell, h, [&](float x, float y) {
            const float dx = x + float(i * cell) - cx, dy = y - cy;
            const float d = std::sqrt(dx * dx + dy * dy);
            float a = Falloff(d, core, 0.8f) + Falloff(d, halo, 3.0f) * 0.45f;
            if (ray > 0.0f)
                a += (Falloff(std::fabs(dy), 1.2f, 1.0f) * Falloff(std::fabs(dx), ray, 1.5f) +
                      Falloff(std::fabs(dx), 1.2f, 1.0f) * Falloff(std::fabs(dy), ray, 1.5f)) * 0.8f;
            a = std::min(1.0f, a);
            return Straight(1.0f, 1.0f, 1.0f, a);
        });
    }
    return img;
}

Image WeaponIcons(ArtContext& ctx)
{
    // 4 x 4 cells. Row 0: homing, air-to-ground and cluster missiles; row 1: gun pods that
    // follow, hold a 45 degree arc, circle the ship; row 2: standard, arc and EMP orb pods.
    const int w = ctx.Width(), h = ctx.Height();
    const double c = w / 4.0;
    const Rgba steel = Colour(ctx, "steel", Straight(0.55f, 0.65f, 0.78f));
    const Rgba accent = Colour(ctx, "accent", Straight(0.3f, 0.85f, 1.0f));
    const Rgba warm = Colour(ctx, "warm", Straight(1.0f, 0.69f, 0.25f));
    const Rgba trail = Straight(accent.r, accent.g, accent.b, 0.5f);
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    auto centre = [&](int row, int column) { return std::pair<double, double>{(column + 0.5) * c, (row + 0.5) * c}; };

    // Homing: a missile climbing out of a curved trail.
    {
        auto [x, y] = centre(0, 0);
        cairo_move_to(cr, x - c * 0.42, y + c * 0.3);
        cairo_curve_to(cr, x - c * 0.1, y + c * 0.3, x - c * 0.05, y, x + c * 0.08, y - c * 0.1);
        cairo_set_line_width(cr, 2.0);
        canvas.SetColour(trail);
        cairo_stroke(cr);
        Missile(canvas, x + c * 0.14, y - c * 0.14, c * 0.5, c * 0.11, -Pi / 5, steel, warm);
    }
    // Air-to-ground: a heavier missile nosing down toward a ground line.
    {
        auto [x, y] = centre(0, 1);
        cairo_rectangle(cr, x - c * 0.45, y + c * 0.36, c * 0.9, 2);
        canvas.SetColour(Straight(steel.r, steel.g, steel.b, 0.6f));
        cairo_fill(cr);
        Missile(canvas, x, y - c * 0.02, c * 0.56, c * 0.15, Pi / 5, steel, warm);
    }
    // Cluster: one missile splitting into three bomblets.
    {
        auto [x, y] = centre(0, 2);
        Missile(canvas, x - c * 0.12, y, c * 0.46, c * 0.12, 0, steel, warm);
        for (int i = -1; i <= 1; ++i)
            Disc(canvas, x + c * 0.3, y + i * c * 0.2, c * 0.05, warm);
    }
    // Gun pods: the ship and its pods.
    {
        auto [x, y] = centre(1, 0);
        ShipMark(canvas, x + c * 0.2, y, c * 0.34, steel);
        for (int i = 0; i < 4; ++i)
            Disc(canvas, x - c * (0.05 + 0.1 * i), y + std::sin(i * 1.3) * c * 0.1, c * 0.06 - i * 0.5, accent);
    }
    {
        auto [x, y] = centre(1, 1);
        ShipMark(canvas, x, y, c * 0.34, steel);
        for (int side : {-1, 1}) {
            Disc(canvas, x, y + side * c * 0.25, c * 0.06, accent);
            cairo_arc(cr, x, y + side * c * 0.25, c * 0.2, -Pi / 8, Pi / 8);
            cairo_set_line_width(cr, 1.5);
            canvas.SetColour(trail);
            cairo_stroke(cr);
        }
    }
    {
        auto [x, y] = centre(1, 2);
        cairo_arc(cr, x, y, c * 0.3, 0, 2 * Pi);
        cairo_set_line_width(cr, 1.2);
        canvas.SetColour(trail);
        cairo_stroke(cr);
        ShipMark(canvas, x, y, c * 0.3, steel);
        for (int i = 0; i < 3; ++i)
            Disc(canvas, x + std::cos(i * 2 * Pi / 3 - Pi / 2) * c * 0.3, y + std::sin(i * 2 * Pi / 3 - Pi / 2) * c * 0.3,
                 c * 0.06, accent);
    }
    // Orb pods.
    {
        auto [x, y] = centre(2, 0);
        for (int i = 0; i < 4; ++i)
            Arrow(canvas, x, y, i * Pi / 2, c * 0.42, warm);
        Orb(canvas, x, y, c * 0.16, accent, steel);
    }
    {
        auto [x, y] = centre(2, 1);
        ShipMark(canvas, x - c * 0.22, y + c * 0.12, c * 0.3, steel);
        Bolt(canvas, x - c * 0.1, y + c * 0.08, x + c * 0.2, y - c * 0.12, Straight(0.8f, 0.95f, 1.0f));
        Orb(canvas, x + c * 0.24, y - c * 0.14, c * 0.13, accent, steel);
    }
    {
        auto [x, y] = centre(2, 2);
        for (int i = 1; i <= 3; ++i) {
            cairo_arc(cr, x, y, c * (0.16 + 0.09 * i), 0, 2 * Pi);
            cairo_set_line_width(cr, 1.6);
            canvas.SetColour(Straight(accent.r, accent.g, accent.b, 0.8f - 0.2f * float(i)));
            cairo_stroke(cr);
        }
        Orb(canvas, x, y, c * 0.15, Straight(0.7f, 0.5f, 1.0f), steel);
    }
    return WithGlow(canvas.ToImage(), 3, 0.6f);
}
