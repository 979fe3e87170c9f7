// Heads-up display and interface pieces: gauge frames, sliders, speed cells, the orb
// indicator, the secret-entry press icons and the boss warning banner. Crisp vector shapes
// in the steel-and-cyan interface colours.
#include "tools/art/canvas.hpp"
#include "tools/art/families.hpp"

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -Pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, Pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, Pi / 2, Pi);
    cairo_arc(cr, x + r, y + r, r, Pi, 3 * Pi / 2);
    cairo_close_path(cr);
}

// Soft light around a shape: draw it blurred, then sharp on top.
Image WithGlow(const Image& sharp, int radius, float strength)
{
    Image out = Blurred(sharp, radius);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            out.At(x, y) = Scaled(out.At(x, y), strength);
    out.Blit(sharp, 0, 0);
    return out;
}

Rgba Colour(ArtContext& ctx, const char* key, Rgba fallback) { return Unpremultiplied(ctx.source.Colour(key, fallback)); }

} // namespace

Image SpeedometerSheet(ArtContext& ctx)
{
    // Cells 0..7: lit speed steps, cooler to hotter; cells 8..15: the same steps unlit.
    const int w = ctx.Width(), h = ctx.Height();
    const int cell = w / 4;
    const Rgba slow = Colour(ctx, "slow", Straight(0.2f, 0.9f, 1.0f));
    const Rgba fast = Colour(ctx, "fast", Straight(1.0f, 0.6f, 0.15f));
    const Rgba off = Colour(ctx, "unlit", Straight(0.2f, 0.25f, 0.32f));
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    for (int i = 0; i < 16; ++i) {
        const double x = (i % 4) * cell, y = (i / 4) * cell;
        const bool lit = i < 8;
        const Rgba c = lit ? Mix(slow, fast, float(i) / 7.0f) : off;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        RoundedRect(cr, 1.5, 1.5, cell - 3, cell - 3, 2.5);
        canvas.SetColour(Straight(0.02f, 0.04f, 0.07f, 0.85f));
        cairo_fill_preserve(cr);
        canvas.SetColour(lit ? Straight(c.r, c.g, c.b, 0.9f) : Straight(0.3f, 0.36f, 0.45f, 0.9f));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        // A chevron pointing ahead.
        cairo_move_to(cr, cell * 0.32, cell * 0.25);
        cairo_line_to(cr, cell * 0.68, cell * 0.5);
        cairo_line_to(cr, cell * 0.32, cell * 0.75);
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        canvas.SetColour(c);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    return canvas.ToImage();
}

Image HudBeamOrb(ArtContext& ctx)
{
    // Cell 0: the orb slot empty; cell 1: the orb carried and glowing.
    const int w = ctx.Width(), h = ctx.Height();
    const int cell = w / 2;
    const Rgba lit = Colour(ctx, "colour", Straight(0.35f, 0.85f, 1.0f));
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    for (int i = 0; i < 2; ++i) {
        const double cx = i * cell + cell / 2.0, cy = h / 2.0;
        cairo_arc(cr, cx, cy, cell * 0.38, 0, 2 * Pi);
        canvas.SetColour(Straight(0.03f, 0.05f, 0.08f, 0.9f));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.2);
        canvas.SetColour(i ? lit : Straight(0.35f, 0.42f, 0.5f));
        cairo_stroke(cr);
        if (i) {
            cairo_pattern_t* p = cairo_pattern_create_radial(cx - 1, cy - 1, 0.5, cx, cy, cell * 0.3);
            AddStop(p, 0, Straight(1, 1, 1));
            AddStop(p, 0.5, lit);
            AddStop(p, 1, Straight(lit.r * 0.4f, lit.g * 0.4f, lit.b * 0.4f));
            cairo_set_source(cr, p);
            cairo_arc(cr, cx, cy, cell * 0.28, 0, 2 * Pi);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        }
    }
    return canvas.ToImage();
}

