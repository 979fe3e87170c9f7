// The tile-sheet generator: cell layout, borders, true colour, reproducibility, and the
// pictures of the breakable quadrant codes.
#include "tools/art_image_reader.hpp"
#include "tools/tiles/tile_painters.hpp"
#include "tools/tiles/tile_sheet.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path;
    explicit TempDir(const std::string& tag)
        : path(fs::temp_directory_path() / ("skyreaver-tilesheet-" + tag + "-" + std::to_string(::getpid())))
    {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* const Legend = "[far]\n"
                           "tile . 0\n"
                           "auto # 32 far-rock\n"
                           "tile * 992 lights\n"
                           "[near]\n"
                           "tile . 0\n"
                           "auto # 64 rock\n"
                           "tile v 1 spike\n"
                           "tile = 2 girder\n"
                           "tile - 3 pipe\n"
                           "tile o 993 lamp\n"
                           "tile ~ 994 strip\n"
                           "[collision]\n"
                           "tile # 1023\n"
                           "tile X 991 armour\n";

const char* const Style = "near GFX/T_Near.tga\n"
                          "far GFX/T_Far.tga\n"
                          "look far-rock terrain base 18223e light 2c3e68 dark 070b18 seed 3\n"
                          "look lights glow shape dots colour 3a6a9a seed 4\n"
                          "look rock terrain pattern plates base 4d4058 light b29cc4 dark 120e1a seed 5\n"
                          "look spike spike dir down base 4d4058 light b29cc4 dark 120e1a\n"
                          "look girder girder dir h\n"
                          "look pipe pipe dir h\n"
                          "look lamp glow shape lamp colour ffb040\n"
                          "look strip glow shape strip colour 4cd8ff\n"
                          "look armour breakable seam ffb040\n";

bool LoadTestSources(TileLegend& legend, TileStyle& style, const std::string& styleText = Style)
{
    std::string error;
    const bool ok = legend.Parse(Legend, "test.legend", error) &&
                    ParseTileStyle(styleText, "test.style", style, error);
    EXPECT_TRUE(ok) << error;
    return ok;
}

bool CellHasPixels(const LoadedPicture& p, int code)
{
    const int x0 = (code % 32) * 32 + 1, y0 = (code / 32) * 32 + 1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            if (p.Alpha(x0 + x, y0 + y) > 0)
                return true;
    return false;
}

} // namespace

TEST(TilesSheet, SheetsAreTrueColourCellsWithRepeatedEdgeBorders)
{
    TileLegend legend;
    TileStyle style;
    ASSERT_TRUE(LoadTestSources(legend, style));
    TempDir dir("write");
    std::string error;
    ASSERT_TRUE(WriteTileSheets(legend, style, dir.path.string(), error)) << error;
    for (const char* name : {"GFX/T_Near.tga", "GFX/T_Far.tga"}) {
        SCOPED_TRACE(name);
        const LoadedPicture p = LoadPicture((dir.path / name).string());
        ASSERT_TRUE(p.ok);
        EXPECT_EQ(p.width, 1024);
        EXPECT_EQ(p.height, 1024);
        EXPECT_EQ(p.bytesPerPixel, 4); // true colour with alpha, never a palette
        // Every cell's border repeats the nearest pixel of its 30 x 30 picture.
        auto px = [&](int x, int y) {
            const uint8_t* q = &p.rgba[(size_t(y) * 1024 + size_t(x)) * 4];
            return uint32_t(q[0]) | uint32_t(q[1]) << 8 | uint32_t(q[2]) << 16 | uint32_t(q[3]) << 24;
        };
        int mismatches = 0;
        for (int cy = 0; cy < 32; ++cy)
            for (int cx = 0; cx < 32; ++cx) {
                const int x0 = cx * 32, y0 = cy * 32;
                for (int i = 0; i < 32; ++i) {
                    const int inner = std::clamp(i, 1, 30);
                    mismatches += px(x0 + i, y0) != px(x0 + inner, y0 + 1);
                    mismatches += px(x0 + i, y0 + 31) != px(x0 + inner, y0 + 30);
                    mismatches += px(x0, y0 + i) != px(x0 + 1, y0 + inner);
                    mismatches += px(x0 + 31, y0 + i) != px(x0 + 30, y0 + inner);
                }
            }
        EXPECT_EQ(mismatches, 0);
    }
    const LoadedPicture nearSheet = LoadPicture((dir.path / "GFX/T_Near.tga").string());
    const LoadedPicture farSheet = LoadPicture((dir.path / "GFX/T_Far.tga").string());
    // Cells land at their codes, auto-tiles take all 24 of theirs, unused cells stay empty.
    for (int code : {1, 2, 3, 993, 994, 64, 64 + 23})
        EXPECT_TRUE(CellHasPixels(nearSheet, code)) << code;
    for (int code : {0, 4, 64 + 24, 32, 992})
        EXPECT_FALSE(CellHasPixels(nearSheet, code)) << code;
    for (int code : {32, 32 + 15, 32 + 23, 992})
        EXPECT_TRUE(CellHasPixels(farSheet, code)) << code;
    EXPECT_FALSE(CellHasPixels(farSheet, 64));
}

