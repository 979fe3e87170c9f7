// Glyph sheets: measured as the font loader measures them (columns of a cell holding any
// alpha), every printable ASCII glyph is present, fits its cell and has no gap column.
#include "tools/art_image_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct CellColumns {
    int measured = 0; // columns with any alpha: the loader's width
    int first = -1;   // first and last such column
    int last = -1;
};

CellColumns Measure(const LoadedPicture& p, int code)
{
    const int cw = p.width / 16, ch = p.height / 16;
    const int x0 = (code % 16) * cw, y0 = (code / 16) * ch;
    CellColumns c;
    for (int x = 0; x < cw; ++x) {
        bool any = false;
        for (int y = 0; y < ch && !any; ++y)
            any = p.Alpha(x0 + x, y0 + y) != 0;
        if (any) {
            ++c.measured;
            if (c.first < 0)
                c.first = x;
            c.last = x;
        }
    }
    return c;
}

LoadedPicture Load(const char* file) { return LoadPicture(std::string(SKYREAVER_RUN_DIR) + "/" + file); }

} // namespace

TEST(ArtFont, PrintableAsciiGlyphsAreMeasurableWithoutGaps)
{
    for (const char* file : {"GFX/Fonts.psd", "GFX/Fonts2.psd"}) {
        SCOPED_TRACE(file);
        const LoadedPicture p = Load(file);
        ASSERT_TRUE(p.ok);
        ASSERT_EQ(p.bytesPerPixel, 4);
        for (int code = 33; code <= 126; ++code) {
            SCOPED_TRACE(code);
            const CellColumns c = Measure(p, code);
            EXPECT_GE(c.measured, 3); // below 3 the game treats the glyph as missing
            EXPECT_EQ(c.first, 0);    // flush left: the advance starts at the cell edge
            EXPECT_EQ(c.measured, c.last - c.first + 1) << "gap column inside the glyph";
            EXPECT_LT(c.measured, p.width / 16) << "glyph fills its cell: no letter spacing";
        }
    }
}

TEST(ArtFont, ControlCodesAndSpaceAreEmpty)
{
    const LoadedPicture p = Load("GFX/Fonts.psd");
    ASSERT_TRUE(p.ok);
    for (int code : {0, 9, 31, 32, 127})
        EXPECT_EQ(Measure(p, code).measured, 0) << code;
}

TEST(ArtFont, ProportionalAndTwoDistinctFaces)
{
    const LoadedPicture big = Load("GFX/Fonts.psd"), small = Load("GFX/Fonts2.psd");
    ASSERT_TRUE(big.ok && small.ok);
    EXPECT_GT(Measure(big, 'W').measured, Measure(big, 'i').measured + 6);
    EXPECT_GT(Measure(small, 'M').measured, Measure(small, 'l').measured + 6);
    int differing = 0;
    for (int code = 'A'; code <= 'Z'; ++code)
        differing += Measure(big, code).measured != Measure(small, code).measured;
    EXPECT_GT(differing, 5);
}

TEST(ArtFont, ShadowSheetCoversTheGlyphsOfBothFaces)
{
    const LoadedPicture shadow = Load("GFX/FontShadow.psd");
    ASSERT_TRUE(shadow.ok);
    ASSERT_EQ(shadow.bytesPerPixel, 4);
    for (int code : {'A', 'g', '0', '?'}) {
        const CellColumns c = Measure(shadow, code);
        EXPECT_GE(c.measured, 3) << char(code);
    }
    EXPECT_EQ(Measure(shadow, ' ').measured, 0);
}
