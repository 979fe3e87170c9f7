// The shipped stages against the generated content: every tile code a stage uses has a
// picture in the sheet it is drawn from, the built map is the one its grids describe, and
// the scenery never closes the way ahead except with walls that can be shot through.
#include "tools/art_image_reader.hpp"
#include "tools/tiles/map_compiler.hpp"
#include "tools/tiles/tile_legend.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path StageSources = fs::path(SKYREAVER_SOURCE_DIR) / "content" / "stages";
const fs::path RunDir = SKYREAVER_RUN_DIR;

// Stage folders that hold plane grids, with their numbers.
std::vector<std::pair<int, fs::path>> ShippedStages()
{
    std::vector<std::pair<int, fs::path>> stages;
    for (int n = 1; n <= 8; ++n) {
        const fs::path dir = StageSources / ("stage" + std::to_string(n));
        if (fs::exists(dir / "far.txt"))
            stages.emplace_back(n, dir);
    }
    return stages;
}

bool CellHasPixels(const LoadedPicture& p, int code)
{
    const int x0 = (code % 32) * 32 + 1, y0 = (code / 32) * 32 + 1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            if (p.Alpha(x0 + x, y0 + y) > 0 || p.rgba[(size_t(y0 + y) * size_t(p.width) + size_t(x0 + x)) * 4] > 0)
                return true;
    return false;
}

std::string Slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(TilesContent, StageOneShips)
{
    const auto stages = ShippedStages();
    ASSERT_FALSE(stages.empty());
    EXPECT_EQ(stages[0].first, 1);
}

TEST(TilesContent, EveryCodeAStageUsesHasAPicture)
{
    for (const auto& [number, dir] : ShippedStages()) {
        SCOPED_TRACE(dir.string());
        StageMap map;
        std::string error;
        ASSERT_TRUE(BuildStageMap(dir.string(), (StageSources / "tiles.legend").string(), map, error)) << error;
        const std::string n = std::to_string(number);
        const LoadedPicture nearSheet = LoadPicture((RunDir / ("GFX/Stage" + n + "_Near.tga")).string());
        const LoadedPicture farSheet = LoadPicture((RunDir / ("GFX/Stage" + n + "_Far.tga")).string());
        ASSERT_TRUE(nearSheet.ok && farSheet.ok) << "build content_tiles first";
        ASSERT_EQ(nearSheet.width, 1024);
        ASSERT_EQ(farSheet.height, 1024);
        std::set<int> nearCodes, farCodes;
        for (int p = 0; p < 2; ++p)
            farCodes.insert(map.planes[p].begin(), map.planes[p].end());
        for (int p = 2; p < 4; ++p)
            nearCodes.insert(map.planes[p].begin(), map.planes[p].end());
        for (int16_t code : map.planes[4]) {
            if (code >= 977 && code <= 991) {
                for (int q = 977; q <= 991; ++q) // shots reach every partly broken state
                    nearCodes.insert(q);
            } else if (code > 0 && code < 1023) {
                nearCodes.insert(code); // shown in the front plane at load
            }
        }
        for (int code : farCodes)
            EXPECT_TRUE(code <= 0 || CellHasPixels(farSheet, code)) << "far sheet cell " << code;
        for (int code : nearCodes)
            EXPECT_TRUE(code <= 0 || CellHasPixels(nearSheet, code)) << "near sheet cell " << code;
        // The built map is the one the grids describe.
        const std::vector<uint8_t> expected = EncodeStageMap(map);
        EXPECT_TRUE(Slurp(RunDir / ("Maps/STAGE" + n + ".MAP")) == std::string(expected.begin(), expected.end()))
            << "Maps/STAGE" << n << ".MAP is out of date";
    }
}

TEST(TilesContent, TheWayAheadIsNeverClosed)
{
    // In every column some run of rows tall enough for the ship (four tiles) is open or
    // breakable; solid ground and ceiling sit under the drawn play terrain. The last four
    // columns lie past the camera's final view and may close the map.
    TileLegend legend;
    std::string legendError;
    ASSERT_TRUE(legend.Load((StageSources / "tiles.legend").string(), legendError)) << legendError;
    auto isTerrain = [&](int code) {
        for (const auto& [c, e] : legend.Entries(LegendSection::Near))
            if (e.autoTile && code >= e.code && code < e.code + AutoCellCount)
                return true;
        return false;
    };
    for (const auto& [number, dir] : ShippedStages()) {
        SCOPED_TRACE(dir.string());
        StageMap map;
        std::string error;
        ASSERT_TRUE(BuildStageMap(dir.string(), (StageSources / "tiles.legend").string(), map, error)) << error;
        const auto& collision = map.planes[4];
        const auto& play = map.planes[2];
        int closed = 0;
        for (int c = 0; c + 4 < map.width; ++c) {
            int run = 0, best = 0;
            for (int r = 0; r < map.height; ++r) {
                const int16_t v = collision[size_t(r) * size_t(map.width) + size_t(c)];
                run = (v <= 0 || (v >= 977 && v <= 991)) ? run + 1 : 0;
                best = std::max(best, run);
            }
            closed += best < 4;
        }
        EXPECT_EQ(closed, 0);
        int drawnButOpen = 0;
        for (size_t i = 0; i < play.size(); ++i)
            drawnButOpen += isTerrain(play[i]) && collision[i] != 1023;
        EXPECT_EQ(drawnButOpen, 0) << "terrain drawn in the play plane without solid collision under it";
    }
}
