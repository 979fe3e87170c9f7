#include "graphics/bitmap_font.hpp"
#include "graphics/font_sheet.hpp"

#include <gtest/gtest.h>

namespace {

class FontMetrics : public testing::Test {
protected:
    void SetUp() override
    {
        const auto sheet = testing_support::MakeFontSheet();
        font.MeasureGlyphs(sheet.data(), testing_support::FontSheetSize, testing_support::FontSheetSize);
    }
    BitmapFont font;
};

} // namespace

TEST_F(FontMetrics, WidthsAreCountedFromAlphaColumns)
{
    EXPECT_EQ(font.GlyphFor('A').width, 12);
    EXPECT_EQ(font.GlyphFor('B').width, 9);
    EXPECT_EQ(font.GlyphFor('!').width, 2);
    EXPECT_EQ(font.GlyphFor('C').width, 0);
    EXPECT_EQ(font.GlyphFor('Z').width, 0);
}

TEST_F(FontMetrics, HighBytesUseTheLowerRowsOfTheSheet)
{
    EXPECT_EQ(font.GlyphFor(200).width, 5);
    EXPECT_FLOAT_EQ(font.GlyphFor(200).u, 8.0f / 16.0f);
    EXPECT_FLOAT_EQ(font.GlyphFor(200).v, 12.0f / 16.0f);
    EXPECT_FLOAT_EQ(font.GlyphFor(255).v, 15.0f / 16.0f);
    EXPECT_FLOAT_EQ(font.TextWidth(std::string(1, static_cast<char>(200))), 5.0f);
}

TEST_F(FontMetrics, EmptyStringHasNoWidth)
{
    EXPECT_FLOAT_EQ(font.TextWidth(""), 0.0f);
    EXPECT_FLOAT_EQ(font.LineStart("", 100.0f), 100.0f);
}

TEST_F(FontMetrics, SpacesAdvanceTenAndCentredTextStartsHalfItsWidthLeft)
{
    EXPECT_EQ(font.Alignment(), TextAlignment::Centre) << "centred by default";
    EXPECT_FLOAT_EQ(font.TextWidth("A B"), 12.0f + 10.0f + 9.0f);
    EXPECT_FLOAT_EQ(font.LineStart("A B", 300.0f), 300.0f - 31.0f / 2.0f);
    font.SetAlignment(TextAlignment::Right);
    EXPECT_FLOAT_EQ(font.LineStart("A B", 300.0f), 300.0f - 31.0f);
    font.SetAlignment(TextAlignment::Left);
    EXPECT_FLOAT_EQ(font.LineStart("A B", 300.0f), 300.0f);
    EXPECT_FLOAT_EQ(font.TextWidth(std::string("\t\n\x01", 3)), 30.0f) << "every code up to 32";
}

TEST_F(FontMetrics, FixedWidthIsTwentyPerGlyphAndScaled)
{
    font.FixedWidthOn();
    EXPECT_FLOAT_EQ(font.TextWidth("ABCDEFGHIJ"), 200.0f);
    font.SetScale(0.5f, 2.0f);
    EXPECT_FLOAT_EQ(font.TextWidth("ABCDEFGHIJ"), 100.0f);
    EXPECT_FLOAT_EQ(font.TextWidth("A B"), 25.0f);
    font.FixedWidthOff();
    EXPECT_FLOAT_EQ(font.TextWidth("A B"), 15.5f);
}

TEST_F(FontMetrics, TransparentAndNarrowGlyphsAddOnlyTheirMeasuredWidth)
{
    EXPECT_FLOAT_EQ(font.TextWidth("ACB"), 21.0f);
    EXPECT_FLOAT_EQ(font.TextWidth("!!"), 4.0f);
}

TEST(BitmapFont, DefaultStateIsWhiteCentredWithShadow)
{
    BitmapFont font;
    EXPECT_TRUE(font.Shadow());
    EXPECT_FALSE(font.FixedWidth());
    EXPECT_EQ(font.Alignment(), TextAlignment::Centre);
    EXPECT_EQ(font.GlyphTexture(), 0u);
    EXPECT_FLOAT_EQ(font.GlyphFor('A').u, 1.0f / 16.0f);
    EXPECT_FLOAT_EQ(font.GlyphFor('A').v, 4.0f / 16.0f);
}

TEST(BitmapFont, SheetSmallerThanItsGridMeasuresNothing)
{
    const std::vector<uint8_t> tiny(8 * 8 * 4, 255);
    BitmapFont font;
    font.MeasureGlyphs(tiny.data(), 8, 8);
    EXPECT_EQ(font.GlyphFor('A').width, 0);
}
