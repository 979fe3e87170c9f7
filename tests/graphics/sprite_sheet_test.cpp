#include "graphics/sprite_sheet.hpp"

#include <gtest/gtest.h>

TEST(SpriteSheet, BulletSheetCellsRunRowByRow)
{
    SpriteSheet sheet;
    sheet.Setup(7, 8, 16, 256, 512);
    EXPECT_EQ(sheet.cellCount, 128);
    EXPECT_EQ(sheet.texture, 7u);
    EXPECT_FLOAT_EQ(sheet.cellPixelWidth, 32.0f);
    EXPECT_FLOAT_EQ(sheet.cellPixelHeight, 32.0f);
    EXPECT_FLOAT_EQ(sheet.Cell(0).u, 0.0f);
    EXPECT_FLOAT_EQ(sheet.Cell(0).v, 0.0f);
    EXPECT_FLOAT_EQ(sheet.Cell(9).u, 1.0f / 8.0f); // row 1, column 1
    EXPECT_FLOAT_EQ(sheet.Cell(9).v, 1.0f / 16.0f);
    EXPECT_FLOAT_EQ(sheet.Cell(127).u, 7.0f / 8.0f);
    EXPECT_FLOAT_EQ(sheet.Cell(127).v, 15.0f / 16.0f);
}

TEST(SpriteSheet, UnevenWidthUsesIntegerPixelsButExactTextureThirds)
{
    SpriteSheet sheet;
    sheet.Setup(1, 3, 1, 128, 32);
    EXPECT_EQ(sheet.cellCount, 3);
    EXPECT_FLOAT_EQ(sheet.cellPixelWidth, 42.0f);
    EXPECT_FLOAT_EQ(sheet.cellU, 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(sheet.Cell(2).u, 2.0f / 3.0f);
}

TEST(SpriteSheet, CorruptIndexIsClampedIntoTheSheet)
{
    SpriteSheet sheet;
    sheet.Setup(1, 4, 4, 64, 64);
    EXPECT_FLOAT_EQ(sheet.Cell(16).u, sheet.Cell(15).u);
    EXPECT_FLOAT_EQ(sheet.Cell(16).v, sheet.Cell(15).v);
    EXPECT_FLOAT_EQ(sheet.Cell(1000000).v, 0.75f);
    EXPECT_FLOAT_EQ(sheet.Cell(-3).u, 0.0f);
    SpriteSheet empty;
    EXPECT_EQ(empty.cellCount, 0);
    EXPECT_FLOAT_EQ(empty.Cell(5).u, 0.0f);
}

TEST(SpriteSheet, SetupAgainReplacesCellsAndDegenerateSizesGiveNone)
{
    SpriteSheet sheet;
    sheet.Setup(1, 8, 4, 512, 256);
    sheet.Setup(2, 2, 1, 32, 16);
    EXPECT_EQ(sheet.cellCount, 2);
    EXPECT_EQ(sheet.cells.size(), 2u);
    sheet.Setup(3, 8, 4, 4, 4); // smaller than its grid
    EXPECT_EQ(sheet.cellCount, 0);
    sheet.Setup(3, 0, 4, 64, 64);
    EXPECT_EQ(sheet.cellCount, 0);
}
