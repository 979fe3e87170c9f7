// The effect lists: emitter clocks and kinds, trail lifetimes and handles, impact sparks
// and distortion rings. No window: only the updates run.
#include "graphics/effects.hpp"
#include "core/random.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> spawnTicks;
int currentTick = 0;

void RecordSpawn(EffectEmitter&, const EffectScene&) { spawnTicks.push_back(currentTick); }

// Ticks (1-based) on which an emitter with this interval runs its spawn operation.
std::vector<int> SpawnTicksFor(int32_t interval, int ticks)
{
    spawnTicks.clear();
    EffectEmitter emitter;
    emitter.spawn = RecordSpawn;
    emitter.update = KindInfo(EmitterKind::WaterSplash).update;
    InitEmitter(emitter, 0.0f, 0.0f, 10, 10, interval);
    for (currentTick = 1; currentTick <= ticks; ++currentTick)
        TickEmitter(emitter, EffectScene{});
    return spawnTicks;
}

// Runs the list until it is empty or `limit` ticks pass; returns the ticks taken.
int TicksUntilEmpty(Effects& effects, const EffectScene& scene, int limit)
{
    for (int tick = 1; tick <= limit; ++tick) {
        TickEmitters(effects, scene);
        if (effects.effectEmitters.empty())
            return tick;
    }
    return -1;
}

