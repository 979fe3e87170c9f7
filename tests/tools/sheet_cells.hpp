#pragma once
// Looking at a generated sprite sheet cell by cell: the picture a SheetSpec names in the run
// directory, a cell's pixel rectangle, and the measures the content tests share.
#include "tools/art_image_reader.hpp"
#include "world/sheet_spec.hpp"

#include <cstdint>

namespace sheet_cells {

struct Cell {
    int x0, y0, w, h;
};

LoadedPicture Generated(const SheetSpec& sheet);
uint8_t Channel(const LoadedPicture& p, int x, int y, int k);
Cell CellOf(const SheetSpec& s, int index);
int OpaquePixels(const LoadedPicture& p, const Cell& c, int threshold = 128);
// Whether anything shows on the cell's outermost rows and columns (a frame that spills
// over or is cut off by its cell).
bool TouchesBorder(const LoadedPicture& p, const Cell& c);
// The picture exists at the sheet's size, 32-bit with alpha, never a palette image.
void ExpectTrueColourAtItsSize(const SheetSpec& sheet);
// The mean difference per channel between two cells of the same size (0..255).
double CellDifference(const LoadedPicture& p, const Cell& a, const Cell& b);

} // namespace sheet_cells
