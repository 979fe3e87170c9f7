// The generated pictures: every file the game loads exists at its bound size and is true
// colour when read through the game's image library.
#include "tools/art_image_reader.hpp"

#include "game/ship_select_pictures.hpp"

#include <IL/il.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Expected {
    const char* file;
    int width;
    int height;
    int bytesPerPixel; // 0: 3 or 4 will do
};

const Expected pictures[] = {
    {"GFX/Fonts.psd", 512, 512, 4},          {"GFX/Fonts2.psd", 512, 512, 4},
    {"GFX/FontShadow.psd", 512, 512, 4},     {"GFX/ShockWaveMap.png", 256, 256, 0},
    {"GFX/WaveDistortion.png", 256, 256, 0}, {"GFX/WaterMap.png", 256, 256, 0},
    {"GFX/WaterSurface.png", 128, 16, 0},    {"GFX/Checker.png", 64, 64, 0},
    {"GFX/Bars.png", 64, 64, 0},             {"GFX/BulletSheet.png", 256, 512, 4},
    {"GFX/BulletSplash.png", 128, 32, 4},    {"GFX/Explosion.psd", 1024, 512, 4},
    {"GFX/ExplosionRing.png", 512, 256, 4},  {"GFX/Beams.png", 64, 256, 4},
    {"GFX/Beams_Glow.png", 64, 256, 4},      {"GFX/Particles.png", 512, 256, 4},
    {"GFX/Speedometer.png", 64, 64, 4},      {"GFX/HudBeamOrb.png", 32, 16, 4},
    {"GFX/ForceCharge.png", 512, 256, 4},    {"GFX/DestructivePower.png", 512, 128, 4},
    {"GFX/UI.png", 256, 256, 4},             {"GFX/CheatUI.png", 128, 64, 4},
    {"GFX/Banner.png", 512, 512, 0},         {"GFX/MoorhavenSoftware.png", 512, 512, 0},
    {"GFX/Splash.png", 1024, 512, 0},        {"GFX/Splash2.png", 1024, 512, 0},
    {"GFX/Splash3.png", 1024, 512, 0},       {"GFX/Splash4.png", 1024, 512, 0},
    {"GFX/Skyreaver.tga", 1024, 164, 4},     {"GFX/IniSplash.bmp", 400, 320, 3},
    {"Icon.bmp", 32, 32, 3},
    {"GFX/Grid.png", 64, 64, 4},             {"GFX/Slider.png", 128, 16, 4},
    {"GFX/SliderLit.png", 128, 16, 4},       {"GFX/ChooseYourFate.png", 512, 64, 4},
    {"GFX/StarSheet.png", 256, 32, 4},       {"GFX/WeaponSelectionUI.png", 256, 256, 4},
};

// Count of pixels whose alpha lies in [lo, hi].
int CountAlpha(const LoadedPicture& p, int lo, int hi)
{
    int n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            n += p.Alpha(x, y) >= lo && p.Alpha(x, y) <= hi;
    return n;
}

} // namespace

TEST(ArtContent, EveryPictureHasItsSizeAndIsTrueColour)
{
    for (const auto& e : pictures) {
        SCOPED_TRACE(e.file);
        const LoadedPicture p = LoadPicture(std::string(SKYREAVER_RUN_DIR) + "/" + e.file);
        ASSERT_TRUE(p.ok);
        EXPECT_EQ(p.width, e.width);
        EXPECT_EQ(p.height, e.height);
        if (e.bytesPerPixel)
            EXPECT_EQ(p.bytesPerPixel, e.bytesPerPixel);
        else
            EXPECT_TRUE(p.bytesPerPixel == 3 || p.bytesPerPixel == 4) << p.bytesPerPixel;
        EXPECT_NE(p.format, IL_COLOUR_INDEX);
    }
}

TEST(ArtContent, SpriteSheetsCarryRealTransparency)
{
    // A sheet drawn with alpha blending needs both clear surroundings and solid cores;
    // a writer that loses the alpha channel (all 0 or all 255) fails here.
    for (const char* file : {"GFX/Explosion.psd", "GFX/BulletSheet.png", "GFX/Particles.png", "GFX/Fonts.psd",
                             "GFX/FontShadow.psd", "GFX/Skyreaver.tga", "GFX/CheatUI.png", "GFX/StarSheet.png",
                             "GFX/WeaponSelectionUI.png", "GFX/ChooseYourFate.png"}) {
        SCOPED_TRACE(file);
        const LoadedPicture p = LoadPicture(std::string(SKYREAVER_RUN_DIR) + "/" + file);
        ASSERT_TRUE(p.ok);
        EXPECT_GT(CountAlpha(p, 0, 0), p.width * p.height / 10);
        EXPECT_GT(CountAlpha(p, 128, 255), 50);
    }
}

TEST(ArtContent, ExplosionBloomsThenFades)
{
    // Opaque coverage per cell of the 8 x 4 sheet: grows at first, is gone by the last cell.
    const LoadedPicture p = LoadPicture(std::string(SKYREAVER_RUN_DIR) + "/GFX/Explosion.psd");
    ASSERT_TRUE(p.ok);
    auto coverage = [&](int cell) {
        long sum = 0;
        const int x0 = (cell % 8) * 128, y0 = (cell / 8) * 128;
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x)
                sum += p.Alpha(x0 + x, y0 + y);
        return sum;
    };
    EXPECT_GT(coverage(0), 0);
    EXPECT_GT(coverage(8), coverage(0));
    EXPECT_GT(coverage(12), coverage(24));
    EXPECT_LT(coverage(31), coverage(0) / 10);
}

TEST(ArtContent, TheShipSelectionScreensOwnPicturesExistAndItsIconCellsAreDrawn)
{
    // The ship previews come from the ship renders; everything else the screen loads is ours.
    for (const std::string& name : ShipSelectPictures()) {
        if (name.rfind("GFX/Ship", 0) == 0)
            continue;
        SCOPED_TRACE(name);
        EXPECT_TRUE(LoadPicture(std::string(SKYREAVER_RUN_DIR) + "/" + name).ok);
    }
    // The screen draws cells (row, column) 0..2 x 0..2 of the 4 x 4 weapon sheet.
    const LoadedPicture p = LoadPicture(std::string(SKYREAVER_RUN_DIR) + "/" + WeaponPanelPicture);
    ASSERT_TRUE(p.ok);
    const int cell = p.width / WeaponPanelColumns;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            int solid = 0;
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x)
                    solid += p.Alpha(column * cell + x, row * cell + y) >= 128;
            EXPECT_GT(solid, cell * cell / 20) << "row " << row << " column " << column;
        }
}
