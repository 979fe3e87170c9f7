// The pattern walkers on a still stage: falling onto the tile rows, walking until a wall,
// the speed dying away, the vulcan droid's turn and squat, the power droid's flight and
// landing, their fire, their deaths and the power-up one of them carries.
#include "still_stage.hpp"

#include "enemies/droid.hpp"
#include "enemies/power_droid.hpp"
#include "enemies/vulcan_droid.hpp"
#include "player/shot_kinds.hpp"
#include "world/pickup_kind.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <type_traits>
#include <vector>

using namespace enemy_testing;

namespace {

constexpr auto Left = &ControlBlock::LEFT;
constexpr auto Right = &ControlBlock::RIGHT;
constexpr auto Up = &ControlBlock::UP;
constexpr auto Down = &ControlBlock::DOWN;

template <class T>
std::unique_ptr<T> Facing(bool right, std::deque<ControlRecord> pattern = {})
{
    auto walker = std::make_unique<T>();
    if constexpr (std::is_base_of_v<DroidWalker, T>)
        walker->startFacingRight = right ? 1 : 0;
    else
        walker->startSide = right ? 1 : 0;
    walker->pattern = std::move(pattern);
    return walker;
}

} // namespace

TEST(Walkers, ADroidFallsOntoATileRowThenWalksUntilAWallStopsIt)
{
    StillStage stage;
    stage.Solid(14, FloorRow - 1); // a wall from x 420, standing on the floor
    stage.Start();
    auto made = Facing<Droid>(true, {Hold(0, {Right})});
    made->startFalling = 1;
    Droid& droid = stage.Place(3, std::move(made), 240.0f, 300.0f);
    EXPECT_FLOAT_EQ(droid.y, 300.0f) << "a falling droid starts where it was placed";

    stage.Tick(10);
    EXPECT_FALSE(droid.grounded);
    EXPECT_NEAR(droid.vy, 1.0f, 1e-4f) << "gravity 0.1 per tick";
    EXPECT_NEAR(droid.x, 255.0f, 1e-3f) << "walking at 1.5 while it falls";

    stage.Tick(60);
    ASSERT_TRUE(droid.grounded);
    EXPECT_FLOAT_EQ(droid.y, FeetOnFloor) << "feet on the bottom line of the row above the floor";
    EXPECT_FLOAT_EQ(droid.vy, 0.0f);

    stage.Tick(200);
    EXPECT_FLOAT_EQ(droid.vx, 0.0f) << "the wall stops it";
    EXPECT_GE(droid.x + Walker::ProbeAhead, 420.0f) << "it walked up to the wall";
    EXPECT_LT(droid.x + Walker::ProbeAhead - 1.5f, 420.0f) << "one stride short of it at most";
    EXPECT_FLOAT_EQ(droid.y, FeetOnFloor);
    EXPECT_EQ(droid.facing, 1);
}

TEST(Walkers, AStandingDroidFindsItsRowAndItsSpeedDiesAwayWithNoDirectionHeld)
{
    StillStage stage;
    stage.Start();
    Droid& droid = stage.Place(3, Facing<Droid>(false, {Hold(0, {Left}), Hold(20, {})}), 300.0f, 431.0f);
    EXPECT_FLOAT_EQ(droid.y, FeetOnFloor) << "placed standing, its feet go to its row's bottom line";
    EXPECT_TRUE(droid.grounded);

    stage.Tick(20);
    EXPECT_FLOAT_EQ(droid.vx, -1.5f);
    EXPECT_FLOAT_EQ(droid.x, 270.0f);
    stage.Tick(10);
    float expected = -1.5f;
    for (int i = 0; i < 10; ++i)
        expected *= 0.987f;
    EXPECT_FLOAT_EQ(droid.vx, expected);
    EXPECT_EQ(droid.facing, -1) << "it keeps facing the way it walked";
    EXPECT_FLOAT_EQ(droid.y, FeetOnFloor);
}

TEST(Walkers, AWalkerWalksOffALedgeAndFalls)
{
    StillStage stage;
    for (int column = 0; column < 12; ++column) // a shelf on row 10 ending at x 360
        stage.Solid(column, 10);
    stage.Start();
    Droid& droid = stage.Place(3, Facing<Droid>(true, {Hold(0, {Right})}), 330.0f, 290.0f);
    ASSERT_FLOAT_EQ(droid.y, 299.0f);
    stage.Tick(30);
    EXPECT_GT(droid.x, 360.0f);
    EXPECT_FALSE(droid.grounded);
    EXPECT_GT(droid.y, 299.0f);
    stage.Tick(120);
    EXPECT_TRUE(droid.grounded);
    EXPECT_FLOAT_EQ(droid.y, FeetOnFloor);
}

