// The stage map compiler: plane grids and the legend in, the game's map file out.
#include "tools/tiles/map_compiler.hpp"
#include "tools/tiles/tile_legend.hpp"

#include <gtest/gtest.h>

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
        : path(fs::temp_directory_path() / ("skyreaver-tiles-" + tag + "-" + std::to_string(::getpid())))
    {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

void Write(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* const Legend = "# test legend\n"
                           "[far]\n"
                           "tile . 0\n"
                           "tile a 1 far-a      # a comment after the fields\n"
                           "tile n -2\n"
                           "[near]\n"
                           "tile . 0\n"
                           "auto # 100 rock\n"
                           "tile * 992 glow\n"
                           "[collision]\n"
                           "tile . 0\n"
                           "tile # 1023\n"
                           "tile X 991 armour\n";

// A 3 x 2 stage whose planes each use their own codes, so plane order shows in the bytes.
struct SmallStage {
    TempDir dir{"stage"};
    fs::path legend = dir.path / "tiles.legend";
    SmallStage()
    {
        Write(legend, Legend);
        Write(dir.path / "far.txt", "a..\n..a\n");
        Write(dir.path / "middle.txt", "n.a\n...\n");
        Write(dir.path / "play.txt", "...\n###\n");
        Write(dir.path / "front.txt", "*..\n...\n");
        Write(dir.path / "collision.txt", ".X.\n###\n");
    }
    std::string Compile(bool expectOk = true)
    {
        std::string error;
        const bool ok = CompileMap(dir.path.string(), legend.string(), (dir.path / "out" / "STAGE9.MAP").string(), error);
        EXPECT_EQ(ok, expectOk) << error;
        return error;
    }
};

int16_t PlaneValue(const std::string& bytes, int plane, int index, int count)
{
    const size_t at = 8 + size_t(plane) * size_t(count) * 2 + size_t(index) * 2;
    return int16_t(uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8));
}

} // namespace

TEST(TilesMapCompiler, WritesSizeThenFivePlanesLittleEndianInOrder)
{
    SmallStage stage;
    stage.Compile();
    const std::string bytes = Slurp(stage.dir.path / "out" / "STAGE9.MAP");
    ASSERT_EQ(bytes.size(), 8u + 5u * 2u * 6u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x03\0\0\0\x02\0\0\0", 8));
    const int16_t far[6] = {1, 0, 0, 0, 0, 1};
    const int16_t middle[6] = {-2, 0, 1, 0, 0, 0};
    const int16_t front[6] = {992, 0, 0, 0, 0, 0};
    const int16_t collision[6] = {0, 991, 0, 1023, 1023, 1023};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(PlaneValue(bytes, 0, i, 6), far[i]) << i;
        EXPECT_EQ(PlaneValue(bytes, 1, i, 6), middle[i]) << i;
        EXPECT_EQ(PlaneValue(bytes, 3, i, 6), front[i]) << i;
        EXPECT_EQ(PlaneValue(bytes, 4, i, 6), collision[i]) << i;
    }
    // Negative codes are two's complement, low byte first.
    EXPECT_EQ(uint8_t(bytes[8 + 12]), 0xfe);
    EXPECT_EQ(uint8_t(bytes[8 + 13]), 0xff);
    EXPECT_EQ(uint8_t(bytes[8 + 4 * 12 + 2]), 991 & 0xff);
    EXPECT_EQ(uint8_t(bytes[8 + 4 * 12 + 3]), 991 >> 8);

    StageMap back;
    std::string error;
    ASSERT_TRUE(ReadStageMap((stage.dir.path / "out" / "STAGE9.MAP").string(), back, error)) << error;
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.planes[1][0], -2);
}

