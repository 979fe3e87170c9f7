// The enemies that fly across the screen: where they enter, how they move and turn, when
// they fire.
#include "enemy_test_support.hpp"

#include "enemies/bug.hpp"
#include "enemies/butterfly.hpp"
#include "enemies/green_serpent.hpp"
#include "enemies/insect.hpp"
#include "enemies/pod_spawner.hpp"
#include "enemies/serpent.hpp"
#include "enemies/super_mine.hpp"
#include "world/stage_map.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace enemy_testing;

namespace {

std::unique_ptr<Butterfly> ButterflyFrom(uint8_t side, float waveStep = 0.05f)
{
    auto b = std::make_unique<Butterfly>();
    b->spawnSide = side;
    b->waveStep = waveStep;
    return b;
}

// Ticks until the entity's first shot, or -1 within the limit.
int FirstShotTick(EnemyStage& s, Entity& enemy, int limit)
{
    const size_t before = s.EnemyShots();
    for (int t = 1; t <= limit; ++t) {
        EnemyStage::Step(enemy);
        if (s.EnemyShots() > before)
            return t;
    }
    return -1;
}

} // namespace

TEST(Butterfly, EntersFromTheSideItsSpawnSideNamesAndCrossesAtThatSidesSpeed)
{
    EnemyStage s;
    Butterfly& right = s.Spawn(ButterflyFrom(0, 0.0f), 12345.0f, 200.0f);
    EXPECT_FLOAT_EQ(right.x, s.CameraX() + 660.0f) << "beyond the right edge, whatever the generator's x";
    EXPECT_FLOAT_EQ(right.y, 200.0f);
    Butterfly& left = s.Spawn(ButterflyFrom(1, 0.0f), 12345.0f, 220.0f);
    EXPECT_FLOAT_EQ(left.x, s.CameraX());
    const float rightStart = right.x, leftStart = left.x;
    EnemyStage::Step(right, 10);
    EnemyStage::Step(left, 10);
    EXPECT_NEAR(right.x - rightStart, -9.5f, 1e-3f);
    EXPECT_NEAR(left.x - leftStart, 15.0f, 1e-3f);
    EXPECT_GT(right.health, 0.0f) << "660 px out is still inside its window";
}

TEST(Butterfly, WithoutAWaveItFliesStraightAndItsWingsStandStill)
{
    EnemyStage s;
    Butterfly& b = s.Spawn(ButterflyFrom(1, 0.0f), 0.0f, 240.0f);
    EnemyStage::Step(b, 50);
    EXPECT_FLOAT_EQ(b.y, 240.0f);
    EXPECT_FLOAT_EQ(b.frame, 4.0f);
    Butterfly& waving = s.Spawn(ButterflyFrom(1), 0.0f, 240.0f);
    EnemyStage::Step(waving, 20);
    EXPECT_GT(waving.y, 240.0f) << "the phase grows: the wave starts downward";
    EXPECT_NE(waving.frame, 4.0f);
    Butterfly& backwards = s.Spawn(ButterflyFrom(1), 0.0f, 240.0f);
    backwards.waveDirection = 1;
    EnemyStage::Step(backwards, 20);
    EXPECT_LT(backwards.y, 240.0f);
}

TEST(Butterfly, FirstShotComesAfter200To399TicksAndReplaysAfterAReseed)
{
    EnemyStage s;
    s.ShipAt(s.CameraX() + 100.0f, 240.0f);
    std::vector<int> firstShots;
    for (int run = 0; run < 2; ++run) {
        SeedRandom(1000);
        for (int i = 0; i < 3; ++i) {
            Butterfly& b = s.Spawn(ButterflyFrom(1, 0.0f), 0.0f, 240.0f);
            const int tick = FirstShotTick(s, b, 400);
            EXPECT_GE(tick, 200);
            EXPECT_LE(tick, 399);
            firstShots.push_back(tick);
            b.health = -1.0f;
        }
    }
    EXPECT_EQ(std::vector<int>(firstShots.begin(), firstShots.begin() + 3),
              std::vector<int>(firstShots.begin() + 3, firstShots.end()));
}