TEST(Walkers, ADroidFiresAnAimedBulletAfter200To399Ticks)
{
    StillStage stage;
    stage.StartAndLaunch();
    stage.Place(3, Facing<Droid>(false), 520.0f, 440.0f);
    int firstShot = 0;
    for (int tick = 1; tick <= 400 && firstShot == 0; ++tick) {
        stage.Tick();
        if (stage.EnemyShots() > 0)
            firstShot = tick;
    }
    EXPECT_GE(firstShot, 200);
    EXPECT_LE(firstShot, 399);
    ASSERT_EQ(stage.EnemyShots(), 1u);
    const Shot& bullet = stage.engine.shots.enemyShots.front();
    EXPECT_LT(bullet.vx, 0.0f) << "towards the ship, up and to the left";
    EXPECT_LT(bullet.vy, 0.0f);
}

TEST(Walkers, AVulcanDroidTurnsOnTheSpotBeforeWalkingTheOtherWay)
{
    StillStage stage;
    stage.Start();
    VulcanDroid& vulcan = stage.Place(3, Facing<VulcanDroid>(true, {Hold(0, {Right}), Hold(10, {Left})}), 300.0f, 440.0f);
    vulcan.fireTimer = 1000; // no squat in this test

    stage.Tick(10);
    EXPECT_FLOAT_EQ(vulcan.x, 315.0f);
    stage.Tick();
    EXPECT_EQ(vulcan.pose, VulcanDroid::Pose::Turning);
    stage.Tick(15);
    EXPECT_EQ(vulcan.pose, VulcanDroid::Pose::Turning) << "eight cells at half a cell per tick";
    EXPECT_EQ(vulcan.facing, 1);
    EXPECT_FLOAT_EQ(vulcan.x, 315.0f) << "it turns where it stands";
    stage.Tick();
    EXPECT_EQ(vulcan.pose, VulcanDroid::Pose::Walking);
    EXPECT_EQ(vulcan.facing, -1);
    stage.Tick();
    EXPECT_FLOAT_EQ(vulcan.x, 313.5f);
}

TEST(Walkers, AVulcanDroidSquatsAndFiresABurstFromTheCrouch)
{
    StillStage stage;
    stage.StartAndLaunch();
    VulcanDroid& vulcan = stage.Place(3, Facing<VulcanDroid>(false, {Hold(0, {Left})}), 520.0f, 440.0f);
    vulcan.fireTimer = 5;

    std::vector<int> shotTicks;
    float squatX = 0.0f;
    for (int tick = 1; tick <= 60; ++tick) {
        const size_t before = stage.EnemyShots();
        stage.Tick();
        if (tick == 5) {
            EXPECT_EQ(vulcan.pose, VulcanDroid::Pose::Squatting) << "its timer ran out";
            squatX = vulcan.x;
        }
        if (stage.EnemyShots() > before)
            shotTicks.push_back(tick);
        if (tick == 19) {
            EXPECT_FLOAT_EQ(vulcan.poseFrame, 7.0f) << "crouched after fourteen ticks";
        }
        if (tick > 5 && tick < 50) {
            EXPECT_FLOAT_EQ(vulcan.x, squatX) << "it stands its ground while squatting, tick " << tick;
        }
    }
    EXPECT_EQ(shotTicks, (std::vector<int>{20, 28, 36})) << "three bullets, eight ticks apart, from the crouch";
    EXPECT_EQ(vulcan.pose, VulcanDroid::Pose::Walking) << "it stood up again";
    EXPECT_LT(vulcan.x, squatX) << "and walks on";
    EXPECT_GE(vulcan.fireTimer, 200 - 10) << "a fresh timer once it walks again";
    EXPECT_LE(vulcan.fireTimer, 399 - 10);
}

