#pragma once
// A generated 256 x 256 glyph sheet (16-pixel cells) with known glyph widths.
#include <cstdint>
#include <vector>

namespace testing_support {

constexpr int FontSheetSize = 256;
// Widths: 'A' 12, 'B' 9, '!' 2 (too narrow to draw), 'C' transparent, 200 (row 12) 5,
// every other code 0.
std::vector<uint8_t> MakeFontSheet();

} // namespace testing_support
