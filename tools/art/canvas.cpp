#include "tools/art/canvas.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <map>

namespace {

// Faces stay loaded for the life of the process: Cairo refers to them while drawing.
FT_Face LoadFace(const std::string& file)
{
    static FT_Library library = nullptr;
    static std::map<std::string, FT_Face> faces;
    if (!library && FT_Init_FreeType(&library) != 0)
        return nullptr;
    const auto it = faces.find(file);
    if (it != faces.end())
        return it->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.c_str(), 0, &face) != 0) {
        std::fprintf(stderr, "skyreaver_art: cannot load font %s\n", file.c_str());
        face = nullptr;
    }
    faces[file] = face;
    return face;
}

} // namespace

Canvas::Canvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_))
{
}

Canvas::~Canvas()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Image Canvas::ToImage()
{
    cairo_surface_flush(surface_);
    const int w = cairo_image_surface_get_width(surface_), h = cairo_image_surface_get_height(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    Image image(w, h);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < w; ++x) {
            const uint32_t p = row[x];
            image.At(x, y) = {float((p >> 16) & 255) / 255.0f, float((p >> 8) & 255) / 255.0f,
                              float(p & 255) / 255.0f, float(p >> 24) / 255.0f};
        }
    }
    return image;
}

void Canvas::SetColour(Rgba c) { cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a); }

bool Canvas::SetFont(const std::string& fontFile, double size)
{
    FT_Face face = LoadFace(fontFile);
    if (!face)
        return false;
    static std::map<FT_Face, cairo_font_face_t*> cairoFaces;
    cairo_font_face_t*& cf = cairoFaces[face];
    if (!cf)
        cf = cairo_ft_font_face_create_for_ft_face(face, 0);
    cairo_set_font_face(cr_, cf);
    cairo_set_font_size(cr_, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    return true;
}

double Canvas::TextWidth(const std::string& text)
{
    cairo_text_extents_t e;
    cairo_text_extents(cr_, text.c_str(), &e);
    return e.x_advance;
}

double Canvas::CentredText(const std::string& text, double x, double y)
{
    const double w = TextWidth(text);
    cairo_move_to(cr_, x - w / 2, y);
    cairo_text_path(cr_, text.c_str());
    cairo_fill(cr_);
    return w;
}

void AddStop(cairo_pattern_t* pattern, double offset, Rgba c)
{
    cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, c.a);
}

Rgba Unpremultiplied(Rgba c)
{
    if (c.a <= 1e-6f)
        return {0, 0, 0, 0};
    return {c.r / c.a, c.g / c.a, c.b / c.a, c.a};
}
