// The creatures of the water stages: the jellyfish, the glob sack and its globs.
#include "enemy_test_support.hpp"

#include "enemies/glob.hpp"
#include "enemies/glob_sack.hpp"
#include "enemies/jellyfish.hpp"
#include "world/stage_map.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace enemy_testing;

TEST(Jellyfish, SinksAndStrokesUpOncePerCycleOnlyLowOnTheScreen)
{
    EnemyStage s;
    Jellyfish& high = s.Spawn(std::make_unique<Jellyfish>(), s.CameraX() + 300.0f, s.CameraY() + 100.0f);
    float previousVy = 0.0f;
    int strokes = 0;
    for (int i = 0; i < 64; ++i) {
        EnemyStage::Step(high);
        strokes += high.vy < previousVy - 0.5f;
        previousVy = high.vy;
    }
    EXPECT_EQ(strokes, 0) << "above the line it only sinks";
    EXPECT_GT(high.y, s.CameraY() + 100.0f);
    Jellyfish& low = s.Spawn(std::make_unique<Jellyfish>(), s.CameraX() + 300.0f, s.CameraY() + 460.0f);
    previousVy = 0.0f;
    std::vector<float> strokeFrames;
    for (int i = 0; i < 64; ++i) {
        EnemyStage::Step(low);
        if (low.vy < previousVy - 0.5f)
            strokeFrames.push_back(low.frame);
        previousVy = low.vy;
    }
    ASSERT_EQ(strokeFrames.size(), 3u) << "64 ticks at 1.5 cells: three passes over cell 16";
    for (float frame : strokeFrames) {
        EXPECT_GE(frame, 16.0f);
        EXPECT_LT(frame, 17.5f);
    }
}

TEST(GlobSack, SinksFasterAndFasterAndReleasesFourGlobsOnRookieEightAbove)
{
    for (int32_t difficulty : {0, 1}) {
        EnemyStage s(difficulty);
        GlobSack& sack = s.Spawn(std::make_unique<GlobSack>(), s.CameraX() + 300.0f, 0.0f);
        sack.burstTimer = 1;
        EnemyStage::Step(sack);
        EXPECT_FLOAT_EQ(sack.vy, 0.05f);
        int globs = 0;
        for (const auto& entity : s.stage.Layer(3)) {
            if (auto* glob = dynamic_cast<Glob*>(entity.get())) {
                ++globs;
                EXPECT_NEAR(std::hypot(glob->x - sack.x, glob->y - sack.y), 5.0f, 0.06f);
                EXPECT_FLOAT_EQ(glob->health, 0.5f);
            }
        }
        EXPECT_EQ(globs, difficulty == 0 ? 4 : 8);
        EnemyStage::Step(sack, 9);
        EXPECT_NEAR(sack.vy, 0.5f, 1e-5f);
    }
}

TEST(Glob, TurnsAfterTheShipFliesAtItsSpeedAndBurstsOnAWallWithoutScore)
{
    for (int32_t difficulty : {0, 2}) {
        EnemyStage s(difficulty);
        const float x = s.CameraX() + 300.0f;
        auto made = std::make_unique<Glob>();
        made->angle = 0.0f;
        Glob& glob = s.Spawn(std::move(made), x, 240.0f);
        s.ShipAt(x - 200.0f, 240.0f); // straight behind it
        EnemyStage::Step(glob);
        EXPECT_NEAR(std::hypot(glob.x - glob.prevX, glob.y - glob.prevY), difficulty == 0 ? 1.5f : 2.15f, 1e-4f);
        EXPECT_NEAR(std::fabs(glob.angle - 180.0f), 180.0f - 13.0f, 1e-3f) << "the fastest turn, directly away";
        StageWorld& world = s.stage.engine.world;
        const TileCoord tile = TileOf(glob.x, glob.y);
        for (int row = tile.row - 1; row <= tile.row + 1; ++row)
            for (int column = tile.column - 1; column <= tile.column + 1; ++column)
                world.collisionPlane[static_cast<size_t>(row * world.mapWidth + column)] = SolidTile;
        const int32_t score = s.stage.engine.score;
        EnemyStage::Step(glob);
        EXPECT_LE(glob.health, 0.0f);
        EXPECT_EQ(s.stage.engine.score, score);
    }
}

TEST(GlobSack, BurstsFirst40To79TicksAfterItsReleaseWhileStillOnScreen)
{
    EnemyStage s;
    for (int sack = 0; sack < 5; ++sack) {
        GlobSack& made = s.Spawn(std::make_unique<GlobSack>(), s.CameraX() + 300.0f, s.CameraY());
        const size_t before = s.stage.Layer(3).size();
        int tick = 0;
        while (s.stage.Layer(3).size() == before && tick < 200) {
            EnemyStage::Step(made);
            ++tick;
        }
        EXPECT_GE(tick, 40);
        EXPECT_LE(tick, 79);
        EXPECT_LT(made.y, s.CameraY() + 480.0f) << "seen to burst";
        made.health = -1.0f;
    }
}
