// The preview renderer draws the tile layers the way the game does: parallax per layer,
// alpha blending below 992, light added from 992, collision codes shown in the front plane.
#include "tools/tiles/map_preview.hpp"

#include <gtest/gtest.h>

namespace {

// A sheet with three cells: 1 opaque red, 2 half-transparent blue, 992 green light.
SheetPixelsRgba TestSheet()
{
    SheetPixelsRgba s;
    s.width = s.height = 1024;
    s.rgba.assign(size_t(1024) * 1024 * 4, 0);
    auto fill = [&](int code, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
        const int x0 = (code % 32) * 32, y0 = (code / 32) * 32;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                uint8_t* p = &s.rgba[(size_t(y0 + y) * 1024 + size_t(x0 + x)) * 4];
                p[0] = r, p[1] = g, p[2] = b, p[3] = a;
            }
    };
    fill(1, 255, 0, 0, 255);
    fill(2, 0, 0, 255, 128);
    fill(992, 0, 100, 0, 0); // light ignores alpha
    return s;
}

StageMap EmptyMap(int w, int h)
{
    StageMap m;
    m.width = w;
    m.height = h;
    for (auto& p : m.planes)
        p.assign(size_t(w) * size_t(h), 0);
    return m;
}

} // namespace

TEST(TilesPreview, LayersScrollWithTheirParallaxAndBlendAsTheGameDoes)
{
    const SheetPixelsRgba sheet = TestSheet();
    StageMap map = EmptyMap(40, 20);
    map.planes[0][1] = 1;        // far plane, column 1: at x 30 - 60 * 0.5 = 0
    map.planes[1][10] = 1;       // middle plane, column 10: at x 300 - 60 * 0.75 = 255
    map.planes[2][3] = 1;        // play plane, column 3: at x 90 - 60 = 30
    map.planes[3][3] = 992;      // front plane light over it
    map.planes[4][5] = 2;        // a collision code between empty and solid shows in front
    map.planes[4][7] = 1023;     // solid collision draws nothing
    map.planes[2][7 + 40] = -5;  // negative codes draw nothing
    const Image frame = RenderMapView(map, sheet, sheet, 60.0f, 0.0f);
    auto red = [&](int x, int y) { return frame.At(x, y).r; };
    EXPECT_FLOAT_EQ(red(5, 5), 1.0f);
    EXPECT_FLOAT_EQ(red(29, 29), 1.0f);
    EXPECT_FLOAT_EQ(red(5, 31), 0.0f);
    EXPECT_FLOAT_EQ(red(260, 5), 1.0f);
    EXPECT_FLOAT_EQ(red(254, 5), 0.0f);
    EXPECT_FLOAT_EQ(red(35, 5), 1.0f);
    EXPECT_NEAR(frame.At(35, 5).g, 100.0f / 255.0f, 1e-5f);
    EXPECT_NEAR(frame.At(95, 5).b, 128.0f / 255.0f, 1e-5f); // column 5 at x 150 - 60
    EXPECT_FLOAT_EQ(frame.At(155, 5).r + frame.At(155, 5).g + frame.At(155, 5).b, 0.0f);
    EXPECT_FLOAT_EQ(frame.At(155, 35).r, 0.0f);

    // Vertical parallax too: the far plane's row 1 moves half as far as the camera.
    StageMap tall = EmptyMap(40, 20);
    tall.planes[0][40 + 0] = 1;
    const Image down = RenderMapView(tall, sheet, sheet, 0.0f, 40.0f);
    EXPECT_FLOAT_EQ(down.At(5, 10).r, 1.0f);  // row 1 at y 30 - 20
    EXPECT_FLOAT_EQ(down.At(5, 9).r, 0.0f);
    EXPECT_FLOAT_EQ(down.At(5, 39).r, 1.0f);
    EXPECT_FLOAT_EQ(down.At(5, 40).r, 0.0f);
}
