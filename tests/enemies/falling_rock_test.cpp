// The falling rock in the foreground layer: its fall, the floor and the rock that stop it,
// and how it meets the ship's side by itself: shots, the ship, and its death.
#include "still_stage.hpp"

#include "enemies/falling_rock.hpp"
#include "player/shot_kinds.hpp"
#include "world/stage_map.hpp"

#include <gtest/gtest.h>

using namespace enemy_testing;

namespace {

constexpr int Foreground = 4;

FallingRock& Drop(StillStage& stage, float x, float y)
{
    return stage.Place(Foreground, std::make_unique<FallingRock>(), x, y);
}

// Ticks until the rock stops falling (at most `limit` ticks); the ticks it took.
int UntilAtRest(StillStage& stage, const FallingRock& rock, int limit)
{
    int ticks = 0;
    do {
        stage.Tick();
        ++ticks;
    } while (rock.vy != 0.0f && ticks < limit);
    return ticks;
}

} // namespace

TEST(FallingRockTest, FallsFasterEachTickAndStopsWhereTheFloorIs30PixelsBelowItsCentre)
{
    StillStage stage;
    stage.Start();
    FallingRock& rock = Drop(stage, 500.0f, 100.0f);
    stage.Tick(10);
    EXPECT_NEAR(rock.vy, 0.1f, 1e-5f) << "0.01 per tick";
    EXPECT_NEAR(rock.y, 100.0f + 0.01f * 55.0f, 1e-3f);

    UntilAtRest(stage, rock, 400);
    EXPECT_FLOAT_EQ(rock.vy, 0.0f);
    EXPECT_TRUE(TileBlocks(stage.engine.world, rock.x, rock.y + 30.0f));
    EXPECT_LT(rock.y + 30.0f - 450.0f, 8.0f) << "at most one step into the floor";
    const float restY = rock.y;
    stage.Tick(50);
    EXPECT_FLOAT_EQ(rock.y, restY) << "and there it stays";
}

TEST(FallingRockTest, ItsSpeedStopsGrowingAt8)
{
    StillStage stage;
    stage.Start();
    FallingRock& rock = Drop(stage, 500.0f, 50.0f);
    rock.vy = 7.995f;
    stage.Tick();
    EXPECT_FLOAT_EQ(rock.vy, 8.0f);
    stage.Tick();
    EXPECT_FLOAT_EQ(rock.vy, 8.0f);
}

TEST(FallingRockTest, RocksStack60PixelsApart)
{
    StillStage stage;
    stage.Start();
    FallingRock& lower = Drop(stage, 500.0f, 300.0f);
    UntilAtRest(stage, lower, 400);
    FallingRock& upper = Drop(stage, 510.0f, 200.0f);
    FallingRock& beside = Drop(stage, 580.0f, 300.0f); // falls past, touching nothing
    stage.Tick(300);
    EXPECT_FLOAT_EQ(upper.y, lower.y - FallingRock::StackHeight);
    EXPECT_FLOAT_EQ(upper.vy, 0.0f);
    EXPECT_GT(beside.y, lower.y - 10.0f) << "a rock beside the pile falls to the floor";
    EXPECT_EQ(stage.Layer(Foreground).size(), 3u);

    lower.TakeDamage(5.0f); // broken: the rock on it falls on to the floor
    stage.Tick(2);
    EXPECT_GT(upper.vy, 0.0f);
    UntilAtRest(stage, upper, 400);
    EXPECT_TRUE(TileBlocks(stage.engine.world, upper.x, upper.y + 30.0f));
}

TEST(FallingRockTest, CrushesTheShipItTouches)
{
    StillStage stage;
    stage.StartAndLaunch();
    const Player& ship = stage.engine.player;
    ASSERT_GT(ship.health, 0.0f);
    Drop(stage, ship.x, ship.y - 30.0f);
    stage.Tick();
    EXPECT_LE(ship.health, 0.0f);
    EXPECT_TRUE(ship.destroyed);
}

TEST(FallingRockTest, TakesTheDamageOfEachShotThatStrikesItAndEndsTheShot)
{
    StillStage stage;
    stage.StartAndLaunch();
    FallingRock& rock = Drop(stage, 500.0f, 100.0f);
    ShotList& shots = stage.engine.shots.playerShots;
    FireShot(shots, shots::Cannon, 500.0f, 110.0f, 0.0f, 0.0f);
    FireShot(shots, shots::Cannon, 200.0f, 110.0f, 0.0f, 0.0f); // wide of it
    stage.Tick();
    EXPECT_FLOAT_EQ(rock.health, 4.0f) << "the cannon's strength of 1";
    ASSERT_EQ(shots.size(), 1u) << "the shot's hit rule ended it";
    EXPECT_FLOAT_EQ(shots.front().x, 200.0f);

    const int32_t score = stage.engine.score;
    for (int i = 0; i < 4; ++i) {
        FireShot(shots, shots::Cannon, rock.x, rock.y, 0.0f, 0.0f);
        stage.Tick();
    }
    EXPECT_LE(rock.health, 0.0f);
    EXPECT_EQ(stage.engine.score, score + FallingRock::Score);
    const std::vector<Explosion>& blasts = stage.engine.world.explosions[Foreground - 1];
    ASSERT_EQ(blasts.size(), 2u) << "in the foreground";
    EXPECT_FLOAT_EQ(blasts[0].halfWidth, 128.0f);
    EXPECT_FLOAT_EQ(blasts[1].halfWidth, 96.0f);
    stage.Tick();
    EXPECT_TRUE(stage.Layer(Foreground).empty());
}
