#include "world/stage_world.hpp"
#include "world/water_contact.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace world_testing;

namespace {

class EntityTest : public ::testing::Test {
protected:
    Engine engine{Engine::Detached{}};
    StageWorld& world = engine.world;

    ProbeEntity* Add(float x, float y, int layer = 3, int drawOrder = 0)
    {
        auto entity = std::make_unique<ProbeEntity>();
        entity->Spawn(x, y);
        entity->drawOrder = drawOrder;
        ProbeEntity* raw = entity.get();
        AddEntity(world, std::move(entity), layer);
        return raw;
    }
};

TEST(Geometry, CirclesThatExactlyTouchOverlapAndEmptyListsNeverHit)
{
    const Circle a{5.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    EXPECT_TRUE(CirclesOverlap(a, Circle{3.0f, 8.0f, 0.0f, 0.0f, 0.0f}));
    EXPECT_FALSE(CirclesOverlap(a, Circle{3.0f, 8.001f, 0.0f, 0.0f, 0.0f}));
    EXPECT_FALSE(AnyCirclesOverlap({}, {a}));
    EXPECT_FALSE(AnyCirclesOverlap({a}, {}));
}

TEST(Geometry, RectanglesFromSizeAndEdgeTests)
{
    const Rect r = RectFromSize(20.0f, 10.0f, 100.0f, 50.0f);
    EXPECT_EQ(r.left, 90.0f);
    EXPECT_EQ(r.top, 45.0f);
    EXPECT_EQ(r.right, 110.0f);
    EXPECT_EQ(r.bottom, 55.0f);
    EXPECT_TRUE(PointInRect(r, 110.0f, 55.0f));
    EXPECT_FALSE(PointInRect(r, 110.01f, 50.0f));
    EXPECT_TRUE(RectsOverlap(r, RectFromEdges(110.0f, 55.0f, 120.0f, 60.0f))); // corners touch
    EXPECT_FALSE(RectsOverlap(r, RectFromEdges(110.5f, 0.0f, 120.0f, 60.0f)));
    const Rect edges = RectFromEdges(1, 2, 3, 4);
    EXPECT_EQ(edges.halfWidth, 0.0f);
    EXPECT_EQ(edges.centreX, 0.0f);
}

TEST(Geometry, CircleRectangleTestProbesTowardsTheCentreMember)
{
    const Rect box = RectFromSize(20.0f, 20.0f, 50.0f, 50.0f);
    // Centre 15 right of the box's right edge, radius 15: the nearest point is on the edge.
    EXPECT_TRUE(CircleTouchesRect(Circle{15.0f, 75.0f, 50.0f, 0, 0}, box));
    EXPECT_FALSE(CircleTouchesRect(Circle{14.0f, 75.0f, 50.0f, 0, 0}, box));
    // A rectangle made from edges probes towards the origin.
    const Rect water = RectFromEdges(0.0f, 100.0f, 1000.0f, 200.0f);
    EXPECT_FALSE(CircleTouchesRect(Circle{10.0f, 500.0f, 95.0f, 0, 0}, water));
    EXPECT_TRUE(CircleTouchesRect(Circle{10.0f, 500.0f, 150.0f, 0, 0}, water));
}

TEST(Geometry, RotatedCirclesMirrorTheXOffsetAtAngleZero)
{
    ProbeEntity e;
    e.x = 100.0f;
    e.y = 50.0f;
    std::vector<Circle> list{Circle{1.0f, 0, 0, 10.0f, 4.0f}};
    e.PlaceCirclesRotated(list);
    EXPECT_FLOAT_EQ(list[0].x, 90.0f);
    EXPECT_FLOAT_EQ(list[0].y, 54.0f);
    e.angle = 90.0f;
    e.PlaceCirclesRotated(list);
    EXPECT_NEAR(list[0].x, 96.0f, 1e-4);
    EXPECT_NEAR(list[0].y, 40.0f, 1e-4);
    e.PlaceCirclesTranslated(list);
    EXPECT_EQ(list[0].x, 110.0f);
    EXPECT_EQ(list[0].y, 54.0f);
}

TEST_F(EntityTest, HealthZeroIsRemovedWithoutUpdateAndAPositiveOrNanHealthIsUpdated)
{
    ProbeEntity* dead = Add(100, 100);
    ProbeEntity* alive = Add(110, 100);
    ProbeEntity* undefined = Add(120, 100);
    dead->health = 0.0f;
    alive->health = 0.001f;
    undefined->health = std::numeric_limits<float>::quiet_NaN();
    UpdateEntityLists(world);
    ASSERT_EQ(world.entityLayers[2].size(), 2u);
    EXPECT_EQ(world.entityLayers[2][0].get(), alive);
    EXPECT_EQ(alive->thinks, 1);
    EXPECT_EQ(undefined->thinks, 1);
    EXPECT_EQ(alive->age, 1);
}

TEST_F(EntityTest, UpdateRecordsThePreviousPositionAndSkipsThinkWhilePaused)
{
    ProbeEntity* e = Add(100, 100);
    e->x = 130.0f;
    engine.paused = true;
    UpdateEntityLists(world);
    EXPECT_EQ(e->thinks, 0);
    EXPECT_EQ(e->prevX, 130.0f);
    EXPECT_EQ(e->circles[0].x, 130.0f);
    EXPECT_EQ(e->age, 1);
}

TEST_F(EntityTest, ActivationMarginsOf64And128AroundTheLayerView)
{
    world.camera = {1000.0f, 0.0f};
    ProbeEntity* farRight = Add(1000.0f + 640.0f + 129.0f, 240.0f);
    ProbeEntity* nearRight = Add(1000.0f + 640.0f + 100.0f, 240.0f);
    UpdateEntityLists(world);
    UpdateEntityLists(world);
    ASSERT_EQ(world.entityLayers[2].size(), 1u);
    EXPECT_EQ(world.entityLayers[2][0].get(), nearRight);
    EXPECT_EQ(nearRight->active, 0);
    (void)farRight;

    // Active entities leave once beyond 64 pixels; at exactly 64 they stay.
    ProbeEntity* at64 = Add(1000.0f - 64.0f, 240.0f);
    ProbeEntity* at65 = Add(1000.0f - 65.0f, 240.0f);
    at64->active = 1;
    at65->active = 1;
    UpdateEntityLists(world);
    UpdateEntityLists(world);
    EXPECT_EQ(world.entityLayers[2].size(), 2u);
    EXPECT_EQ(at64->active, 1);
    EXPECT_NE(std::find_if(world.entityLayers[2].begin(), world.entityLayers[2].end(),
                           [&](const auto& p) { return p.get() == at64; }),
              world.entityLayers[2].end());
}

TEST_F(EntityTest, LayerOneUsesHalfTheCamera)
{
    world.camera = {1000.0f, 0.0f};
    ProbeEntity* e = Add(500.0f + 320.0f, 240.0f, 1);
    UpdateEntityLists(world);
    EXPECT_EQ(e->active, 1);
    EXPECT_EQ(world.entityLayers[0].size(), 1u);
}

TEST_F(EntityTest, EqualDrawOrderKeepsInsertionOrder)
{
    ProbeEntity* a = Add(0, 0, 2, 1);
    ProbeEntity* b = Add(0, 0, 2, 0);
    ProbeEntity* c = Add(0, 0, 2, 1);
    ProbeEntity* d = Add(0, 0, 2, -1);
    const auto& list = world.entityLayers[1];
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].get(), d);
    EXPECT_EQ(list[1].get(), b);
    EXPECT_EQ(list[2].get(), a);
    EXPECT_EQ(list[3].get(), c);
    EXPECT_EQ(a->layer, 2);
    AddEntity(world, std::make_unique<ProbeEntity>(), 5);
    EXPECT_EQ(world.entityLayers[3].size(), 0u);
}

