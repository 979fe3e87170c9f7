// Texture uploads, the texture cache and font drawing in a real OpenGL context.
#include "core/log.hpp"
#include "graphics/bitmap_font.hpp"
#include "graphics/font_sheet.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/gl_window.hpp"
#include "graphics/software_renderer.hpp"
#include "graphics/test_images.hpp"
#include "graphics/texture_cache.hpp"
#include "graphics/texture_loading.hpp"

#include <IL/il.h>

namespace {

// Colour pictures are compressed, except on a software renderer, which keeps them decoded.
GLint ColourFormat(int channels)
{
    if (SoftwareRenderer())
        return channels == 4 ? GL_RGBA8 : GL_RGB8;
    return channels == 4 ? GL_COMPRESSED_RGBA_S3TC_DXT5_EXT : GL_COMPRESSED_RGB_S3TC_DXT1_EXT;
}

GLint InternalFormat(GLuint texture)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint format = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    return format;
}

std::array<int, 4> Texel(GLuint texture, int channels, int index)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    (void)channels;
    const unsigned char* p = &pixels[static_cast<size_t>(index) * 4];
    return {p[0], p[1], p[2], p[3]};
}

} // namespace

TEST_F(GraphicsGL, ChannelCountPicksTheUploadFormat)
{
    const auto dir = Dir().Path();
    testing_support::WriteTga(dir / "rgb.tga", 8, 8, 3, std::vector<uint8_t>(8 * 8 * 3, 200));
    testing_support::WriteTga(dir / "rgba.tga", 8, 8, 4, testing_support::SolidRgba(8, 8, 0, 0, 255, 128));
    testing_support::WriteTga(dir / "grey.tga", 5, 3, 1, std::vector<uint8_t>(15, 77));
    const GLuint rgb = LoadTexture((dir / "rgb.tga").string(), GL_LINEAR, GL_LINEAR, GL_REPEAT, GL_REPEAT);
    const GLuint rgba = LoadTexture((dir / "rgba.tga").string(), GL_NEAREST, GL_NEAREST, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE);
    const GLuint grey = LoadTexture((dir / "grey.tga").string(), GL_LINEAR, GL_LINEAR, GL_REPEAT, GL_REPEAT);
    ASSERT_NE(rgb, 0u);
    ASSERT_NE(rgba, 0u);
    ASSERT_NE(grey, 0u);
    EXPECT_EQ(InternalFormat(rgb), ColourFormat(3));
    EXPECT_EQ(InternalFormat(rgba), ColourFormat(4));
    EXPECT_EQ(InternalFormat(grey), GL_RED);
    EXPECT_EQ(Texel(grey, 1, 14)[0], 77) << "odd-width single-channel rows stay aligned";
    const auto blue = Texel(rgba, 4, 0);
    EXPECT_NEAR(blue[2], 255, 4);
    EXPECT_NEAR(blue[0], 0, 4);
    EXPECT_NEAR(blue[3], 128, 4);
    GLint minFilter = 0, wrap = 0;
    glBindTexture(GL_TEXTURE_2D, rgba);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap);
    EXPECT_EQ(minFilter, GL_NEAREST);
    EXPECT_EQ(wrap, GL_CLAMP_TO_EDGE);
    const std::string log = NewLog();
    EXPECT_NE(log.find("Image Loaded: " + (dir / "grey.tga").string() + "\n"), std::string::npos) << log;
    const GLuint all[3] = {rgb, rgba, grey};
    glDeleteTextures(3, all);
}

TEST_F(GraphicsGL, PaletteAndBgrPicturesUploadTheirRealColours)
{
    const auto dir = Dir().Path();
    std::vector<uint8_t> indices(8 * 8, 1);
    testing_support::WritePaletteTga(dir / "pal.tga", 8, 8, indices, {0, 0, 0, 255, 0, 0});
    testing_support::WriteTga(dir / "red.tga", 8, 8, 3, [] {
        std::vector<uint8_t> p;
        for (int i = 0; i < 64; ++i)
            p.insert(p.end(), {255, 0, 0});
        return p;
    }());
    for (const char* name : {"pal.tga", "red.tga"}) {
        const GLuint texture = LoadTexture((dir / name).string(), GL_LINEAR, GL_LINEAR, GL_REPEAT, GL_REPEAT);
        ASSERT_NE(texture, 0u) << name;
        EXPECT_EQ(InternalFormat(texture), ColourFormat(3)) << name;
        const auto texel = Texel(texture, 3, 9);
        EXPECT_GT(texel[0], 240) << name;
        EXPECT_LT(texel[2], 16) << name;
        glDeleteTextures(1, &texture);
    }
}