Image InterfaceSheet(ArtContext& ctx)
{
    // 16 x 16 cells of 16 x 16 pixels. Cells 0/1/2: gauge frame left cap, stretchable middle,
    // right cap, its window rows 4..11 left clear for the bar. Cells 3/4/5: slider track left,
    // middle, right; 6: slider knob; 7: lit slider fill (stretchable).
    const int w = ctx.Width(), h = ctx.Height();
    const int cell = int(ctx.source.Number("cell", 16));
    const Rgba steel = Colour(ctx, "frame", Straight(0.55f, 0.65f, 0.78f));
    const Rgba accent = Colour(ctx, "accent", Straight(0.3f, 0.85f, 1.0f));
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    cairo_set_line_width(cr, 1.0);
    auto rails = [&](double x0, double x1) {
        canvas.SetColour(steel);
        cairo_rectangle(cr, x0, 2, x1 - x0, 1.5);
        cairo_rectangle(cr, x0, 12.5, x1 - x0, 1.5);
        cairo_fill(cr);
        canvas.SetColour(Straight(steel.r, steel.g, steel.b, 0.35f));
        cairo_rectangle(cr, x0, 3.5, x1 - x0, 0.5);
        cairo_rectangle(cr, x0, 12, x1 - x0, 0.5);
        cairo_fill(cr);
    };
    // Gauge: caps are angled brackets with a cyan notch.
    rails(8, 16);
    cairo_move_to(cr, 9, 2);
    cairo_line_to(cr, 3, 8);
    cairo_line_to(cr, 9, 14);
    cairo_set_line_width(cr, 1.6);
    canvas.SetColour(steel);
    cairo_stroke(cr);
    canvas.SetColour(accent);
    cairo_rectangle(cr, 5, 6.5, 2, 3);
    cairo_fill(cr);
    rails(cell, 2 * cell);
    rails(2 * cell, 2 * cell + 8);
    cairo_move_to(cr, 2 * cell + 7, 2);
    cairo_line_to(cr, 2 * cell + 13, 8);
    cairo_line_to(cr, 2 * cell + 7, 14);
    canvas.SetColour(steel);
    cairo_stroke(cr);
    canvas.SetColour(accent);
    cairo_rectangle(cr, 2 * cell + 9, 6.5, 2, 3);
    cairo_fill(cr);
    // Slider track: a dark groove with a thin rim, rounded at the ends.
    for (int part = 0; part < 3; ++part) {
        const double x0 = (3 + part) * cell;
        cairo_save(cr);
        cairo_rectangle(cr, x0, 0, cell, cell);
        cairo_clip(cr);
        const double left = part == 0 ? x0 + 3 : x0 - 10, right = part == 2 ? x0 + cell - 3 : x0 + cell + 10;
        RoundedRect(cr, left, 5, right - left, 6, 3);
        canvas.SetColour(Straight(0.03f, 0.05f, 0.09f, 0.9f));
        cairo_fill_preserve(cr);
        canvas.SetColour(steel);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    // Knob: a lit diamond.
    const double kx = 6 * cell + cell / 2.0, ky = cell / 2.0;
    cairo_move_to(cr, kx, ky - 6.5);
    cairo_line_to(cr, kx + 5.5, ky);
    cairo_line_to(cr, kx, ky + 6.5);
    cairo_line_to(cr, kx - 5.5, ky);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, ky - 6, 0, ky + 6);
    AddStop(p, 0, Straight(1, 1, 1));
    AddStop(p, 1, accent);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    canvas.SetColour(Straight(0.05f, 0.1f, 0.15f));
    cairo_stroke(cr);
    // Lit fill: a horizontal band, bright in the middle.
    p = cairo_pattern_create_linear(0, 6, 0, 10);
    AddStop(p, 0, Straight(accent.r * 0.6f, accent.g * 0.6f, accent.b * 0.6f));
    AddStop(p, 0.5, Straight(0.85f, 0.97f, 1.0f));
    AddStop(p, 1, Straight(accent.r * 0.6f, accent.g * 0.6f, accent.b * 0.6f));
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 7 * cell, 6, cell, 4);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    (void)h;
    return canvas.ToImage();
}