TEST(TilesSheet, SameSourcesGiveTheSameBytes)
{
    TileLegend legend;
    TileStyle style;
    ASSERT_TRUE(LoadTestSources(legend, style));
    TempDir a("a"), b("b");
    std::string error;
    ASSERT_TRUE(WriteTileSheets(legend, style, a.path.string(), error)) << error;
    ASSERT_TRUE(WriteTileSheets(legend, style, b.path.string(), error)) << error;
    for (const char* name : {"GFX/T_Near.tga", "GFX/T_Far.tga"}) {
        const std::string first = Slurp(a.path / name);
        EXPECT_EQ(first.size(), 18u + 1024u * 1024u * 4u) << name; // uncompressed 32-bit
        EXPECT_EQ(first, Slurp(b.path / name)) << name;
    }
}

TEST(TilesSheet, BreakableCellsShowExactlyTheirRemainingQuadrants)
{
    // Which quadrants each code keeps: TL, TR, BL, BR.
    const struct {
        int code;
        bool tl, tr, bl, br;
    } expected[] = {
        {977, 0, 0, 0, 1}, {978, 0, 1, 0, 0}, {979, 0, 0, 1, 0}, {980, 1, 0, 0, 0}, {981, 0, 1, 1, 0},
        {982, 1, 0, 0, 1}, {983, 1, 1, 0, 0}, {984, 0, 0, 1, 1}, {985, 1, 0, 1, 0}, {986, 0, 1, 0, 1},
        {987, 1, 1, 1, 0}, {988, 1, 0, 1, 1}, {989, 1, 1, 0, 1}, {990, 0, 1, 1, 1}, {991, 1, 1, 1, 1},
    };
    TileLegend legend;
    TileStyle style;
    ASSERT_TRUE(LoadTestSources(legend, style));
    Image sheet;
    std::string error;
    ASSERT_TRUE(DrawTileSheet(legend, style, SheetKind::Near, sheet, error)) << error;
    for (const auto& e : expected) {
        SCOPED_TRACE(e.code);
        const int x0 = (e.code % 32) * 32 + 1, y0 = (e.code / 32) * 32 + 1;
        // The middle of each quadrant, clear of any chipped edge.
        EXPECT_EQ(sheet.At(x0 + 7, y0 + 7).a > 0.5f, e.tl);
        EXPECT_EQ(sheet.At(x0 + 22, y0 + 7).a > 0.5f, e.tr);
        EXPECT_EQ(sheet.At(x0 + 7, y0 + 22).a > 0.5f, e.bl);
        EXPECT_EQ(sheet.At(x0 + 22, y0 + 22).a > 0.5f, e.br);
    }
}

TEST(TilesSheet, MissingLooksAndMisplacedGlowsAreErrors)
{
    auto drawWith = [](const std::string& styleText, std::string& error) {
        TileLegend legend;
        TileStyle style;
        Image sheet;
        if (!legend.Parse(Legend, "test.legend", error) || !ParseTileStyle(styleText, "test.style", style, error))
            return false;
        return DrawTileSheet(legend, style, SheetKind::Near, sheet, error);
    };
    auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    std::string error;
    EXPECT_TRUE(drawWith(Style, error)) << error;
    EXPECT_FALSE(drawWith(replaced(Style, "look pipe pipe", "look tube pipe"), error));
    EXPECT_NE(error.find("no look 'pipe'"), std::string::npos) << error;
    EXPECT_FALSE(drawWith(replaced(Style, "look pipe pipe", "look pipe glow"), error));
    EXPECT_NE(error.find("glow looks need codes from 992"), std::string::npos) << error;
    EXPECT_FALSE(drawWith(replaced(Style, "look lamp glow", "look lamp pipe"), error));
    EXPECT_NE(error.find("codes from 992 are glow tiles"), std::string::npos) << error;
    EXPECT_FALSE(drawWith(replaced(Style, "look girder girder", "look girder bridge"), error));
    EXPECT_NE(error.find("unknown painter 'bridge'"), std::string::npos) << error;
    // A misspelt colour is an error, not a silent default.
    EXPECT_FALSE(drawWith(replaced(Style, "light b29cc4 dark 120e1a seed 5", "light b29cZZ dark 120e1a seed 5"), error));
    EXPECT_NE(error.find("b29cZZ"), std::string::npos) << error;
}