TEST(Butterfly, ItsBulletFliesAtFiveTowardsTheShipPlusTheCamerasStep)
{
    EnemyStage s;
    Butterfly& b = s.Spawn(ButterflyFrom(1, 0.0f), 0.0f, 240.0f);
    s.ShipAt(b.x + 1.5f + 300.0f, b.y - 400.0f); // from where it is after this tick's move
    b.fireTimer = 1;
    s.stage.engine.world.previousCamera.x = s.stage.engine.world.camera.x - 1.0f;
    EnemyStage::Step(b);
    ASSERT_EQ(s.EnemyShots(), 1u);
    const Shot& shot = s.stage.engine.shots.enemyShots.back();
    // Rookie bullets run at half the speed they are fired with.
    const float scale = std::hypot(shot.vx - 0.5f, shot.vy) / 5.0f;
    EXPECT_NEAR((shot.vx - 0.5f) / scale, 3.0f, 1e-3f);
    EXPECT_NEAR(shot.vy / scale, -4.0f, 1e-3f);
}

TEST(Bug, EntersFromItsSideSpinsTwelveDegreesATickAndBobsWithinBounds)
{
    EnemyStage s;
    auto made = std::make_unique<Bug>();
    made->spawnSide = 0;
    Bug& bug = s.Spawn(std::move(made), 0.0f, 200.0f);
    EXPECT_FLOAT_EQ(bug.x, s.CameraX() + 660.0f);
    const float startX = bug.x;
    float highest = bug.y, lowest = bug.y;
    for (int i = 0; i < 120; ++i) {
        EnemyStage::Step(bug);
        highest = std::min(highest, bug.y);
        lowest = std::max(lowest, bug.y);
        EXPECT_LE(std::fabs(bug.vy), 2.2f);
    }
    EXPECT_NEAR(bug.x, startX - 120.0f * 1.2f, 1e-2f) << "the camera stands still here";
    EXPECT_GT(lowest - highest, 20.0f) << "it bobs";
    EXPECT_LT(lowest - highest, 100.0f);
    EXPECT_NEAR(std::fmod(bug.angle, 360.0f), std::fmod(120.0f * 12.0f, 360.0f), 1e-2f);
}

TEST(PatternFliers, TurnByTheirRatesWhileAControlIsHeldAndFlyAtTheirSpeeds)
{
    EnemyStage s;
    auto insect = std::make_unique<Insect>();
    insect->startTop = 1;
    HoldFromStart(*insect, &ControlBlock::RIGHT);
    Insect& i = s.Spawn(std::move(insect), s.CameraX() + 300.0f, 100.0f);
    EXPECT_FLOAT_EQ(i.angle, 90.0f) << "\"Start Top\" heads down the screen";
    auto pod = std::make_unique<PodSpawner>();
    HoldFromStart(*pod, &ControlBlock::LEFT);
    PodSpawner& p = s.Spawn(std::move(pod), s.CameraX() + 300.0f, 400.0f);
    EXPECT_FLOAT_EQ(p.angle, 270.0f);
    const float ix = i.x, iy = i.y;
    EnemyStage::Step(i);
    EXPECT_NEAR(i.angle, 91.85f, 1e-4f);
    EXPECT_NEAR(std::hypot(i.x - ix, i.y - iy), 2.5f, 1e-4f);
    const float px = p.x, py = p.y;
    EnemyStage::Step(p);
    EXPECT_NEAR(p.angle, 267.0f, 1e-4f);
    EXPECT_NEAR(std::hypot(p.x - px, p.y - py), 5.0f, 1e-4f);
}

TEST(PodSpawner, SeedsShutABreakableWallItPassesButLeavesWholeScenery)
{
    EnemyStage s;
    StageWorld& world = s.stage.engine.world;
    const float x = s.CameraX() + 300.0f;
    auto pod = std::make_unique<PodSpawner>();
    pod->startTop = 1;
    PodSpawner& p = s.Spawn(std::move(pod), x, 100.0f);
    const TileCoord below = TileOf(x, 105.0f);
    const size_t index = static_cast<size_t>(below.row * world.mapWidth + below.column);
    world.collisionPlane[index] = world.frontPlane[index] = BreakableCode(0b0010); // only the top right
    const TileCoord plain = TileOf(x, 135.0f);
    const size_t solid = static_cast<size_t>(plain.row * world.mapWidth + plain.column);
    world.collisionPlane[solid] = 5;
    EnemyStage::Step(p, 8);
    EXPECT_NE(world.collisionPlane[index], BreakableCode(0b0010)) << "the quadrant it flew through grew back";
    EXPECT_EQ(world.collisionPlane[index], world.frontPlane[index]);
    EXPECT_EQ(world.collisionPlane[solid], 5);
}

