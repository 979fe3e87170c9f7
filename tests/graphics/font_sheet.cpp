#include "graphics/font_sheet.hpp"

#include <cstddef>

namespace testing_support {

namespace {

void FillGlyph(std::vector<uint8_t>& rgba, int code, int columns)
{
    const int left = (code % 16) * 16, top = (code / 16) * 16;
    for (int y = top + 2; y < top + 14; ++y)
        for (int x = left; x < left + columns; ++x) {
            uint8_t* p = &rgba[(static_cast<size_t>(y) * FontSheetSize + x) * 4];
            p[0] = p[1] = p[2] = 255;
            p[3] = 255;
        }
}

} // namespace

std::vector<uint8_t> MakeFontSheet()
{
    std::vector<uint8_t> rgba(static_cast<size_t>(FontSheetSize) * FontSheetSize * 4, 0);
    FillGlyph(rgba, 'A', 12);
    FillGlyph(rgba, 'B', 9);
    FillGlyph(rgba, '!', 2);
    FillGlyph(rgba, 200, 5);
    // Opaque colour with zero alpha still counts as empty.
    const int left = ('C' % 16) * 16, top = ('C' / 16) * 16;
    rgba[(static_cast<size_t>(top + 3) * FontSheetSize + left + 3) * 4] = 255;
    return rgba;
}

} // namespace testing_support
