#include "tools/sheet_cells.hpp"

#include <IL/il.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace sheet_cells {

LoadedPicture Generated(const SheetSpec& sheet) { return LoadPicture(std::string(SKYREAVER_RUN_DIR) + "/" + sheet.file); }

uint8_t Channel(const LoadedPicture& p, int x, int y, int k)
{
    return p.rgba[(size_t(y) * size_t(p.width) + size_t(x)) * 4 + size_t(k)];
}

Cell CellOf(const SheetSpec& s, int index)
{
    const int w = s.width / s.columns, h = s.height / s.rows;
    return {(index % s.columns) * w, (index / s.columns) * h, w, h};
}

int OpaquePixels(const LoadedPicture& p, const Cell& c, int threshold)
{
    int n = 0;
    for (int y = c.y0; y < c.y0 + c.h; ++y)
        for (int x = c.x0; x < c.x0 + c.w; ++x)
            n += p.Alpha(x, y) >= threshold;
    return n;
}

bool TouchesBorder(const LoadedPicture& p, const Cell& c)
{
    for (int i = 0; i < c.w; ++i)
        if (p.Alpha(c.x0 + i, c.y0) || p.Alpha(c.x0 + i, c.y0 + c.h - 1))
            return true;
    for (int i = 0; i < c.h; ++i)
        if (p.Alpha(c.x0, c.y0 + i) || p.Alpha(c.x0 + c.w - 1, c.y0 + i))
            return true;
    return false;
}

void ExpectTrueColourAtItsSize(const SheetSpec& sheet)
{
    const LoadedPicture p = Generated(sheet);
    ASSERT_TRUE(p.ok) << sheet.file;
    EXPECT_EQ(p.width, sheet.width);
    EXPECT_EQ(p.height, sheet.height);
    EXPECT_EQ(p.bytesPerPixel, 4);
    EXPECT_NE(p.format, IL_COLOUR_INDEX);
}

double CellDifference(const LoadedPicture& p, const Cell& a, const Cell& b)
{
    double sum = 0.0;
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x)
            for (int k = 0; k < 4; ++k)
                sum += std::abs(int(Channel(p, a.x0 + x, a.y0 + y, k)) - int(Channel(p, b.x0 + x, b.y0 + y, k)));
    return sum / (double(a.w) * a.h * 4);
}

} // namespace sheet_cells