TEST(Walkers, APowerDroidFliesAt2_3LandsWhenItDivesOntoAFloorAndTakesOffAgain)
{
    StillStage stage;
    stage.Start();
    auto made = Facing<PowerDroid>(true, {Hold(20, {Down}), Hold(150, {Up})});
    made->startFlying = 1;
    PowerDroid& droid = stage.Place(3, std::move(made), 999.0f, 300.0f);
    EXPECT_FLOAT_EQ(droid.x, -20.0f) << "it enters at the left edge, whatever the generator's x";

    stage.Tick(10);
    EXPECT_NEAR(droid.x, 3.0f, 1e-3f) << "flying its facing at 2.3 with nothing held";
    EXPECT_FLOAT_EQ(droid.y, 300.0f);

    stage.Tick(90);
    EXPECT_EQ(droid.flying, 0) << "the dive ended on the floor";
    EXPECT_TRUE(droid.grounded);
    EXPECT_FLOAT_EQ(droid.y, FeetOnFloor);
    const float landedX = droid.x;
    stage.Tick(40);
    EXPECT_FLOAT_EQ(droid.x, landedX) << "walking, with no direction held it stands";
    EXPECT_FLOAT_EQ(droid.y, FeetOnFloor);

    stage.Tick(15);
    EXPECT_EQ(droid.flying, 1) << "UP takes it off";
    EXPECT_NEAR(droid.y, FeetOnFloor - 5.0f * 2.3f, 1e-3f);
    EXPECT_NEAR(droid.x, landedX + 5.0f * 2.3f, 1e-3f);
}

TEST(Walkers, APowerDroidWalksAt1_5FromTheRightEdge)
{
    StillStage stage;
    stage.Start();
    PowerDroid& droid = stage.Place(3, Facing<PowerDroid>(false, {Hold(0, {Left})}), 0.0f, 440.0f);
    EXPECT_FLOAT_EQ(droid.x, 660.0f) << "it enters beyond the right edge";
    EXPECT_FLOAT_EQ(droid.y, FeetOnFloor);
    stage.Tick(10);
    EXPECT_FLOAT_EQ(droid.x, 645.0f);
    EXPECT_EQ(droid.flying, 0);
    EXPECT_EQ(droid.facing, -1);
}

TEST(Walkers, EveryWalkerDiesToOneCannonShotAndPaysItsScoreOnce)
{
    struct Case {
        std::unique_ptr<Walker> walker;
        int32_t score;
    };
    Case cases[] = {{Facing<Droid>(true), Droid::Score},
                    {Facing<VulcanDroid>(true), VulcanDroid::Score},
                    {Facing<PowerDroid>(false), PowerDroid::Score}};
    for (Case& c : cases) {
        StillStage stage;
        stage.Start();
        Walker& walker = stage.Place(3, std::move(c.walker), 500.0f, 440.0f);
        walker.x = walker.prevX = 500.0f; // on screen, wherever it enters
        stage.Tick();
        const int32_t score = stage.engine.score;
        float bodyX = 0.0f, bodyY = 0.0f;
        ASSERT_TRUE(walker.GetTargetPoint(bodyX, bodyY));
        // Two shots in the same tick: the second finds it already dead.
        FireShot(stage.engine.shots.playerShots, shots::Cannon, bodyX, bodyY, 0.0f, 0.0f);
        FireShot(stage.engine.shots.playerShots, shots::Cannon, bodyX, bodyY, 0.0f, 0.0f);
        stage.Tick();
        EXPECT_LE(walker.health, 0.0f) << c.score;
        EXPECT_EQ(stage.engine.score, score + c.score);
        EXPECT_EQ(stage.engine.world.explosions[2].size(), 2u) << "one explosion pair";
        stage.Tick();
        EXPECT_TRUE(stage.Layer(3).empty());
    }
}

TEST(Walkers, APowerDroidDropsTheKindItCarriesWhereItDies)
{
    StillStage stage;
    stage.Start();
    auto carrier = Facing<PowerDroid>(true);
    carrier->containsPowerUp = 4;
    carrier->startFlying = 1;
    PowerDroid& droid = stage.Place(3, std::move(carrier), 0.0f, 200.0f);
    PowerDroid& emptyHanded = stage.Place(3, Facing<PowerDroid>(true), 0.0f, 440.0f);
    stage.Tick(5);

    emptyHanded.TakeDamage(1.0f);
    EXPECT_TRUE(stage.engine.world.pickups.empty()) << "-1 carries nothing";

    droid.TakeDamage(1.0f);
    droid.TakeDamage(1.0f);
    ASSERT_EQ(stage.engine.world.pickups.size(), 1u) << "dropped once";
    const Entity& drop = *stage.engine.world.pickups.front();
    const auto* kind = dynamic_cast<const PickupKind*>(&drop);
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->Kind(), 4);
    EXPECT_FLOAT_EQ(drop.x, droid.x);
    EXPECT_FLOAT_EQ(drop.y, droid.y - Walker::BodyHeight);
    EXPECT_FLOAT_EQ(drop.health, 1.0f);

    stage.Tick();
    EXPECT_TRUE(stage.Layer(3).empty());
    EXPECT_EQ(stage.engine.world.pickups.size(), 1u) << "the power-up outlives its carrier";
}