Image PressIcons(ArtContext& ctx)
{
    // Cells 0..6: LEFT, RIGHT, UP, DOWN, FIRE, FIRE2, FIRE3; cell 7: a wrong press.
    const int w = ctx.Width(), h = ctx.Height();
    const int cell = w / 4;
    const std::string font = ctx.source.Text("font");
    const Rgba key = Colour(ctx, "key", Straight(0.3f, 0.85f, 1.0f));
    const Rgba wrong = Colour(ctx, "wrong", Straight(1.0f, 0.25f, 0.2f));
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    for (int i = 0; i < 8; ++i) {
        const double x = (i % 4) * cell, y = (i / 4) * cell, c = cell / 2.0;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        RoundedRect(cr, 2, 2, cell - 4, cell - 4, 5);
        canvas.SetColour(Straight(0.06f, 0.09f, 0.14f, 0.95f));
        cairo_fill_preserve(cr);
        canvas.SetColour(i == 7 ? wrong : key);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        if (i < 4) {
            static const double angle[] = {Pi, 0, -Pi / 2, Pi / 2};
            cairo_translate(cr, c, c);
            cairo_rotate(cr, angle[i]);
            cairo_move_to(cr, 9, 0);
            cairo_line_to(cr, -3, -9);
            cairo_line_to(cr, -3, -4);
            cairo_line_to(cr, -9, -4);
            cairo_line_to(cr, -9, 4);
            cairo_line_to(cr, -3, 4);
            cairo_line_to(cr, -3, 9);
            cairo_close_path(cr);
            canvas.SetColour(Straight(0.9f, 0.97f, 1.0f));
            cairo_fill(cr);
        } else if (i < 7) {
            cairo_arc(cr, c, c, 10, 0, 2 * Pi);
            canvas.SetColour(key);
            cairo_fill(cr);
            canvas.SetColour(Straight(0.03f, 0.06f, 0.1f));
            if (!canvas.SetFont(font, 15))
                ctx.errors.push_back("cannot load font " + font);
            canvas.CentredText(i == 4 ? "A" : (i == 5 ? "B" : "C"), c, c + 5.5);
        } else {
            cairo_move_to(cr, 9, 9);
            cairo_line_to(cr, cell - 9, cell - 9);
            cairo_move_to(cr, cell - 9, 9);
            cairo_line_to(cr, 9, cell - 9);
            cairo_set_line_width(cr, 4);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            canvas.SetColour(wrong);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
    (void)h;
    return canvas.ToImage();
}

Image WarningBanner(ArtContext& ctx)
{
    const int w = ctx.Width(), h = ctx.Height();
    const std::string font = ctx.source.Text("font");
    const Rgba hazard = Colour(ctx, "hazard", Straight(1.0f, 0.35f, 0.1f));
    Canvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    // Dark band fading out at the ends.
    cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, w, 0);
    AddStop(band, 0, Straight(0.05f, 0.0f, 0.0f, 0));
    AddStop(band, 0.12, Straight(0.08f, 0.01f, 0.01f, 0.85f));
    AddStop(band, 0.88, Straight(0.08f, 0.01f, 0.01f, 0.85f));
    AddStop(band, 1, Straight(0.05f, 0.0f, 0.0f, 0));
    cairo_set_source(cr, band);
    cairo_rectangle(cr, 0, 14, w, h - 28);
    cairo_fill(cr);
    cairo_pattern_destroy(band);
    // Hazard stripes along top and bottom edges.
    for (int edge = 0; edge < 2; ++edge) {
        const double y = edge ? h - 16 : 6;
        cairo_save(cr);
        cairo_rectangle(cr, w * 0.08, y, w * 0.84, 10);
        cairo_clip(cr);
        for (int x = -20; x < w + 20; x += 20) {
            cairo_move_to(cr, x, y + 10);
            cairo_line_to(cr, x + 10, y);
            cairo_line_to(cr, x + 20, y);
            cairo_line_to(cr, x + 10, y + 10);
            cairo_close_path(cr);
        }
        canvas.SetColour(hazard);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    Image base = canvas.ToImage();
    Canvas text(w, h);
    if (!text.SetFont(font, 54))
        ctx.errors.push_back("cannot load font " + font);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 34, 0, 80);
    AddStop(p, 0, Straight(1, 0.95f, 0.8f));
    AddStop(p, 1, hazard);
    cairo_set_source(text.Cr(), p);
    text.CentredText(ctx.source.Text("title", "WARNING!"), w / 2.0, 80);
    cairo_pattern_destroy(p);
    text.SetFont(font, 15);
    text.SetColour(Straight(1, 0.8f, 0.7f));
    text.CentredText(ctx.source.Text("subtitle", "DESTRUCTIVE POWER APPROACHING"), w / 2.0, 102);
    base.Blit(WithGlow(text.ToImage(), 4, 0.9f), 0, 0);
    return base;
}