TEST_F(EntityTest, TakeDamageFlashesAndCallsDestroyedAtZero)
{
    ProbeEntity e;
    e.Spawn(0, 0);
    e.TakeDamage(0.5f);
    EXPECT_EQ(e.hitFlash, 3);
    EXPECT_EQ(e.health, 0.5f);
    e.TakeDamage(0.5f);
    EXPECT_EQ(e.health, -1.0f);
    // Our circle (radius 10 at the origin) against the caller's copies.
    std::vector<Circle> theirs{Circle{1.0f, 11.0f, 0.0f, 0, 0}};
    EXPECT_TRUE(e.HitTest(theirs));
    theirs[0].x = 11.5f;
    EXPECT_FALSE(e.HitTest(theirs));
    EXPECT_FALSE(e.HitTest({}));
}

TEST_F(EntityTest, CheckWaterRunsFromTimeIndex100OnEveryTenthAge)
{
    world.water.push_back(RectFromSize(200.0f, 100.0f, 300.0f, 300.0f));
    ProbeEntity* e = Add(300.0f, 300.0f);
    engine.stateTicks = 99;
    for (int i = 0; i < 12; ++i)
        UpdateEntityLists(world);
    EXPECT_EQ(e->inWater, 0) << "nothing before time index 100";

    engine.stateTicks = 100;
    // age is 12 now; ages 13..20 are not checked, 21 is.
    for (int i = 0; i < 8; ++i)
        UpdateEntityLists(world);
    EXPECT_EQ(e->age, 20);
    EXPECT_EQ(e->inWater, 0);
    UpdateEntityLists(world);
    EXPECT_EQ(e->inWater, 1);

    // Out of the water, the flag only drops at the next checked tick.
    e->x = 600.0f;
    UpdateEntityLists(world);
    EXPECT_EQ(e->inWater, 1);
    for (int i = 0; i < 9; ++i)
        UpdateEntityLists(world);
    EXPECT_EQ(e->age, 31);
    EXPECT_EQ(e->inWater, 0);
}

