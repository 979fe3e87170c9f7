// Glyph sheets: 16 x 16 cells in character-code order, each glyph set flush left in its
// cell so that its width can be measured from alpha. Columns between the first and the
// last inked column, plus the letter spacing after it, always hold some alpha (an
// invisible 1/255 where the face leaves a gap), so the measured width is the advance.
#include "tools/art/generator.hpp"
#include "tools/art/font_sheet.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

std::vector<int> CodeList(const ArtSource& src)
{
    std::vector<int> codes;
    for (const auto& range : src.All("chars")) {
        const int from = std::atoi(range[0].c_str());
        const int to = range.size() > 1 ? std::atoi(range[1].c_str()) : from;
        for (int c = std::max(33, from); c <= std::min(255, to); ++c)
            codes.push_back(c);
    }
    return codes;
}

} // namespace

GlyphMasks RasteriseGlyphs(const ArtSource& src, std::vector<std::string>& errors)
{
    GlyphMasks masks;
    masks.cell = int(src.Number("cell", 32));
    masks.alpha.assign(256, std::vector<float>(size_t(masks.cell * masks.cell), 0.0f));
    const std::string file = src.Text("face");
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, file.c_str(), 0, &face) != 0) {
        errors.push_back("cannot load font face " + file);
        if (library)
            FT_Done_FreeType(library);
        return masks;
    }
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(src.Number("pixels", 24)));
    const int cell = masks.cell;
    const int baseline = int(src.Number("baseline", 24));
    const int left = int(src.Number("left", 1));
    for (int code : CodeList(src)) {
        if (FT_Load_Char(face, FT_ULong(code), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0)
            continue;
        const FT_Bitmap& bm = face->glyph->bitmap;
        const int top = baseline - face->glyph->bitmap_top;
        auto& a = masks.alpha[size_t(code)];
        for (int y = 0; y < int(bm.rows); ++y)
            for (int x = 0; x < int(bm.width); ++x) {
                const int cx = left + x, cy = top + y;
                if (cx < 0 || cy < 0 || cx >= cell || cy >= cell)
                    continue;
                a[size_t(cy * cell + cx)] = float(bm.buffer[y * bm.pitch + x]) / 255.0f;
            }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return masks;
}

namespace {

// Max of the mask over a (2r+1)^2 neighbourhood: the outline around a glyph.
std::vector<float> Dilated(const std::vector<float>& a, int cell, int r)
{
    std::vector<float> out(a.size(), 0.0f);
    for (int y = 0; y < cell; ++y)
        for (int x = 0; x < cell; ++x) {
            float m = 0.0f;
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx >= 0 && sy >= 0 && sx < cell && sy < cell && dx * dx + dy * dy <= r * r + r)
                        m = std::max(m, a[size_t(sy * cell + sx)]);
                }
            out[size_t(y * cell + x)] = m;
        }
    return out;
}

// Keeps every column from 0 to the last inked one plus `spacing` non-transparent.
void CloseColumns(Image& sheet, int cx, int cy, int cell, int spacing)
{
    int last = -1;
    for (int x = 0; x < cell; ++x)
        for (int y = 0; y < cell; ++y)
            if (sheet.At(cx + x, cy + y).a > 0.5f / 255.0f)
                last = x;
    if (last < 0)
        return;
    const int end = std::min(cell - 1, last + spacing);
    for (int x = 0; x <= end; ++x) {
        bool inked = false;
        for (int y = 0; y < cell && !inked; ++y)
            inked = sheet.At(cx + x, cy + y).a > 0.5f / 255.0f;
        if (!inked)
            sheet.At(cx + x, cy + cell - 1) = Straight(0, 0, 0, 1.0f / 255.0f);
    }
}

} // namespace

Image GlyphSheet(ArtContext& ctx)
{
    const ArtSource& src = ctx.source;
    const GlyphMasks masks = RasteriseGlyphs(src, ctx.errors);
    const int cell = masks.cell;
    const Rgba top = ctx.source.Colour("top", Straight(1, 1, 1));
    const Rgba bottom = ctx.source.Colour("bottom", Straight(0.8f, 0.85f, 0.9f));
    const Rgba edge = ctx.source.Colour("outline-colour", Straight(0.1f, 0.12f, 0.16f));
    const int outline = int(src.Number("outline", 1));
    const int spacing = int(src.Number("spacing", 2));
    const float inkTop = src.Number("gradient", 4, 0), inkBottom = src.Number("gradient", 24, 1);
    Image sheet(cell * 16, cell * 16);
    for (int code = 33; code < 256; ++code) {
        const auto& a = masks.alpha[size_t(code)];
        const auto ring = outline > 0 ? Dilated(a, cell, outline) : a;
        const int cx = (code % 16) * cell, cy = (code / 16) * cell;
        for (int y = 0; y < cell; ++y) {
            const float t = Smoothstep(inkTop, inkBottom, float(y));
            const Rgba fill = Mix(top, bottom, t);
            for (int x = 0; x < cell; ++x) {
                const size_t i = size_t(y * cell + x);
                Rgba c = Scaled(edge, ring[i]);
                const Rgba f = Scaled(fill, a[i]);
                c = {f.r + c.r * (1 - f.a), f.g + c.g * (1 - f.a), f.b + c.b * (1 - f.a), f.a + c.a * (1 - f.a)};
                sheet.At(cx + x, cy + y) = c;
            }
        }
        CloseColumns(sheet, cx, cy, cell, spacing);
    }
    return sheet;
}

Image ShadowSheet(ArtContext& ctx)
{
    // One shadow serves both faces: the blurred union of their glyphs.
    std::vector<GlyphMasks> faces;
    for (const auto& uses : ctx.source.All("uses"))
        for (const auto& file : uses)
            faces.push_back(RasteriseGlyphs(ctx.Load(file), ctx.errors));
    const int cell = faces.empty() ? 32 : faces[0].cell;
    const float strength = ctx.source.Number("strength", 0.6f);
    const int blur = int(ctx.source.Number("blur", 1));
    Image sheet(cell * 16, cell * 16);
    for (int code = 33; code < 256; ++code) {
        Image glyph(cell + 8, cell + 8);
        for (const auto& f : faces) {
            if (f.cell != cell)
                continue;
            const auto ring = Dilated(f.alpha[size_t(code)], cell, 1);
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x) {
                    Rgba& p = glyph.At(x + 4, y + 4);
                    p.a = std::max(p.a, ring[size_t(y * cell + x)]);
                }
        }
        glyph = Blurred(glyph, blur);
        const int cx = (code % 16) * cell, cy = (code / 16) * cell;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                sheet.At(cx + x, cy + y) = Straight(0, 0, 0, std::min(1.0f, glyph.At(x + 4, y + 4).a * strength));
    }
    return sheet;
}
