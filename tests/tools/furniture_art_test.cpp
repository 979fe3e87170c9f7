// The generated pictures of the stage furniture: each exists at the size its class cuts it
// by, animations really change from cell to cell, and tiling pictures join end to end.
#include "tools/art_image_reader.hpp"
#include "world/sheet_spec.hpp"
#include "world/furniture/tile_animation.hpp"
#include "world/furniture/water_fall.hpp"

#include <IL/il.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

LoadedPicture Generated(const char* file) { return LoadPicture(std::string(SKYREAVER_RUN_DIR) + "/" + file); }

// Mean absolute difference of two cells' RGBA bytes.
double CellDifference(const LoadedPicture& p, int cw, int ch, int columns, int a, int b)
{
    double sum = 0.0;
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x)
            for (int k = 0; k < 4; ++k) {
                const auto at = [&](int cell) {
                    const int px = (cell % columns) * cw + x, py = (cell / columns) * ch + y;
                    return int(p.rgba[(size_t(py) * size_t(p.width) + size_t(px)) * 4 + size_t(k)]);
                };
                sum += std::abs(at(a) - at(b));
            }
    return sum / (double(cw) * ch * 4);
}

TEST(FurnitureArt, EveryPictureHasTheSizeItsClassCutsItBy)
{
    for (const SheetSpec& picture : FurnitureSheets()) {
        SCOPED_TRACE(picture.file);
        const LoadedPicture p = Generated(picture.file);
        ASSERT_TRUE(p.ok);
        EXPECT_EQ(p.width, picture.width);
        EXPECT_EQ(p.height, picture.height);
        EXPECT_TRUE(p.bytesPerPixel == 3 || p.bytesPerPixel == 4) << p.bytesPerPixel;
        EXPECT_NE(p.format, IL_COLOUR_INDEX);
    }
}

TEST(FurnitureArt, AnimationCellsMoveAndLoop)
{
    for (const SheetSpec& picture : TileAnimation::Pictures) {
        SCOPED_TRACE(picture.file);
        const LoadedPicture p = Generated(picture.file);
        ASSERT_TRUE(p.ok);
        const int cw = picture.width / picture.columns, ch = picture.height / picture.rows;
        const int cells = picture.columns * picture.rows;
        EXPECT_GT(CellDifference(p, cw, ch, picture.columns, 0, cells / 2), 1.0) << "the animation changes";
        if (cells > 2) {
            // The last cell leads back into the first as smoothly as any two neighbours.
            const double wrap = CellDifference(p, cw, ch, picture.columns, cells - 1, 0);
            const double step = CellDifference(p, cw, ch, picture.columns, 0, 1);
            EXPECT_LT(wrap, step * 2.5 + 1.0);
        }
    }
}

TEST(FurnitureArt, TheWaterfallTilesDownItsLength)
{
    const LoadedPicture p = Generated(WaterFall::Picture.file);
    ASSERT_TRUE(p.ok);
    // The bottom row runs into the top row like any two neighbouring rows.
    auto rowDifference = [&](int a, int b) {
        double sum = 0.0;
        for (int x = 0; x < p.width; ++x)
            sum += std::abs(int(p.Alpha(x, a)) - int(p.Alpha(x, b)));
        return sum / p.width;
    };
    EXPECT_LT(rowDifference(p.height - 1, 0), rowDifference(10, 11) * 3.0 + 2.0);
    int lit = 0;
    for (int x = 0; x < p.width; ++x)
        lit += p.Alpha(x, p.height / 2) > 40;
    EXPECT_GT(lit, p.width / 10) << "streaks of light";
    EXPECT_EQ(p.Alpha(0, p.height / 2), 0) << "the curtain fades out at its sides";
}

TEST(FurnitureArt, TitleCardsAreTextOnClearGround)
{
    for (const char* file : {"GFX/Stage1.tga", "GFX/Stage2.tga", "GFX/Stage3.tga"}) {
        SCOPED_TRACE(file);
        const LoadedPicture p = Generated(file);
        ASSERT_TRUE(p.ok);
        int clear = 0, solid = 0;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                clear += p.Alpha(x, y) == 0;
                solid += p.Alpha(x, y) > 200;
            }
        EXPECT_GT(clear, p.width * p.height / 2);
        EXPECT_GT(solid, 500);
    }
}

} // namespace
