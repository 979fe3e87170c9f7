#include "world/entity_file.hpp"
#include "world/generator_queue.hpp"
#include "world/stage_world.hpp"
#include "world/furniture/time_manipulator.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

using namespace world_testing;

namespace {

class GeneratorTest : public ::testing::Test {
protected:
    Engine engine{Engine::Detached{}};
    StageWorld& world = engine.world;

    Generator& Place(int layer, uint32_t timeIndex, int32_t count, uint32_t delay, float x = 320.0f,
                     bool keep = false)
    {
        auto probe = std::make_shared<ProbeEntity>();
        probe->keepOnRestart = keep ? 1 : 0;
        Generator generator;
        generator.timeIndex = timeIndex;
        generator.count = count;
        generator.delay = delay;
        generator.tickCounter = delay;
        generator.layer = layer;
        generator.x = x;
        generator.y = 240.0f;
        generator.templateEntity = probe;
        world.generators[layer - 1].push_back(generator);
        return world.generators[layer - 1].back();
    }

    // One stage tick's generator work at the time index; returns the entities released.
    size_t Tick(uint32_t timeIndex)
    {
        size_t before = 0;
        for (const auto& list : world.entityLayers)
            before += list.size();
        ActivateAllDue(world, timeIndex);
        RunGenerators(world);
        size_t after = 0;
        for (const auto& list : world.entityLayers)
            after += list.size();
        return after - before;
    }

