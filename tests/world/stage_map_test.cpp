#include "world/stage_map.hpp"
#include "world/stage_world.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

using namespace world_testing;

namespace {

// A 4 x 3 map: every drawn plane p holds 100 * (p + 1) + tile, the collision plane `codes`.
std::string SmallMap(const std::vector<int16_t>& codes)
{
    return MapBytes(4, 3, [&](int plane, uint32_t tile) -> int16_t {
        return plane == 4 ? codes[tile] : static_cast<int16_t>(100 * (plane + 1) + tile);
    });
}

TEST(StageMap, LoadCopiesCollisionCodesIntoTheFrontPlaneAndKeepsAPristineCopy)
{
    TempDir dir("map");
    std::vector<int16_t> codes(12, 0);
    codes[1] = 500;
    codes[2] = 1023;
    codes[3] = 991;
    codes[4] = -3;
    codes[5] = 1000;
    WriteBytes(dir / "STAGE1.MAP", SmallMap(codes));
    StageWorld world;
    ASSERT_TRUE(ReadMapFile(world, dir / "STAGE1.MAP"));
    EXPECT_EQ(world.mapWidth, 4);
    EXPECT_EQ(world.mapHeight, 3);
    EXPECT_EQ(world.stageJustLoaded, 1);
    EXPECT_EQ(world.farPlane[7], 107);
    EXPECT_EQ(world.playPlane[7], 307);
    EXPECT_EQ(world.frontPlane[0], 400) << "empty collision leaves the front plane";
    EXPECT_EQ(world.frontPlane[1], 500);
    EXPECT_EQ(world.frontPlane[2], 402) << "1023 is not drawn from the collision plane";
    EXPECT_EQ(world.frontPlane[3], 991);
    EXPECT_EQ(world.frontPlane[4], 404);
    EXPECT_EQ(world.frontPlane[5], 1000);
    EXPECT_EQ(world.pristineCollision, world.collisionPlane);

    EXPECT_FALSE(HitTile(world, 45.0f, 5.0f)) << "code 500 is not solid";
    EXPECT_TRUE(HitTile(world, 75.0f, 5.0f)) << "1023 is solid";
}

TEST(StageMap, MalformedMapsFailBeforeAllocatingAndLeaveTheWorldAlone)
{
    TempDir dir("map");
    StageWorld world;
    const std::string good = SmallMap(std::vector<int16_t>(12, 0));
    struct Case {
        const char* name;
        std::string bytes;
    };
    Bytes huge;
    huge.U32(0xFFFFFFFF).U32(0xFFFFFFFF).I16(1);
    Bytes wide;
    wide.U32(4097).U32(1);
    Bytes zero;
    zero.U32(0).U32(5);
    const Case cases[] = {
        {"empty", ""},
        {"header cut", good.substr(0, 6)},
        {"plane cut", good.substr(0, good.size() - 1)},
        {"trailing byte", good + "x"},
        {"absurd size", huge.text},
        {"too wide", wide.text},
        {"zero width", zero.text},
    };
    for (const Case& c : cases) {
        WriteBytes(dir / "bad.MAP", c.bytes);
        EXPECT_FALSE(ReadMapFile(world, dir / "bad.MAP")) << c.name;
        EXPECT_EQ(world.mapWidth, 0) << c.name;
        EXPECT_TRUE(world.collisionPlane.empty()) << c.name;
    }
    EXPECT_FALSE(ReadMapFile(world, dir / "missing.MAP"));
}

class TileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        world.mapWidth = 10;
        world.mapHeight = 2;
        world.collisionPlane.assign(20, 0);
        world.frontPlane.assign(20, 0);
        world.pristineCollision.assign(20, 0);
    }
    void Set(int column, int row, int16_t code)
    {
        world.collisionPlane[row * 10 + column] = code;
        world.frontPlane[row * 10 + column] = code;
        world.pristineCollision[row * 10 + column] = code;
    }
    int16_t Collision(int column, int row) const { return world.collisionPlane[row * 10 + column]; }
    int16_t Front(int column, int row) const { return world.frontPlane[row * 10 + column]; }

    StageWorld world;
};

TEST_F(TileTest, PointsTruncateTowardZero)
{
    Set(0, 0, 1023);
    EXPECT_TRUE(HitTile(world, -10.0f, 5.0f)) << "-10 lies in column 0";
    EXPECT_FALSE(HitTile(world, -30.0f, 5.0f)) << "-30 lies in column -1";
    EXPECT_FALSE(HitTile(world, 5.0f, 60.0f)) << "below the map";
    EXPECT_FALSE(HitTile(world, 1.0e30f, 5.0f));
    const TileCoord tile = TileOf(-29.9f, 59.9f);
    EXPECT_EQ(tile.column, 0);
    EXPECT_EQ(tile.row, 1);
}