TEST(TilesMapCompiler, AutoTilesPickTheirVariantFromTheNeighbours)
{
    SmallStage stage;
    // A 4 x 3 mass in open space: corners, edges and an interior.
    Write(stage.dir.path / "play.txt", "......\n.####.\n.####.\n.####.\n......\n");
    for (const char* name : {"far.txt", "middle.txt", "front.txt", "collision.txt"})
        Write(stage.dir.path / name, "......\n......\n......\n......\n......\n");
    StageMap map;
    std::string error;
    ASSERT_TRUE(BuildStageMap(stage.dir.path.string(), stage.legend.string(), map, error)) << error;
    auto at = [&](int c, int r) { return map.planes[2][size_t(r) * 6 + size_t(c)] - 100; };
    EXPECT_EQ(at(0, 0), -100); // empty stays 0
    EXPECT_EQ(at(1, 1), AutoNeighbourRight | AutoNeighbourDown);   // top-left corner
    EXPECT_EQ(at(2, 1), AutoNeighbourRight | AutoNeighbourDown | AutoNeighbourLeft);
    EXPECT_EQ(at(4, 3), AutoNeighbourUp | AutoNeighbourLeft);      // bottom-right corner
    EXPECT_EQ(at(1, 2), AutoNeighbourUp | AutoNeighbourRight | AutoNeighbourDown);
    const int middle = at(2, 2);
    EXPECT_TRUE(middle == 15 || (middle >= AutoInteriorFirst && middle < AutoInteriorFirst + AutoInteriorCount))
        << middle;

    // Outside the map counts as terrain, so a mass touching the edge shows no edge there;
    // an open diagonal gives an inner-corner interior.
    Write(stage.dir.path / "play.txt", "##.\n###\n###\n");
    for (const char* name : {"far.txt", "middle.txt", "front.txt", "collision.txt"})
        Write(stage.dir.path / name, "...\n...\n...\n");
    ASSERT_TRUE(BuildStageMap(stage.dir.path.string(), stage.legend.string(), map, error)) << error;
    EXPECT_EQ(map.planes[2][1] - 100, AutoNeighbourUp | AutoNeighbourDown | AutoNeighbourLeft); // right of it open
    EXPECT_EQ(map.planes[2][5] - 100, 15 - AutoNeighbourUp);                                  // open above
    EXPECT_EQ(map.planes[2][4] - 100, AutoInnerCornerFirst + 1);                              // top-right diagonal open
}

TEST(TilesMapCompiler, GridErrorsNameTheFileAndLine)
{
    {
        SmallStage stage;
        Write(stage.dir.path / "play.txt", "...\n##\n");
        const std::string error = stage.Compile(false);
        EXPECT_NE(error.find("play.txt:2:"), std::string::npos) << error;
    }
    {
        SmallStage stage;
        Write(stage.dir.path / "front.txt", "..Q\n...\n");
        const std::string error = stage.Compile(false);
        EXPECT_NE(error.find("front.txt:1: column 3: 'Q'"), std::string::npos) << error;
        EXPECT_NE(error.find("[near]"), std::string::npos) << error;
    }
    {
        // A character of another section is still unknown here: '#' is not in [far].
        SmallStage stage;
        Write(stage.dir.path / "middle.txt", "...\n.#.\n");
        const std::string error = stage.Compile(false);
        EXPECT_NE(error.find("middle.txt:2: column 2"), std::string::npos) << error;
    }
    {
        SmallStage stage;
        Write(stage.dir.path / "collision.txt", ".X.\n###\n...\n");
        const std::string error = stage.Compile(false);
        EXPECT_NE(error.find("collision.txt:3: 3 rows, far.txt has 2"), std::string::npos) << error;
    }
    {
        SmallStage stage;
        Write(stage.dir.path / "middle.txt", "....\n....\n");
        const std::string error = stage.Compile(false);
        EXPECT_NE(error.find("middle.txt:1:"), std::string::npos) << error;
    }
    {
        SmallStage stage;
        fs::remove(stage.dir.path / "front.txt");
        const std::string error = stage.Compile(false);
        EXPECT_NE(error.find("front.txt"), std::string::npos) << error;
    }
}

TEST(TilesMapCompiler, AFailedCompileLeavesTheOldMapInPlace)
{
    SmallStage stage;
    stage.Compile();
    const fs::path out = stage.dir.path / "out" / "STAGE9.MAP";
    const std::string before = Slurp(out);
    Write(stage.dir.path / "play.txt", "...\n#?#\n");
    stage.Compile(false);
    EXPECT_EQ(Slurp(out), before);
    EXPECT_FALSE(fs::exists(out.string() + ".tmp"));
}