TEST_F(EntityTest, AnExplosionLives43Ticks)
{
    AddExplosion(world, 2, 10, 20, 64, 64, ExplosionStyle::Blast, 45);
    AddExplosion(world, 0, 10, 20, 64, 64, ExplosionStyle::Blast, 45);
    AddExplosion(world, 5, 10, 20, 64, 64, ExplosionStyle::Blast, 45);
    for (int i = 0; i < 42; ++i)
        AdvanceExplosions(world);
    ASSERT_EQ(world.explosions[1].size(), 1u);
    EXPECT_EQ(world.explosions[1][0].frame, 31.5f);
    AdvanceExplosions(world);
    EXPECT_TRUE(world.explosions[1].empty());
    for (const auto& list : world.explosions)
        EXPECT_TRUE(list.empty());
}

TEST_F(EntityTest, NearestTargetSkipsTheDeadAndLooksOnlyUnder999)
{
    ProbeEntity* near = Add(100.0f, 0.0f);
    ProbeEntity* nearer = Add(-50.0f, 0.0f);
    Add(2000.0f, 0.0f);
    EXPECT_EQ(NearestTarget(world, 0.0f, 0.0f), nearer);
    nearer->health = 0.0f;
    EXPECT_EQ(NearestTarget(world, 0.0f, 0.0f), near);
    EXPECT_EQ(NearestTarget(world, -1100.0f, 0.0f), nullptr) << "999 away is too far";
    nearer->health = 1.0f;
    // Heading right (0 degrees) with a 45-degree half cone only sees the entity ahead.
    EXPECT_EQ(NearestTargetInCone(world, 0.0f, 0.0f, 0.0f, 45.0f), near);
    EXPECT_EQ(NearestTargetInCone(world, 0.0f, 0.0f, 180.0f, 45.0f), nearer);
    EXPECT_EQ(NearestTargetInCone(world, 0.0f, 0.0f, 90.0f, 45.0f), nullptr);
}