TEST(TilesSheet, TerrainTilesRepeatWithoutSeams)
{
    // Across a tile boundary the step between neighbouring pixels is no larger than inside
    // a tile: the textures repeat every tile, and the interior variants' own detail fades
    // out toward the edges, so any interior may sit beside any other.
    TileStyle style;
    std::string error;
    ASSERT_TRUE(ParseTileStyle("near a.tga\nfar b.tga\nlook rock terrain base 4d4058 light b29cc4 dark 120e1a\n",
                               "s", style, error))
        << error;
    const TileLook& look = style.looks.at("rock");
    const Image plain = PaintTile(look, 15, 0);
    auto columnStep = [](const Image& left, int lx, const Image& right, int rx) {
        float sum = 0.0f;
        for (int i = 0; i < TilePixels; ++i)
            sum += std::fabs(left.At(lx, i).r - right.At(rx, i).r) + std::fabs(left.At(lx, i).g - right.At(rx, i).g);
        return sum / float(TilePixels);
    };
    const float inside = (columnStep(plain, 14, plain, 15) + columnStep(plain, 5, plain, 6) +
                          columnStep(plain, 22, plain, 23)) / 3.0f;
    const float selfSeam = columnStep(plain, TilePixels - 1, plain, 0);
    EXPECT_LT(selfSeam, inside * 2.0f + 0.01f);
    for (int variant = AutoInteriorFirst; variant < AutoInnerCornerFirst; ++variant) {
        const Image other = PaintTile(look, variant, 0);
        EXPECT_LT(columnStep(other, TilePixels - 1, plain, 0), inside * 2.0f + 0.01f) << variant;
        EXPECT_LT(columnStep(plain, TilePixels - 1, other, 0), inside * 2.0f + 0.01f) << variant;
        EXPECT_GT(columnStep(other, 15, plain, 15), 0.002f) << "variant " << variant << " adds no variety";
    }
}

TEST(TilesSheet, ABackdropScenePaintsOpaqueCellsThatMeetWithoutSeams)
{
    // The backdrop is one picture cut into a scene's cells: every cell is opaque (nothing of
    // the void shows through), neighbouring cells and the picture's two ends (it repeats
    // across the plane) meet as smoothly as pixels inside a cell, and nothing is brighter
    // than the look's cap.
    const char* const legendText = "[far]\ntile . 0\nscene , 160 6 4 sky\n[near]\ntile . 0\n";
    const std::string styleText =
        "near a.tga\nfar b.tga\n"
        "look sky backdrop top 1e2238 horizon 5a6488 bottom 20243a haze 6a7498 ceiling-shape none floor-shape none "
        "mist 0.6 shafts 0.5 max 0.3 seed 5\n";
    TileLegend legend;
    TileStyle style;
    std::string error;
    ASSERT_TRUE(legend.Parse(legendText, "L", error) && ParseTileStyle(styleText, "S", style, error)) << error;
    Image sheet;
    ASSERT_TRUE(DrawTileSheet(legend, style, SheetKind::Far, sheet, error)) << error;
    constexpr int Columns = 6, Rows = 4;
    auto pixel = [&](int x, int y) { // in the picture the scene's cells make, side by side
        const int code = 160 + (y / TilePixels) * Columns + (x / TilePixels) % Columns;
        return sheet.At((code % 32) * 32 + 1 + x % TilePixels, (code / 32) * 32 + 1 + y % TilePixels);
    };
    auto step = [&](int x) { // mean change from column x to the next, down the picture
        float sum = 0.0f;
        for (int y = 0; y < Rows * TilePixels; ++y) {
            const Rgba a = pixel(x, y), b = pixel(x + 1, y);
            sum += std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b);
        }
        return sum / float(Rows * TilePixels);
    };
    float inside = 0.0f;
    for (int x = 3; x < Columns * TilePixels; x += 10)
        inside += step(x) / float(Columns * TilePixels / 10);
    EXPECT_LT(step(TilePixels - 1), inside * 2.0f + 0.01f);
    EXPECT_LT(step(Columns * TilePixels - 1), inside * 2.0f + 0.01f) << "the picture does not repeat";
    float darkest = 1.0f, brightest = 0.0f;
    for (int y = 0; y < Rows * TilePixels; ++y)
        for (int x = 0; x < Columns * TilePixels; ++x) {
            const Rgba c = pixel(x, y);
            ASSERT_EQ(c.a, 1.0f) << x << "," << y;
            const float luma = 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b;
            darkest = std::min(darkest, luma);
            brightest = std::max(brightest, luma);
        }
    EXPECT_LE(brightest, 0.3f + 1.0f / 255.0f);
    EXPECT_GT(brightest - darkest, 0.05f) << "a flat backdrop";

    // A scene needs a backdrop look, and a backdrop look a scene.
    TileStyle dots, plain;
    ASSERT_TRUE(ParseTileStyle("near a.tga\nfar b.tga\nlook sky glow shape dots\n", "S", dots, error)) << error;
    EXPECT_FALSE(DrawTileSheet(legend, dots, SheetKind::Far, sheet, error));
    ASSERT_TRUE(legend.Parse("[far]\ntile , 160 sky\n", "L", error)) << error;
    ASSERT_TRUE(ParseTileStyle(styleText, "S", plain, error)) << error;
    EXPECT_FALSE(DrawTileSheet(legend, plain, SheetKind::Far, sheet, error));
    EXPECT_NE(error.find("give it a scene entry"), std::string::npos) << error;
}
