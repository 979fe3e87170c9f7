#pragma once
// Rasterising a glyph set from a font file for the glyph and shadow sheets.
#include "tools/art/generator.hpp"

#include <vector>

struct GlyphMasks {
    int cell = 32;
    std::vector<std::vector<float>> alpha; // 256 cells of cell x cell coverage
};

GlyphMasks RasteriseGlyphs(const ArtSource& source, std::vector<std::string>& errors);
Image GlyphSheet(ArtContext& context);
Image ShadowSheet(ArtContext& context);
