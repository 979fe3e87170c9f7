#include "engine/frame_clock.hpp"
#include "core/process_flags.hpp"

#include <gtest/gtest.h>

namespace {
uint32_t fakeNow = 0;
uint32_t FakeTicks() { return fakeNow; }
} // namespace

TEST(FrameClock, FrameOf55MsRunsTwoTicksAndCarriesTheRest)
{
    fakeNow = 1000;
    FrameClock clock(&FakeTicks);
    clock.ResetClock();
    fakeNow += 55;
    clock.UpdateClock();
    float accumulator = clock.Delta();
    const float tick = 0.02f;
    int ticks = RunDueTicks(accumulator, tick, [] {}, [] { return false; });
    EXPECT_EQ(ticks, 2);
    EXPECT_NEAR(accumulator, 0.015f, 1e-6f);
    EXPECT_NEAR(accumulator / tick, 0.75f, 1e-5f);
}

TEST(FrameClock, TickLengthChangedByATickTakesEffectAtOnce)
{
    float accumulator = 0.1f;
    float tick = 0.02f;
    int ran = RunDueTicks(accumulator, tick, [&] { tick = 0.05f; }, [] { return false; });
    EXPECT_EQ(ran, 2); // 0.1 - 0.02 = 0.08 -> 0.03 < 0.05
}

TEST(FrameClock, FpsIsZeroInTheFirstSecondThenCountsFrames)
{
    fakeNow = 0;
    FrameClock clock(&FakeTicks);
    clock.ResetClock();
    for (int i = 0; i < 50; ++i) {
        fakeNow += 20;
        clock.UpdateClock();
        if (i < 49) {
            EXPECT_EQ(clock.FramesPerSecond(), 0);
        }
    }
    fakeNow += 20;
    clock.UpdateClock(); // 1.02 s > 1.0
    EXPECT_EQ(clock.FramesPerSecond(), 51);
    clock.ResetClock();
    EXPECT_EQ(clock.FramesPerSecond(), 0);
    EXPECT_EQ(clock.Elapsed(), 0.0f);
}

TEST(FrameClock, WrapOfTheMillisecondCounterGivesASmallPositiveDelta)
{
    fakeNow = 0xFFFFFFF0u;
    FrameClock clock(&FakeTicks);
    clock.ResetClock();
    fakeNow = 0x00000004u;
    clock.UpdateClock();
    EXPECT_NEAR(clock.Delta(), 0.020f, 1e-6f);
}

TEST(FrameClock, FixedStepAdvancesByExactlyOneTick)
{
    FrameClock clock(&FakeTicks);
    clock.SetFixedStep(true);
    clock.ResetClock();
    float accumulator = 0.0f;
    for (int frame = 0; frame < 100; ++frame) {
        clock.UpdateClock();
        accumulator += clock.Delta();
        EXPECT_EQ(RunDueTicks(accumulator, TickLength, [] {}, [] { return false; }), 1);
    }
}
