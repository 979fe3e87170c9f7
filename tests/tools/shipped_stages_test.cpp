// The shipped stages as play will meet them: each layer's generators come in the order of their
// times (play only looks at the first one waiting), what a generator releases starts beside
// the view at its time instead of being dropped before it is seen, and every water rectangle
// lies in a basin of the scenery, open inside, with rock under it and at both ends of its
// surface.
#include "support/headless_scope.hpp"
#include "tools/stage/stage_text.hpp"
#include "tools/tiles/map_compiler.hpp"
#include "game/entity_registry.hpp"
#include "world/scroll_manipulator.hpp"
#include "world/stage_world.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

using namespace world_testing;

namespace {

namespace fs = std::filesystem;

const fs::path StageSources = fs::path(SKYREAVER_SOURCE_DIR) / "content" / "stages";

// An entity this far outside the view is removed on its first tick, never having shown.
constexpr float OuterMargin = 128.0f;
constexpr float ViewWidth = 640.0f;
constexpr float ViewHeight = 480.0f;
constexpr int Tile = 30;
constexpr int16_t Solid = 1023;

std::vector<fs::path> ShippedStageDirs()
{
    std::vector<fs::path> dirs;
    for (int n = 1; n <= 8; ++n) {
        const fs::path dir = StageSources / ("stage" + std::to_string(n));
        if (fs::exists(dir / "entities.txt"))
            dirs.push_back(dir);
    }
    return dirs;
}

// Types that keep to a window of their own (their picture's size, their curtain, their whole
// screen) or never show: the plain rule does not apply to them.
bool KeepsItsOwnWindow(int32_t type)
{
    for (const char* name : {"AVI ENTITY", "TIME_MANIPULATOR", "TILEANIMATION", "CHECKPOINT", "WATERFALL"})
        if (type == EntityTypeByName(name))
            return true;
    return false;
}

// Bosses outlive the approach: released anywhere inside their wide window.
bool IsBoss(int32_t type)
{
    for (const char* name : {"MIDBOSS1", "BOSS2", "BOSS1", "MIDBOSS2", "BOSS3"})
        if (type == EntityTypeByName(name))
            return true;
    return false;
}

class ShippedStagesTest : public ::testing::Test {
protected:
    testing_support::HeadlessScope headless;
    Engine engine{Engine::Detached{}};

    void Read(const fs::path& dir, StageWorld& world)
    {
        std::string text, error;
        ASSERT_TRUE(ReadTextFile((dir / "entities.txt").string(), text));
        ASSERT_TRUE(ReadStageText(text, "entities.txt", world, error)) << error;
    }
};

TEST_F(ShippedStagesTest, GeneratorsComeInTimeOrderAndReleaseBesideTheView)
{
    const auto dirs = ShippedStageDirs();
    ASSERT_FALSE(dirs.empty());
    for (const fs::path& dir : dirs) {
        SCOPED_TRACE(dir.string());
        StageWorld world;
        Read(dir, world);
        for (const std::vector<Generator>& layer : world.generators) {
            for (size_t i = 1; i < layer.size(); ++i)
                EXPECT_LE(layer[i - 1].timeIndex, layer[i].timeIndex)
                    << EntityTypeName(layer[i].type) << " at " << layer[i].x << "," << layer[i].y
                    << " waits behind a later generator";
            for (const Generator& generator : layer) {
                if (KeepsItsOwnWindow(generator.type))
                    continue;
                const CameraPoint camera =
                    LayerCameraOf(CameraAtTime(world.scrollManipulators, generator.timeIndex), generator.layer);
                if (IsBoss(generator.type)) {
                    EXPECT_TRUE(generator.x > camera.x - 2024.0f && generator.x < camera.x + 1152.0f &&
                                generator.y > camera.y - 256.0f && generator.y < camera.y + 736.0f)
                        << EntityTypeName(generator.type) << " released outside its window at " << generator.timeIndex;
                    continue;
                }
                const bool beside = generator.x >= camera.x - OuterMargin &&
                                    generator.x <= camera.x + ViewWidth + OuterMargin &&
                                    generator.y >= camera.y - OuterMargin &&
                                    generator.y <= camera.y + ViewHeight + OuterMargin;
                EXPECT_TRUE(beside) << EntityTypeName(generator.type) << " at " << generator.x << "," << generator.y
                                    << " released at " << generator.timeIndex << " with the view at " << camera.x
                                    << "," << camera.y;
            }
        }
    }
}

TEST_F(ShippedStagesTest, WaterSitsInBasinsOfTheScenery)
{
    for (const fs::path& dir : ShippedStageDirs()) {
        if (!fs::exists(dir / "collision.txt"))
            continue;
        SCOPED_TRACE(dir.string());
        StageWorld world;
        Read(dir, world);
        StageMap map;
        std::string error;
        ASSERT_TRUE(BuildStageMap(dir.string(), (StageSources / "tiles.legend").string(), map, error)) << error;
        const auto& collision = map.planes[MapPlaneCount - 1];
        auto at = [&](int c, int r) -> int16_t {
            if (c < 0 || r < 0 || c >= map.width || r >= map.height)
                return Solid; // the edge of the map holds water like rock
            return collision[size_t(r) * size_t(map.width) + size_t(c)];
        };
        for (const Rect& water : world.water) {
            SCOPED_TRACE("water at " + std::to_string(water.centreX) + "," + std::to_string(water.centreY));
            // Its edges on the tile grid: the basin is whole tiles wide and reaches a floor.
            ASSERT_EQ(std::fmod(water.left, float(Tile)), 0.0f);
            ASSERT_EQ(std::fmod(water.right, float(Tile)), 0.0f);
            ASSERT_EQ(std::fmod(water.bottom, float(Tile)), 0.0f);
            const int c0 = int(water.left) / Tile, c1 = int(water.right) / Tile;
            const int surfaceRow = int(water.top) / Tile, floorRow = int(water.bottom) / Tile;
            for (int c = c0; c < c1; ++c) {
                for (int r = surfaceRow; r < floorRow; ++r)
                    EXPECT_NE(at(c, r), Solid) << "rock inside the water at column " << c << " row " << r;
                EXPECT_EQ(at(c, floorRow), Solid) << "no floor under column " << c;
            }
            EXPECT_EQ(at(c0 - 1, surfaceRow), Solid) << "the basin's left wall is lower than the surface";
            EXPECT_EQ(at(c1, surfaceRow), Solid) << "the basin's right wall is lower than the surface";
        }
    }
}

} // namespace