    std::vector<uint32_t> ReleaseTicks(uint32_t from, uint32_t to)
    {
        std::vector<uint32_t> ticks;
        for (uint32_t t = from; t <= to; ++t)
            for (size_t n = Tick(t); n > 0; --n)
                ticks.push_back(t);
        return ticks;
    }
};

TEST_F(GeneratorTest, ReleaseTimeline)
{
    Place(3, 1000, 3, 50);
    Place(2, 10, 1, 0);
    Place(4, 20, 3, 0);
    Place(1, 30, 2, 1);
    Place(1, 40, 0, 5);
    QueueGenerators(world, 0);
    EXPECT_EQ(world.generatorQueues[0].size(), 1u) << "count 0 never queues";
    EXPECT_EQ(ReleaseTicks(0, 1200), (std::vector<uint32_t>{10, 20, 21, 22, 30, 31, 1000, 1050, 1100}));
    EXPECT_TRUE(world.activeGenerators.empty());
    EXPECT_EQ(world.entityLayers[2].size(), 3u);
    EXPECT_EQ(world.entityLayers[2][0]->x, 320.0f);
    EXPECT_EQ(world.entityLayers[2][0]->layer, 3);
    EXPECT_EQ(world.entityLayers[2][0]->health, 1.0f) << "released copies are spawned";
}

TEST_F(GeneratorTest, ACountOfZeroLeavesTheActiveListOnItsFirstStep)
{
    Generator generator;
    generator.count = 0;
    world.activeGenerators.push_back(generator);
    RunGenerators(world);
    EXPECT_TRUE(world.activeGenerators.empty());
    generator.count = 1;
    generator.delay = 3;
    generator.tickCounter = 0;
    world.activeGenerators.push_back(generator);
    RunGenerators(world);
    EXPECT_EQ(world.activeGenerators[0].tickCounter, 1u);
}

TEST_F(GeneratorTest, OnlyTheFrontOfAQueueIsExaminedSoALaterGeneratorHoldsBackAnEarlierOne)
{
    Place(3, 500, 1, 0);
    Place(3, 100, 1, 0);
    QueueGenerators(world, 0);
    EXPECT_EQ(ReleaseTicks(0, 600), (std::vector<uint32_t>{500, 500}));
}

TEST_F(GeneratorTest, SameTimeIndexActivatesInListOrder)
{
    Place(3, 5, 1, 0, 100.0f);
    Place(3, 5, 1, 0, 200.0f);
    QueueGenerators(world, 0);
    ActivateAllDue(world, 5);
    ASSERT_EQ(world.activeGenerators.size(), 2u);
    EXPECT_EQ(world.activeGenerators[0].x, 100.0f);
    EXPECT_EQ(world.activeGenerators[1].x, 200.0f);
}

TEST_F(GeneratorTest, RestartDropsDueGeneratorsExceptKeptOnesInView)
{
    ScrollManipulator path;
    path.velocityX = 1.0f;
    world.scrollManipulators.push_back(path);
    Place(3, 100, 1, 0, 1000.0f + 300.0f, true);  // kept and in view at time 1000
    Place(3, 200, 1, 0, 1000.0f + 900.0f, true);  // kept but far out of view
    Place(3, 300, 1, 0, 1000.0f + 300.0f, false); // flies in: dropped
    Place(3, 1000, 1, 0, 1000.0f + 300.0f, false); // due exactly at the start: dropped
    Place(3, 1001, 1, 0, 1000.0f + 300.0f, false); // still to come
    Place(1, 100, 1, 0, 500.0f + 300.0f, true);    // layer 1 sees half the camera
    QueueGenerators(world, 1000);
    ASSERT_EQ(world.generatorQueues[2].size(), 2u);
    EXPECT_EQ(world.generatorQueues[2][0].timeIndex, 100u);
    EXPECT_EQ(world.generatorQueues[2][1].timeIndex, 1001u);
    ASSERT_EQ(world.generatorQueues[0].size(), 1u);
    EXPECT_EQ(Tick(1000), 2u) << "kept generators fire on the first tick";
    EXPECT_EQ(Tick(1001), 1u);
    EXPECT_EQ(world.generators[2].size(), 5u) << "the master list is untouched";
}

TEST_F(GeneratorTest, DroppingCopiesNeverDestroysTheTemplate)
{
    Generator& master = Place(3, 0, 1, 0);
    std::weak_ptr<Entity> watch = master.templateEntity;
    QueueGenerators(world, 0);
    ActivateAllDue(world, 0);
    world.activeGenerators.clear();
    for (auto& queue : world.generatorQueues)
        queue.clear();
    EXPECT_FALSE(watch.expired());
    world.generators[2].clear();
    EXPECT_TRUE(watch.expired());
}

class CameraTest : public ::testing::Test {
protected:
    Engine engine{Engine::Detached{}};
    StageWorld& world = engine.world;
};

TEST(CameraAtTimeTest, Cases)
{
    std::vector<ScrollManipulator> list;
    EXPECT_EQ(CameraAtTime(list, 100), (CameraPoint{0.0f, 0.0f}));
    ScrollManipulator steady;
    steady.velocityX = 1.0f;
    list.push_back(steady);
    EXPECT_EQ(CameraAtTime(list, 100), (CameraPoint{100.0f, 0.0f}));

    ScrollManipulator accelerating;
    accelerating.accelerationX = 0.5f;
    accelerating.accelerateTicks = 4;
    const std::vector<ScrollManipulator> one{accelerating};
    const float expected[] = {0.0f, 0.5f, 1.5f, 3.0f, 5.0f, 7.0f, 9.0f};
    for (uint32_t t = 0; t < 7; ++t)
        EXPECT_EQ(CameraAtTime(one, t).x, expected[t]) << "tick " << t;

    ScrollManipulator later;
    later.startTime = 300;
    later.positionX = 50.0f;
    later.positionY = 7.0f;
    later.velocityY = -1.0f;
    list.push_back(later);
    EXPECT_EQ(CameraAtTime(list, 299), (CameraPoint{299.0f, 0.0f}));
    EXPECT_EQ(CameraAtTime(list, 300), (CameraPoint{50.0f, 7.0f})) << "the camera may jump";
    EXPECT_EQ(CameraAtTime(list, 302), (CameraPoint{50.0f, 5.0f}));

    const std::vector<ScrollManipulator> startsLate{later};
    EXPECT_EQ(CameraAtTime(startsLate, 299), (CameraPoint{0.0f, 0.0f}));

    ScrollManipulator negativeTicks = accelerating;
    negativeTicks.accelerateTicks = -3;
    negativeTicks.velocityX = 2.0f;
    EXPECT_EQ(CameraAtTime({negativeTicks}, 10).x, 20.0f);
}

TEST(CameraAtTimeTest, FloatStepsAccumulateExactlyAsSteppedOneTickAtATime)
{
    ScrollManipulator m;
    m.positionY = 60.0f;
    m.velocityX = 1.0f;
    m.velocityY = -0.03f;
    m.accelerationY = 0.001f;
    m.accelerateTicks = 50;
    float vy = -0.03f, py = 60.0f;
    for (int i = 0; i < 50; ++i) {
        vy = vy + 0.001f;
        py = py + vy;
    }
    for (int i = 50; i < 2000; ++i)
        py = py + vy;
    EXPECT_EQ(CameraAtTime({m}, 2000).y, py);
}

TEST_F(CameraTest, StepAndStartCamera)
{
    ScrollManipulator m;
    m.velocityX = 2.0f;
    world.scrollManipulators.push_back(m);
    SetStartCamera(world, 10);
    EXPECT_EQ(world.camera, (CameraPoint{20.0f, 0.0f}));
    EXPECT_EQ(world.previousCamera, world.camera);
    StepCamera(world, 11);
    EXPECT_EQ(world.camera.x, 22.0f);
    EXPECT_EQ(world.previousCamera.x, 20.0f);
}

// Runs the stage's per-tick world steps from `from` until the clock has advanced `ticks`
// times; returns the time indices seen after each advance.
std::vector<uint32_t> RunClock(Engine& engine, int ticks)
{
    std::vector<uint32_t> seen;
    for (int i = 0; i < ticks; ++i) {
        ++engine.stateTicks;
        StepCamera(engine.world, engine.stateTicks);
        ActivateAllDue(engine.world, engine.stateTicks);
        RunGenerators(engine.world);
        UpdateEntityLists(engine.world);
        seen.push_back(engine.stateTicks);
    }
    return seen;
}

TEST_F(CameraTest, TimeManipulatorWithRepeatTwoJumpsTwiceAndKeepsTheScreenStill)
{
    ScrollManipulator m;
    m.velocityX = 1.0f;
    world.scrollManipulators.push_back(m);
    auto manipulator = std::make_shared<TimeManipulator>();
    manipulator->jumpToIndex = 1500;
    manipulator->repeat = 2;
    Generator generator;
    generator.timeIndex = 2000;
    generator.layer = 3;
    generator.templateEntity = manipulator;
    world.generators[2].push_back(generator);
    // A scenery object that stays on screen.
    auto rock = std::make_unique<ProbeEntity>();
    rock->Spawn(1995.0f + 320.0f, 240.0f);
    rock->drawOrder = 1;
    ProbeEntity* rockRaw = rock.get();
    AddEntity(world, std::move(rock), 3);

    engine.stateTicks = 1995;
    SetStartCamera(world, 1995);
    QueueGenerators(world, 1995);
    std::vector<uint32_t> seen = RunClock(engine, 5);
    // 1996..2000, and at the clock's 2000 back to 1500.
    EXPECT_EQ(seen.back(), 1500u);
    EXPECT_EQ(world.camera.x, 1500.0f);
    EXPECT_EQ(world.previousCamera.x, 1499.0f) << "the jump tick still moves by one tick";
    EXPECT_EQ(rockRaw->x - world.camera.x, 315.0f) << "the screen keeps its place";
    const std::vector<uint32_t> rest = RunClock(engine, 1015);
    seen.insert(seen.end(), rest.begin(), rest.end());
    EXPECT_EQ(seen[5], 1501u);
    EXPECT_EQ(seen[504], 1500u) << "second jump";
    EXPECT_EQ(seen[1004], 2000u) << "no third jump";
    EXPECT_EQ(seen[1005], 2001u);
    EXPECT_EQ(world.camera.x, 2015.0f);
    for (const auto& entity : world.entityLayers[2])
        EXPECT_EQ(dynamic_cast<TimeManipulator*>(entity.get()), nullptr) << "the manipulator is gone";
}

TEST_F(CameraTest, TimeManipulatorWithRepeatOneJumpsOnceAndInterpolationStaysSmooth)
{
    ScrollManipulator m;
    m.velocityX = 1.0f;
    world.scrollManipulators.push_back(m);
    TimeManipulator prototype;
    prototype.jumpToIndex = 100;
    prototype.repeat = 1;
    engine.stateTicks = 200;
    SetStartCamera(world, 199);
    StepCamera(world, 200);
    auto live = prototype.Clone();
    live->Spawn(0.0f, 0.0f);
    AddEntity(world, std::move(live), 3);
    UpdateEntityLists(world);
    EXPECT_EQ(engine.stateTicks, 100u);
    EXPECT_EQ(world.camera.x, 100.0f);
    EXPECT_EQ(world.previousCamera.x, 99.0f);
    UpdateEntityLists(world);
    EXPECT_TRUE(world.entityLayers[2].empty());
}

TEST_F(CameraTest, ATimeManipulatorIsNeverRemovedOffScreenNeverHitAndNeverChased)
{
    TimeManipulator t;
    EXPECT_EQ(t.repeat, 1);
    EXPECT_EQ(t.keepOnRestart, 0);
    t.Spawn(-5000.0f, 0.0f);
    t.layer = 3;
    t.UpdateActivation(0.0f, 0.0f);
    EXPECT_EQ(t.health, 1.0f);
    EXPECT_FALSE(t.HitTest({Circle{1000.0f, -5000.0f, 0.0f, 0, 0}}));
    float tx = 0.0f, ty = 0.0f;
    EXPECT_FALSE(t.GetTargetPoint(tx, ty)) << "homing shots ignore an invisible control object";
}

} // namespace