TEST(PodSpawner, LeavesPodsDriftingBackAlongItsPathMoreOftenAboveRookie)
{
    for (int32_t difficulty : {0, 2}) {
        EnemyStage s(difficulty);
        PodSpawner& p = s.Spawn(std::make_unique<PodSpawner>(), s.CameraX() + 300.0f, 400.0f);
        EnemyStage::Step(p, 120);
        EXPECT_EQ(s.EnemyShots(), difficulty == 0 ? 2u : 3u);
    }
}

TEST(SuperMine, HomesSlowlyAcrossAndQuicklyUpAndDown)
{
    EnemyStage s;
    SuperMine& mine = s.Spawn(std::make_unique<SuperMine>(), s.CameraX() + 400.0f, 100.0f);
    s.ShipAt(mine.x - 300.0f, mine.y + 400.0f);
    EnemyStage::Step(mine);
    EXPECT_NEAR(mine.vx, -0.6f * 0.35f, 1e-5f);
    EXPECT_NEAR(mine.vy, 0.8f * 1.25f, 1e-5f);
    EXPECT_NEAR(mine.frame, 0.65f, 1e-6f);
    EnemyStage::Step(mine, 20);
    EXPECT_LT(mine.frame, 8.0f) << "eight cells, wrapped";
}

TEST(Serpents, BodiesFollowTheHeadsPathAtTheirSpacingAndAreHitToo)
{
    EnemyStage s;
    auto made = std::make_unique<Serpent>();
    HoldFromStart(*made, &ControlBlock::RIGHT);
    Serpent& serpent = s.Spawn(std::move(made), s.CameraX() + 320.0f, 300.0f);
    ASSERT_EQ(serpent.body.size(), 8u);
    EXPECT_EQ(serpent.circles.size(), 9u);
    EnemyStage::Step(serpent, 50);
    EXPECT_NEAR(serpent.angle, 270.0f + 50.0f * 1.5f, 1e-3f) << "RIGHT turns clockwise";
    float lx = serpent.x, ly = serpent.y;
    for (const BodySegment& segment : serpent.body) {
        EXPECT_NEAR(std::hypot(segment.x - lx, segment.y - ly), 14.0f, 0.5f);
        lx = segment.x;
        ly = segment.y;
    }
    const Circle& tail = serpent.circles.back();
    EXPECT_FLOAT_EQ(tail.x, serpent.body.back().x);
    EXPECT_TRUE(serpent.HitTest({Circle{2.0f, tail.x, tail.y, 0.0f, 0.0f}})) << "a shot at the tail hits";
}

TEST(Serpents, TheSerpentFiresOnlyAboveRookieAndBurstsAlongItsBody)
{
    for (int32_t difficulty : {0, 1}) {
        EnemyStage s(difficulty);
        s.ShipAt(s.CameraX() + 100.0f, 240.0f);
        Serpent& serpent = s.Spawn(std::make_unique<Serpent>(), s.CameraX() + 320.0f, 460.0f);
        EnemyStage::Step(serpent, 400);
        EXPECT_EQ(s.EnemyShots() > 0, difficulty != 0);
        serpent.health = 100.0f;
        const int32_t score = s.stage.engine.score;
        serpent.TakeDamage(200.0f);
        EXPECT_EQ(s.stage.engine.score - score, Serpent::Score);
        EXPECT_GT(s.Explosions(), 2u) << "blasts along the body, not only at the head";
    }
}