// A time jump moves the world under the camera: everything on screen, the ship with its tail,
// orb and pods and both shot lists included, keeps its screen position, hit circles with it.
TEST_F(EntityTest, ShiftWorldMovesWhatIsOnScreenPickupsIncludedButNotWaterOrGenerators)
{
    ProbeEntity* e = Add(500.0f, 200.0f, 4);
    e->prevX = 499.0f;
    e->circles = {Circle{8.0f, 500.0f, 200.0f, 0.0f, 0.0f}};
    Player& ship = engine.player;
    ship.x = ship.prevX = 420.0f;
    ship.y = ship.prevY = 240.0f;
    ship.circles = {Circle{7.0f, 420.0f, 236.0f, 0.0f, -4.0f}};
    ship.tail = {TailSegment{405.0f, 240.0f, 404.0f, 240.0f, 0.0f}};
    ship.orb.present = true;
    ship.orb.x = ship.orb.prevX = 440.0f;
    ship.orb.y = 240.0f;
    ship.pods.resize(1);
    ship.pods[0].x = 410.0f;
    ship.pods[0].y = 220.0f;
    Shot mine;
    mine.x = mine.prevX = 600.0f;
    mine.circles = {Circle{4.0f, 600.0f, 0.0f, 0.0f, 0.0f}};
    engine.shots.playerShots.push_back(mine);
    Shot theirs;
    theirs.x = 300.0f;
    theirs.y = theirs.prevY = 50.0f;
    engine.shots.enemyShots.push_back(theirs);
    auto pickup = std::make_unique<ProbeEntity>();
    pickup->Spawn(50.0f, 60.0f);
    world.pickups.push_back(std::move(pickup));
    AddExplosion(world, 1, 300.0f, 100.0f, 10, 10, ExplosionStyle::Glow, 0);
    world.water.push_back(RectFromSize(10, 10, 40, 40));
    world.generators[0].push_back(Generator{});
    world.generators[0][0].x = 77.0f;
    engine.ShiftWorld(100.0f, -10.0f);
    EXPECT_EQ(e->x, 400.0f);
    EXPECT_EQ(e->prevX, 399.0f);
    EXPECT_EQ(e->y, 210.0f);
    EXPECT_EQ(e->prevY, 210.0f);
    EXPECT_EQ(world.explosions[0][0].x, 200.0f);
    EXPECT_EQ(world.explosions[0][0].y, 110.0f);
    EXPECT_EQ(world.pickups[0]->x, -50.0f);
    EXPECT_EQ(world.pickups[0]->prevY, 70.0f);
    EXPECT_EQ(world.water[0].centreX, 40.0f);
    EXPECT_EQ(world.generators[0][0].x, 77.0f);
    EXPECT_EQ(e->circles[0].x, 400.0f);
    EXPECT_EQ(ship.x, 320.0f);
    EXPECT_EQ(ship.prevX, 320.0f);
    EXPECT_EQ(ship.y, 250.0f);
    EXPECT_EQ(ship.circles[0].y, 246.0f);
    EXPECT_EQ(ship.tail[0].x, 305.0f);
    EXPECT_EQ(ship.tail[0].prevX, 304.0f);
    EXPECT_EQ(ship.orb.x, 340.0f);
    EXPECT_EQ(ship.orb.prevX, 340.0f);
    EXPECT_EQ(ship.pods[0].x, 310.0f);
    EXPECT_EQ(ship.pods[0].y, 230.0f);
    EXPECT_EQ(engine.shots.playerShots[0].x, 500.0f);
    EXPECT_EQ(engine.shots.playerShots[0].prevX, 500.0f);
    EXPECT_EQ(engine.shots.playerShots[0].circles[0].x, 500.0f);
    EXPECT_EQ(engine.shots.enemyShots[0].x, 200.0f);
    EXPECT_EQ(engine.shots.enemyShots[0].prevY, 60.0f);
}

} // namespace