TEST(TilesMapCompiler, SceneCellsFollowTheGridAndRepeat)
{
    // A 3 x 2 scene repeats every three columns and every two rows; beside it, plain tiles
    // keep their own code.
    TileLegend legend;
    std::string error;
    ASSERT_TRUE(legend.Parse("[far]\ntile . 0\nscene , 160 3 2 sky\n", "L", error)) << error;
    const std::vector<std::string> grid = {",,,,.", ",,,,,", ",,,,,"};
    int code = 0;
    auto at = [&](int c, int r) {
        EXPECT_TRUE(TileCodeAt(legend, LegendSection::Far, grid, c, r, code));
        return code;
    };
    EXPECT_EQ(at(0, 0), 160);
    EXPECT_EQ(at(2, 0), 162);
    EXPECT_EQ(at(3, 0), 160);
    EXPECT_EQ(at(4, 0), 0);
    EXPECT_EQ(at(1, 1), 164);
    EXPECT_EQ(at(4, 1), 164);
    EXPECT_EQ(at(2, 2), 162);
}

TEST(TilesMapCompiler, LegendErrorsNameTheLine)
{
    TileLegend legend;
    std::string error;
    EXPECT_FALSE(legend.Parse("[far]\ntile . 0\ntile . 1 x\n", "L", error));
    EXPECT_NE(error.find("L:3: character '.' is defined twice"), std::string::npos) << error;
    EXPECT_FALSE(legend.Parse("tile . 0\n", "L", error));
    EXPECT_NE(error.find("L:1:"), std::string::npos) << error;
    EXPECT_FALSE(legend.Parse("[sky]\n", "L", error));
    EXPECT_NE(error.find("L:1: unknown section"), std::string::npos) << error;
    EXPECT_FALSE(legend.Parse("[near]\ntile a 5\n", "L", error)); // drawn code without a look
    EXPECT_NE(error.find("L:2:"), std::string::npos) << error;
    EXPECT_FALSE(legend.Parse("[near]\nauto a 970 rock\n", "L", error)); // runs into the breakable codes
    EXPECT_FALSE(legend.Parse("[collision]\nauto a 32 rock\n", "L", error));
    EXPECT_FALSE(legend.Parse("[near]\ntile ab 5 rock\n", "L", error));
    EXPECT_FALSE(legend.Parse("[near]\ntile a 1024 rock\n", "L", error));
    EXPECT_FALSE(legend.Parse("[near]\ntile a 5x rock\n", "L", error));
    EXPECT_FALSE(legend.Parse("[far]\nscene , 160 32 rock\n", "L", error)); // no rows
    EXPECT_NE(error.find("L:2: expected 'scene C BASE COLUMNS ROWS LOOK'"), std::string::npos) << error;
    EXPECT_FALSE(legend.Parse("[far]\nscene , 160 32 0 sky\n", "L", error));
    EXPECT_FALSE(legend.Parse("[far]\nscene , 700 32 20 sky\n", "L", error)); // past 976
    EXPECT_NE(error.find("scene cells 700..1339"), std::string::npos) << error;
    EXPECT_FALSE(legend.Parse("[collision]\nscene , 1 2 2 sky\n", "L", error));
    EXPECT_TRUE(legend.Parse("[near]\ntile # 5 rock # '#' as a character\n", "L", error)) << error;
    ASSERT_NE(legend.Find(LegendSection::Near, '#'), nullptr);
    EXPECT_EQ(legend.Find(LegendSection::Near, '#')->look, "rock");
}

TEST(TilesMapCompiler, ReaderRejectsFilesThatDisagreeWithTheirSize)
{
    TempDir dir("read");
    const fs::path path = dir.path / "X.MAP";
    StageMap map;
    std::string error;
    Write(path, std::string("\x02\0\0\0\x01\0\0\0", 8) + std::string(19, '\0')); // one byte short
    EXPECT_FALSE(ReadStageMap(path.string(), map, error));
    EXPECT_NE(error.find("X.MAP"), std::string::npos);
    Write(path, std::string("\xff\xff\xff\x7f\xff\xff\xff\x7f", 8)); // absurd size, no huge allocation
    EXPECT_FALSE(ReadStageMap(path.string(), map, error));
    Write(path, std::string("\x02\0\0", 3));
    EXPECT_FALSE(ReadStageMap(path.string(), map, error));
    Write(path, std::string("\x02\0\0\0\x01\0\0\0", 8) + std::string(20, '\x01'));
    EXPECT_TRUE(ReadStageMap(path.string(), map, error)) << error;
    EXPECT_EQ(map.planes[4][1], 0x0101);
}
