// Image decoding and conversion through the image library, without a window.
#include "core/automation.hpp"
#include "core/log.hpp"
#include "graphics/test_images.hpp"
#include "graphics/texture_cache.hpp"
#include "graphics/texture_loading.hpp"
#include "support/game_run.hpp"

#include <IL/il.h>
#include <gtest/gtest.h>

using testing_support::ScratchDir;

namespace {

class ImageLoading : public testing::Test {
protected:
    static void SetUpTestSuite() { ilInit(); }
    void SetUp() override { GameLog().SetConsoleEcho(false); }

    // Loads with LoadImage and converts like the texture loader does.
    std::vector<uint8_t> Converted(const std::string& file, int& channels)
    {
        const uint32_t image = LoadImage(file);
        EXPECT_NE(image, 0u) << file;
        if (image == 0)
            return {};
        channels = UploadChannels(ilGetInteger(IL_IMAGE_FORMAT), ilGetInteger(IL_PALETTE_TYPE));
        int width = 0, height = 0;
        std::vector<uint8_t> pixels;
        EXPECT_TRUE(CopyBoundImagePixels(channels, width, height, pixels));
        ILuint name = image;
        ilDeleteImages(1, &name);
        return pixels;
    }

    ScratchDir dir{"images"};
};

} // namespace

TEST_F(ImageLoading, BgrFileComesOutInRgbOrderTopRowFirst)
{
    // Red top row, blue bottom row: a BGR upload would swap them into blue and red.
    std::vector<uint8_t> rgb = {255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255};
    testing_support::WriteTga(dir / "rgb.tga", 2, 2, 3, rgb);
    int channels = 0;
    const auto pixels = Converted((dir / "rgb.tga").string(), channels);
    EXPECT_EQ(channels, 3);
    EXPECT_EQ(pixels, rgb);
}

TEST_F(ImageLoading, PaletteFileBecomesRgbNotAnIndexChannel)
{
    const std::vector<uint8_t> palette = {10, 20, 30, 200, 100, 50};
    testing_support::WritePaletteTga(dir / "pal.tga", 2, 1, {1, 0}, palette);
    const uint32_t image = LoadImage((dir / "pal.tga").string());
    ASSERT_NE(image, 0u);
    EXPECT_EQ(ilGetInteger(IL_IMAGE_FORMAT), IL_COLOUR_INDEX) << "the case the conversion exists for";
    ILuint name = image;
    ilDeleteImages(1, &name);
    int channels = 0;
    const auto pixels = Converted((dir / "pal.tga").string(), channels);
    EXPECT_EQ(channels, 3);
    EXPECT_EQ(pixels, (std::vector<uint8_t>{200, 100, 50, 10, 20, 30}));
}

TEST_F(ImageLoading, AlphaAndGreyImagesKeepTheirChannels)
{
    testing_support::WriteTga(dir / "rgba.tga", 1, 1, 4, {1, 2, 3, 4});
    testing_support::WriteTga(dir / "grey.tga", 3, 1, 1, {0, 128, 255});
    int channels = 0;
    EXPECT_EQ(Converted((dir / "rgba.tga").string(), channels), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(channels, 4);
    EXPECT_EQ(Converted((dir / "grey.tga").string(), channels), (std::vector<uint8_t>{0, 128, 255}));
    EXPECT_EQ(channels, 1);
    EXPECT_EQ(UploadChannels(IL_LUMINANCE_ALPHA, 0), 4);
    EXPECT_EQ(UploadChannels(IL_COLOUR_INDEX, IL_PAL_RGBA32), 4);
    EXPECT_EQ(UploadChannels(IL_BGR, 0), 3);
}

TEST_F(ImageLoading, LoadedBytesCountFourPerPixel)
{
    testing_support::WriteTga(dir / "wide.tga", 5, 3, 3, std::vector<uint8_t>(5 * 3 * 3, 9));
    const int64_t before = LoadedImageBytes();
    int channels = 0;
    Converted((dir / "wide.tga").string(), channels);
    EXPECT_EQ(LoadedImageBytes() - before, 5 * 3 * 4);
}

TEST_F(ImageLoading, MissingTruncatedAndEmptyFilesFailCleanly)
{
    testing_support::WriteTga(dir / "whole.tga", 16, 16, 4, testing_support::SolidRgba(16, 16, 1, 2, 3, 4));
    const std::string whole = testing_support::ReadFile(dir / "whole.tga");
    testing_support::WriteFile(dir / "short.tga", whole.substr(0, 40));
    testing_support::WriteFile(dir / "empty.png", "");
    testing_support::WriteFile(dir / "junk.png", std::string(100, 'x'));
    for (const char* name : {"missing.png", "empty.png", "junk.png"}) {
        const std::string file = (dir / name).string();
        EXPECT_EQ(LoadImage(file), 0u) << name;
    }
    // The image library fills a cut-off TGA body itself; what matters is a bounded image.
    if (const uint32_t image = LoadImage((dir / "short.tga").string())) {
        EXPECT_EQ(ilGetInteger(IL_IMAGE_WIDTH), 16);
        ILuint name = image;
        ilDeleteImages(1, &name);
    }
    EXPECT_FALSE(CheckImageFile((dir / "missing.png").string()));
    EXPECT_FALSE(CheckImageFile((dir / "empty.png").string()));
    EXPECT_TRUE(CheckImageFile((dir / "whole.tga").string()));
}

TEST_F(ImageLoading, HeadlessCacheChecksExistenceAndRetriesFailures)
{
    AutomationOptions& options = Automation();
    const bool wasHeadless = options.headless;
    options.headless = true;
    testing_support::WriteTga(dir / "a.tga", 1, 1, 3, {1, 2, 3});
    {
        TextureCache cache;
        const std::string present = (dir / "a.tga").string(), absent = (dir / "b.tga").string();
        const uint32_t first = cache.Get(present, 0);
        EXPECT_NE(first, 0u);
        EXPECT_EQ(cache.Get(present, 0), first);
        EXPECT_EQ(cache.Get(absent, 0), 0u);
        testing_support::WriteTga(dir / "b.tga", 1, 1, 3, {1, 2, 3});
        EXPECT_NE(cache.Get(absent, 0), 0u) << "a failure is not cached";
        EXPECT_NE(cache.Get(absent, 0), first);
        cache.Release(present);
        EXPECT_FALSE(cache.Holds(present));
        EXPECT_EQ(cache.Size(), 1u);
        cache.Clear();
        EXPECT_EQ(cache.Size(), 0u);
    }
    options.headless = wasHeadless;
}