TEST_F(GraphicsGL, AutoUploadAndFailuresLogTheirLines)
{
    const auto dir = Dir().Path();
    testing_support::WriteTga(dir / "map.tga", 4, 4, 4, testing_support::SolidRgba(4, 4, 10, 20, 30, 255));
    const GLuint map = LoadTextureAuto((dir / "map.tga").string());
    EXPECT_NE(map, 0u);
    EXPECT_TRUE(glIsTexture(map));
    const std::string missing = (dir / "none.png").string();
    NewLog();
    EXPECT_EQ(LoadTextureAuto(missing), 0u);
    EXPECT_EQ(LoadTexture(missing, GL_LINEAR, GL_LINEAR, GL_REPEAT, GL_REPEAT), 0u);
    EXPECT_EQ(NewLog(), "Failed to load image: " + missing + "!\n" + "Failed to load image: " + missing + "!\n");
    glDeleteTextures(1, &map);
}

TEST_F(GraphicsGL, CacheLoadsOnceRetriesFailuresAndDeletesOnRelease)
{
    const auto dir = Dir().Path();
    testing_support::WriteTga(dir / "c.tga", 4, 4, 3, std::vector<uint8_t>(48, 1));
    const std::string present = (dir / "c.tga").string(), absent = (dir / "d.tga").string();
    TextureCache cache;
    const GLuint texture = cache.Get(present, GL_CLAMP_TO_EDGE);
    ASSERT_NE(texture, 0u);
    EXPECT_EQ(cache.Get(present, GL_REPEAT), texture);
    GLint wrap = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    EXPECT_EQ(wrap, GL_CLAMP_TO_EDGE);
    NewLog();
    EXPECT_EQ(cache.Get(absent, GL_REPEAT), 0u);
    EXPECT_EQ(cache.Get(absent, GL_REPEAT), 0u);
    const std::string failure = "Failed to load image: " + absent + "!\n";
    EXPECT_EQ(NewLog(), failure + failure) << "the disk is tried each time";
    cache.Release(present);
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_EQ(cache.Size(), 0u);
}

TEST_F(GraphicsGL, FontLoadsMeasuresAndDrawsWithItsShadow)
{
    const auto dir = Dir().Path();
    testing_support::WriteTga(dir / "font.tga", testing_support::FontSheetSize, testing_support::FontSheetSize, 4,
                              testing_support::MakeFontSheet());
    // A shadow sheet that is solid wherever it is sampled.
    testing_support::WriteTga(dir / "shadow.tga", 64, 64, 4, testing_support::SolidRgba(64, 64, 255, 255, 255, 255));
    BitmapFont font;
    ASSERT_TRUE(font.LoadFont((dir / "font.tga").string(), (dir / "shadow.tga").string()));
    const std::string log = NewLog();
    EXPECT_EQ(log.rfind("Image Loaded:" + (dir / "font.tga").string() + ".\n", 0), 0u) << log;
    EXPECT_EQ(font.GlyphFor('A').width, 12);

    font.SetAlignment(TextAlignment::Left);
    font.ShadowOff();
    font.SetColour(1, 1, 1, 1);
    font.DrawText("A", 100.0f, 100.0f);
    // 'A' fills columns 0..11 and rows 2..13 of its 16-pixel cell: 24 x 24 of the 32 x 32 quad.
    EXPECT_GT(Pixel(110, 116)[0], 200);
    EXPECT_EQ(Pixel(130, 116)[0], 0);
    EXPECT_EQ(Pixel(110, 101)[0], 0);
    EXPECT_EQ(Pixel(110, 134)[0], 0) << "no shadow pass";

    glClear(GL_COLOR_BUFFER_BIT);
    font.ShadowOn();
    font.SetColour(1, 0, 0, 1);
    font.DrawText("!", 200.0f, 100.0f); // too narrow: no quad in either pass
    EXPECT_EQ(Pixel(201, 110)[0], 0);
    font.DrawText("A", 100.0f, 100.0f);
    EXPECT_GT(Pixel(110, 134)[0], 200) << "the solid shadow sheet covers the quad offset by (4, 4)";
    EXPECT_GT(Pixel(134, 134)[0], 200);
    EXPECT_EQ(Pixel(137, 110)[0], 0);
}

TEST_F(GraphicsGL, FontWithAMissingShadowFails)
{
    const auto dir = Dir().Path();
    testing_support::WriteTga(dir / "font2.tga", 32, 32, 4, testing_support::SolidRgba(32, 32, 1, 1, 1, 1));
    BitmapFont font;
    EXPECT_FALSE(font.LoadFont((dir / "nofont.tga").string(), (dir / "font2.tga").string()));
    EXPECT_EQ(NewLog(), "Failed to load fontset: " + (dir / "nofont.tga").string() + "!\n");
    EXPECT_FALSE(font.LoadFont((dir / "font2.tga").string(), (dir / "noshadow.tga").string()));
}