TEST(Serpents, TheGreenSerpentSpitsAPairEvery120TicksOnRookieAnd80Above)
{
    for (int32_t difficulty : {0, 1, 2}) {
        EnemyStage s(difficulty);
        s.ShipAt(s.CameraX() + 100.0f, 100.0f);
        GreenSerpent& serpent = s.Spawn(std::make_unique<GreenSerpent>(), s.CameraX() + 500.0f, 470.0f);
        const int interval = difficulty == 0 ? 120 : 80;
        EnemyStage::Step(serpent, interval - 1);
        EXPECT_EQ(s.EnemyShots(), 0u) << difficulty;
        EnemyStage::Step(serpent);
        ASSERT_EQ(s.EnemyShots(), 2u) << difficulty;
        const Shot& a = s.stage.engine.shots.enemyShots[0];
        const Shot& b = s.stage.engine.shots.enemyShots[1];
        EXPECT_NEAR(std::hypot(a.x - b.x, a.y - b.y), 42.0f, 1e-3f) << "21 px either side of the head";
        EnemyStage::Step(serpent, interval);
        EXPECT_EQ(s.EnemyShots(), 4u);
    }
}

TEST(Serpents, ABodyMovesWithItsHeadWhenTheWorldIsShiftedUnderIt)
{
    EnemyStage s;
    Serpent& serpent = s.Spawn(std::make_unique<Serpent>(), s.CameraX() + 320.0f, 300.0f);
    EnemyStage::Step(serpent, 20);
    const float tailX = serpent.body.back().x;
    ShiftStageWorld(s.stage.engine.world, 500.0f, 0.0f);
    EnemyStage::Step(serpent);
    EXPECT_NEAR(serpent.body.back().x, tailX - 500.0f, 0.01f);
    EXPECT_NEAR(std::hypot(serpent.body[0].x - serpent.x, serpent.body[0].y - serpent.y), 14.0f, 0.01f);
}

TEST(Butterfly, OneInTheFarLayerFiresFromWhereItIsSeenOnScreen)
{
    EnemyStage s;
    StageWorld& world = s.stage.engine.world;
    Butterfly& far = s.Spawn(ButterflyFrom(1, 0.0f), 0.0f, 200.0f, 1);
    s.ShipAt(s.CameraX() + 600.0f, 200.0f + s.CameraY() - LayerCameraOf(world.camera, 1).y);
    far.fireTimer = 1;
    EnemyStage::Step(far);
    ASSERT_EQ(s.EnemyShots(), 1u);
    const Shot& shot = s.stage.engine.shots.enemyShots.back();
    const CameraPoint own = LayerCameraOf(world.camera, 1);
    EXPECT_FLOAT_EQ(shot.x, far.x - own.x + world.camera.x);
    EXPECT_FLOAT_EQ(shot.y, far.y - own.y + world.camera.y);
    EXPECT_GT(shot.vx, 0.0f);
    EXPECT_NEAR(shot.vy, 0.0f, 1e-4f) << "aimed from the screen position, level with the ship";
}

TEST(Insect, CirclesWhileItsPatternHoldsATurnAndFiresAfter200To399Ticks)
{
    EnemyStage s;
    s.ShipAt(s.CameraX() + 100.0f, 240.0f);
    auto made = std::make_unique<Insect>();
    HoldFromStart(*made, &ControlBlock::LEFT);
    Insect& insect = s.Spawn(std::move(made), s.CameraX() + 400.0f, 240.0f);
    const int first = FirstShotTick(s, insect, 400);
    EXPECT_GE(first, 200);
    EXPECT_LE(first, 399);
    // 1.85 degrees a tick at 2.5 px: a circle of about 77 px radius, so it stays near its start.
    EXPECT_LT(std::hypot(insect.x - (s.CameraX() + 400.0f), insect.y - 240.0f), 160.0f);
    EXPECT_GT(insect.health, 0.0f);
}

TEST(Bug, CrossesTheScreenAtTheSameSpeedFromEitherEdgeWhileTheCameraScrolls)
{
    EnemyStage s;
    StageWorld& world = s.stage.engine.world;
    for (uint8_t side : {0, 1}) {
        auto made = std::make_unique<Bug>();
        made->spawnSide = side;
        Bug& bug = s.Spawn(std::move(made), 0.0f, 200.0f);
        const float screenStart = bug.x - world.camera.x;
        for (int i = 0; i < 100; ++i) {
            world.previousCamera = world.camera;
            world.camera.x += 1.0f;
            EnemyStage::Step(bug);
        }
        EXPECT_NEAR(bug.x - world.camera.x - screenStart, side ? 120.0f : -120.0f, 0.05f) << int(side);
    }
}