TEST_F(TileTest, ShotsRemoveOneQuadrantAtATime)
{
    Set(2, 1, 991);
    EXPECT_TRUE(HitTile(world, 60.0f + 3.0f, 30.0f + 3.0f)); // top-left
    EXPECT_EQ(Collision(2, 1), 990);
    EXPECT_EQ(Front(2, 1), 990);
    EXPECT_FALSE(HitTile(world, 63.0f, 33.0f)) << "a gap lets shots through";
    EXPECT_EQ(Collision(2, 1), 990);

    struct Removal {
        float lx, ly;
        int16_t expected;
    };
    for (const Removal& r : {Removal{20, 20, 981}, Removal{20, 3, 984}, Removal{3, 20, 986}}) {
        Set(3, 0, 990);
        EXPECT_TRUE(HitTile(world, 90.0f + r.lx, r.ly));
        EXPECT_EQ(Collision(3, 0), r.expected);
    }
    Set(4, 0, 977);
    EXPECT_TRUE(HitTile(world, 120.0f + 15.0f, 15.0f)) << "15 is already the right and bottom half";
    EXPECT_EQ(Collision(4, 0), 0);
    EXPECT_EQ(Front(4, 0), 0);
}

TEST_F(TileTest, QuadrantCodesAreABijection)
{
    for (int code = FirstBreakable; code <= LastBreakable; ++code)
        EXPECT_EQ(BreakableCode(BreakableQuadrants(code)), code);
    EXPECT_EQ(BreakableCode(0), 0);
    EXPECT_EQ(BreakableQuadrants(976), 0);
    EXPECT_EQ(BreakableQuadrants(992), 0);
}

TEST_F(TileTest, GrowTileBuildsWallsOnlyOnEmptyOrBreakableTiles)
{
    GrowTile(world, 40.0f, 20.0f); // column 1, bottom-left
    EXPECT_EQ(Collision(1, 0), 979);
    GrowTile(world, 50.0f, 20.0f); // bottom-right
    EXPECT_EQ(Collision(1, 0), 984);
    EXPECT_EQ(Front(1, 0), 984);
    GrowTile(world, 50.0f, 20.0f);
    EXPECT_EQ(Collision(1, 0), 984);

    Set(5, 0, 400);
    GrowTile(world, 155.0f, 5.0f);
    EXPECT_EQ(Collision(5, 0), 400) << "scenery is never overgrown";
    Set(6, 0, 1023);
    world.frontPlane[6] = 0;
    GrowTile(world, 185.0f, 5.0f);
    EXPECT_EQ(Collision(6, 0), 1023);
    GrowTile(world, -5.0f, 5.0f);
    EXPECT_EQ(Collision(0, 0), 0) << "a negative local position grows nothing";
}

TEST_F(TileTest, RestoreTilesBringsBreakablesBackAndRemovesGrownWalls)
{
    Set(0, 0, 991);
    Set(1, 0, 0);
    Set(2, 0, 0);
    world.frontPlane[2] = 995; // a glow tile drawn in the front plane
    HitTile(world, 3.0f, 3.0f);
    HitTile(world, 20.0f, 20.0f);
    GrowTile(world, 35.0f, 5.0f);
    ASSERT_EQ(Collision(1, 0), 980);
    RestoreTiles(world);
    EXPECT_EQ(Collision(0, 0), 991);
    EXPECT_EQ(Front(0, 0), 991);
    EXPECT_EQ(Collision(1, 0), 0);
    EXPECT_EQ(Front(1, 0), 0);
    EXPECT_EQ(Front(2, 0), 995);
}

TEST(TileWindowTest, FirstDrawnColumnIsOneLeftOfTheCameraColumn)
{
    EXPECT_EQ(VisibleTiles(45.0f, 0.0f, 100, 20).firstColumn, 0);
    EXPECT_EQ(VisibleTiles(60.0f, 0.0f, 100, 20).firstColumn, 1);
    const TileWindow small = VisibleTiles(0.0f, 0.0f, 10, 20);
    EXPECT_EQ(small.firstColumn, 0);
    EXPECT_EQ(small.endColumn, 10);
    const TileWindow mid = VisibleTiles(3000.0f, 61.0f, 322, 20);
    EXPECT_EQ(mid.firstColumn, 99);
    EXPECT_EQ(mid.endColumn, 123);
    EXPECT_EQ(mid.firstRow, 1);
    EXPECT_EQ(mid.endRow, 19);
    const TileWindow past = VisibleTiles(1.0e12f, -1.0e12f, 10, 5);
    EXPECT_EQ(past.firstColumn, 10);
    EXPECT_EQ(past.endColumn, 10);
    EXPECT_EQ(past.firstRow, 0);
}

} // namespace