TEST(EffectEmitters, TheClockSpawnsOnTheFirstTickThenEveryInterval)
{
    EXPECT_EQ(SpawnTicksFor(0, 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(SpawnTicksFor(1, 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(SpawnTicksFor(7, 16), (std::vector<int>{1, 8, 15}));
}

TEST(EffectEmitters, AWaterSplashThrowsFiveDropsAtOnceThatFadeInAboutTwentyFiveTicks)
{
    SeedRandom(1000);
    Effects effects;
    AddEmitter(effects, EmitterKind::WaterSplash, 100.0f, 200.0f);
    ASSERT_EQ(effects.effectEmitters.size(), 1u);
    const EffectEmitter& splash = effects.effectEmitters[0];
    EXPECT_EQ(splash.life, 75);
    TickEmitters(effects, EffectScene{});
    ASSERT_EQ(splash.particles.size(), 5u);
    for (const EffectParticle& p : splash.particles) {
        EXPECT_GE(p.x, 100.0f - 16.0f);
        EXPECT_LE(p.x, 100.0f + 15.0f);
        EXPECT_LE(p.y, 200.0f) << "drops rise";
    }
    int lastTick = 1;
    for (int tick = 2; tick <= 40 && !splash.particles.empty(); ++tick) {
        EXPECT_LE(splash.particles.size(), 5u) << "no second volley";
        TickEmitters(effects, EffectScene{});
        lastTick = tick;
    }
    EXPECT_TRUE(splash.particles.empty());
    EXPECT_GE(lastTick, 24);
    EXPECT_LE(lastTick, 26);
    // Its life never runs down: it waits, empty, for the next stage build.
    EXPECT_EQ(effects.effectEmitters.size(), 1u);
}

TEST(EffectEmitters, FlaresEmitByTheirClockAndLeaveOnceFaded)
{
    Effects effects;
    AddEmitter(effects, EmitterKind::BlueFlare, 0.0f, 0.0f);
    size_t most = 0;
    const int blueTicks = [&] {
        for (int tick = 1; tick <= 100; ++tick) {
            TickEmitters(effects, EffectScene{});
            if (effects.effectEmitters.empty())
                return tick;
            most = std::max(most, effects.effectEmitters[0].particles.size());
        }
        return -1;
    }();
    EXPECT_EQ(most, 1u) << "a blue flare emits once";
    EXPECT_GT(blueTicks, 20);

    AddEmitter(effects, EmitterKind::YellowFlare, 0.0f, 0.0f);
    std::vector<int> emitted;
    size_t before = 0;
    for (int tick = 1; tick <= 16; ++tick) {
        TickEmitters(effects, EffectScene{});
        const size_t now = effects.effectEmitters[0].particles.size();
        if (now > before)
            emitted.push_back(tick);
        before = now;
    }
    EXPECT_EQ(emitted, (std::vector<int>{1, 4, 7, 10, 13}));
    const int rest = TicksUntilEmpty(effects, EffectScene{}, 100);
    EXPECT_GT(rest, 0) << "removed once the last particle has faded";
}

TEST(EffectEmitters, ScreenFixedSparksRideTheCamera)
{
    Effects effects;
    AddEmitter(effects, EmitterKind::ShotSpark, 50.0f, 60.0f);
    EffectScene scene;
    scene.cameraDx = 1.0f;
    TickEmitters(effects, scene);
    const EffectEmitter& spark = effects.effectEmitters[0];
    ASSERT_EQ(spark.particles.size(), 1u);
    EXPECT_FLOAT_EQ(spark.particles[0].x, 51.0f);
    EXPECT_FLOAT_EQ(spark.particles[0].prevX, 51.0f);
    for (int tick = 0; tick < 30; ++tick)
        TickEmitters(effects, scene);
    EXPECT_TRUE(effects.effectEmitters[0].particles.empty()) << "alpha 0.05 per tick: gone within 20 ticks";
}

TEST(EffectEmitters, TheGatherRingFollowsTheShipForTwentySixVolleys)
{
    SeedRandom(1000);
    Effects effects;
    AddEmitter(effects, EmitterKind::GatherRing, 0.0f, 0.0f);
    EffectScene scene;
    scene.shipX = scene.shipPrevX = 300.0f;
    scene.shipY = scene.shipPrevY = 200.0f;
    int volleys = 0;
    size_t before = 0;
    for (int tick = 1; tick <= 40; ++tick) {
        TickEmitters(effects, scene);
        const EffectEmitter& ring = effects.effectEmitters[0];
        // Each volley adds five; particles only fade after ~30 ticks.
        if (ring.particles.size() >= before + 5)
            ++volleys;
        before = ring.particles.size();
    }
    EXPECT_EQ(volleys, 26);
    const EffectEmitter& ring = effects.effectEmitters[0];
    EXPECT_FLOAT_EQ(ring.x, 300.0f);
}

TEST(EffectEmitters, ADetonationFlareLightsOnceAndBubblesStopOutOfWater)
{
    Effects effects;
    AddEmitter(effects, EmitterKind::DetonationFlare, 0.0f, 0.0f);
    EffectScene scene;
    scene.shipX = 10.0f;
    for (int tick = 0; tick < 5; ++tick)
        TickEmitters(effects, scene);
    ASSERT_EQ(effects.effectEmitters[0].particles.size(), 1u);
    EXPECT_FLOAT_EQ(effects.effectEmitters[0].particles[0].angle, 5 * 15.5f);

    Effects water;
    AddEmitter(water, EmitterKind::Bubbles, 0.0f, 0.0f);
    scene.shipInWater = true;
    TickEmitters(water, scene);
    EXPECT_EQ(water.effectEmitters[0].particles.size(), 1u);
    EXPECT_EQ(water.effectEmitters[0].count, 4);
    scene.shipInWater = false;
    for (int tick = 0; tick < 30; ++tick)
        TickEmitters(water, scene);
    EXPECT_EQ(water.effectEmitters[0].count, 0);
    EXPECT_TRUE(water.effectEmitters[0].particles.empty());
}

Trail TestTrail(int32_t lifetime, int32_t interval)
{
    return StartTrail(100.0f, 100.0f, 1, TrailColour{1, 1, 1, 1}, TrailColour{0, 0, 0, 0}, lifetime, interval, 1.0f);
}

TEST(Trails, AStillOwnerAddsNoPointsButTheOldOnesFade)
{
    Trail trail = TestTrail(10, 0);
    ASSERT_EQ(trail.points.size(), 1u);
    // Moving: one new point per tick.
    for (int tick = 1; tick <= 3; ++tick) {
        MoveTrailEmitter(trail, 100.0f + 10.0f * static_cast<float>(tick), 100.0f);
        TickTrail(trail, 0.0f, 0.0f);
    }
    EXPECT_EQ(trail.points.size(), 4u);
    EXPECT_FLOAT_EQ(trail.points.front().x, 130.0f) << "the newest point rides on the emitter";
    const float oldAlpha = trail.points.back().alpha;
    for (int tick = 0; tick < 3; ++tick)
        TickTrail(trail, 0.0f, 0.0f);
    EXPECT_EQ(trail.points.size(), 4u);
    EXPECT_LT(trail.points.back().alpha, oldAlpha);
    EXPECT_FLOAT_EQ(trail.points.front().alpha, 0.9f) << "the pinned point stays one tick old";
}

TEST(Trails, AnEndedTrailExpiresWithinItsPointLifetime)
{
    Effects effects;
    TrailHandle handle = AddTrail(effects, TestTrail(30, 2));
    for (int tick = 1; tick <= 20; ++tick) {
        MoveTrailEmitter(*FindTrail(effects, handle), 100.0f + 5.0f * static_cast<float>(tick), 100.0f);
        TickTrails(effects, 1.0f, 0.0f);
    }
    ASSERT_GT(FindTrail(effects, handle)->points.size(), 2u);
    TrailHandle copy = handle;
    EndTrail(effects, handle);
    EXPECT_FALSE(handle) << "the owner lets go";
    int ticks = 0;
    while (!effects.trails.empty() && ticks < 100) {
        TickTrails(effects, 1.0f, 0.0f);
        ++ticks;
    }
    EXPECT_TRUE(effects.trails.empty());
    EXPECT_LE(ticks, 31);
    EXPECT_EQ(FindTrail(effects, copy), nullptr) << "a handle to a removed trail resolves to nothing";
}

TEST(Trails, HandlesNameOneTrailEvenAfterOthersGo)
{
    Effects effects;
    TrailHandle first = AddTrail(effects, TestTrail(2, 0));
    TrailHandle second = AddTrail(effects, TestTrail(50, 0));
    FindTrail(effects, second)->cell = 6;
    EndTrail(effects, first);
    for (int tick = 0; tick < 5; ++tick)
        TickTrails(effects, 0.0f, 0.0f);
    ASSERT_EQ(effects.trails.size(), 1u);
    ASSERT_NE(FindTrail(effects, second), nullptr);
    EXPECT_EQ(FindTrail(effects, second)->cell, 6);
    // A trail added later never takes a removed trail's name.
    TrailHandle third = AddTrail(effects, TestTrail(5, 0));
    EXPECT_NE(third.id, first.id);
    EXPECT_EQ(FindTrail(effects, TrailHandle{}), nullptr);
}

TEST(Trails, AClockJumpMovesTrailsWithTheWorld)
{
    Effects effects;
    TrailHandle handle = AddTrail(effects, TestTrail(20, 0));
    MoveTrailEmitter(*FindTrail(effects, handle), 120.0f, 100.0f);
    TickTrails(effects, 0.0f, 0.0f);
    ShiftTrails(effects, 1000.0f, -10.0f);
    const Trail& trail = *FindTrail(effects, handle);
    EXPECT_FLOAT_EQ(trail.emitterX, -880.0f);
    EXPECT_FLOAT_EQ(trail.prevEmitterY, 110.0f);
    ASSERT_EQ(trail.points.size(), 2u);
    EXPECT_FLOAT_EQ(trail.points.back().x, -900.0f);
    EXPECT_FLOAT_EQ(trail.points.back().prevY, 110.0f);
    // The owner keeps moving from where the world now is: no spurious point.
    MoveTrailEmitter(*FindTrail(effects, handle), -880.0f, 110.0f);
    TickTrails(effects, 0.0f, 0.0f);
    EXPECT_EQ(FindTrail(effects, handle)->points.size(), 2u);
}

TEST(ImpactSparks, LifetimesByStyle)
{
    Effects effects;
    AddImpactSpark(effects, 0.0f, 0.0f, 0, 16.0f);
    AddImpactSpark(effects, 0.0f, 0.0f, 2, 16.0f);
    AddImpactSpark(effects, 0.0f, 0.0f, 9, 16.0f);
    EXPECT_EQ(effects.impactSparks[2].style, 0) << "an unknown style draws as the splash";
    std::vector<size_t> counts;
    for (int tick = 1; tick <= 10; ++tick) {
        TickImpactSparks(effects);
        counts.push_back(effects.impactSparks.size());
    }
    EXPECT_EQ(counts[6], 3u);
    EXPECT_EQ(counts[7], 1u) << "style 0 is removed on its eighth tick";
    EXPECT_EQ(counts[8], 1u);
    EXPECT_EQ(counts[9], 0u) << "the tinted styles on their tenth";
}

TEST(DistortionRings, WeakenAndGrowUntilSpent)
{
    Effects effects;
    AddShockWave(effects, 320.0f, 240.0f, 12.0f, 10.0f);
    AdvanceShockWaves(effects);
    ASSERT_EQ(effects.shockWaves.size(), 1u);
    EXPECT_FLOAT_EQ(effects.shockWaves[0].intensity, 7.0f);
    EXPECT_FLOAT_EQ(effects.shockWaves[0].radius, 30.0f);
    AdvanceShockWaves(effects);
    AdvanceShockWaves(effects);
    EXPECT_TRUE(effects.shockWaves.empty());
}

TEST(Effects, ClearEmptiesEveryList)
{
    Effects effects;
    AddEmitter(effects, EmitterKind::WaterSplash, 0.0f, 0.0f);
    AddTrail(effects, TestTrail(5, 0));
    AddImpactSpark(effects, 0.0f, 0.0f, 1, 16.0f);
    AddShockWave(effects, 0.0f, 0.0f, 5.0f, 5.0f);
    ClearEffects(effects);
    EXPECT_TRUE(effects.effectEmitters.empty());
    EXPECT_TRUE(effects.trails.empty());
    EXPECT_TRUE(effects.impactSparks.empty());
    EXPECT_TRUE(effects.shockWaves.empty());
}

} // namespace
