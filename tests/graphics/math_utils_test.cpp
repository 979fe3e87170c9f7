#include "core/math_utils.hpp"
#include "core/random.hpp"

#include <gtest/gtest.h>

TEST(MathUtils, LerpRunsFromBToA)
{
    EXPECT_FLOAT_EQ(Lerp(10.0f, 20.0f, 1.0f), 10.0f);
    EXPECT_FLOAT_EQ(Lerp(10.0f, 20.0f, 0.0f), 20.0f);
    EXPECT_FLOAT_EQ(Lerp(10.0f, 20.0f, 0.25f), 17.5f);
}

TEST(MathUtils, TimedLerpNeverOvershootsEitherEnd)
{
    EXPECT_FLOAT_EQ(TimedLerp(5.0f, 1.0f, 0.0f, 10.0f, 20.0f), 1.0f);
    EXPECT_FLOAT_EQ(TimedLerp(5.0f, 1.0f, 0.0f, 10.0f, -5.0f), 5.0f);
    EXPECT_FLOAT_EQ(TimedLerp(1.0f, 5.0f, 10.0f, 10.0f, 15.0f), 3.0f);
    EXPECT_FLOAT_EQ(TimedLerp(1.0f, 5.0f, 10.0f, 10.0f, 100.0f), 5.0f);
}

TEST(MathUtils, ScaleAboutMovesBothCoordinates)
{
    const Vec2 p = ScaleAbout({30.0f, -10.0f}, {10.0f, 10.0f}, 2.0f);
    EXPECT_FLOAT_EQ(p.x, 50.0f);
    EXPECT_FLOAT_EQ(p.y, -30.0f);
}

TEST(MathUtils, AngleVectorsTurnClockwiseOnScreen)
{
    Vec2 forward, side;
    AngleVectors(0.0f, forward, side);
    EXPECT_FLOAT_EQ(forward.x, 1.0f);
    EXPECT_NEAR(forward.y, 0.0f, 1e-7);
    EXPECT_NEAR(side.x, 0.0f, 1e-7);
    EXPECT_FLOAT_EQ(side.y, 1.0f); // down the screen
    AngleVectors(90.0f, forward, side);
    EXPECT_NEAR(forward.x, 0.0f, 1e-7);
    EXPECT_FLOAT_EQ(forward.y, 1.0f);
    EXPECT_FLOAT_EQ(side.x, -1.0f);
    AngleVectors(-45.0f, forward, side);
    EXPECT_NEAR(forward.x * forward.x + forward.y * forward.y, 1.0f, 1e-6);
    EXPECT_LT(forward.y, 0.0f);
}

TEST(MathUtils, BezierPointHitsEndsAndBinomialMiddle)
{
    const Vec2 two[] = {{0, 0}, {10, 20}};
    const Vec2 three[] = {{0, 0}, {10, 20}, {20, 0}};
    const Vec2 four[] = {{0, 0}, {0, 30}, {30, 30}, {30, 0}};
    for (auto [points, n] : {std::pair{two, 2}, std::pair{three, 3}, std::pair{four, 4}}) {
        const Vec2 start = BezierPoint(points, n, 0.0f);
        const Vec2 end = BezierPoint(points, n, 1.0f);
        EXPECT_FLOAT_EQ(start.x, points[0].x) << n;
        EXPECT_FLOAT_EQ(start.y, points[0].y) << n;
        EXPECT_FLOAT_EQ(end.x, points[n - 1].x) << n;
        EXPECT_FLOAT_EQ(end.y, points[n - 1].y) << n;
    }
    const Vec2 mid2 = BezierPoint(two, 2, 0.5f);
    EXPECT_FLOAT_EQ(mid2.x, 5.0f);
    EXPECT_FLOAT_EQ(mid2.y, 10.0f);
    const Vec2 mid3 = BezierPoint(three, 3, 0.5f); // 0.25 p0 + 0.5 p1 + 0.25 p2
    EXPECT_FLOAT_EQ(mid3.x, 10.0f);
    EXPECT_FLOAT_EQ(mid3.y, 10.0f);
    const Vec2 mid4 = BezierPoint(four, 4, 0.5f); // (1, 3, 3, 1) / 8
    EXPECT_FLOAT_EQ(mid4.x, 15.0f);
    EXPECT_FLOAT_EQ(mid4.y, 22.5f);
}

TEST(Random, ParkMillerSequenceFromSeedOne)
{
    SeedRandom(1);
    EXPECT_EQ(Random(), 16807);
    EXPECT_EQ(Random(), static_cast<int32_t>(16807LL * 16807LL % 2147483647LL));
    EXPECT_EQ(RandomState(), 282475249);
}

TEST(Random, LargeStatesWrapWithoutOverflow)
{
    // The last state before the modulus: 16807 * (2^31 - 2) overflows 32 bits by far.
    SeedRandom(2147483646);
    EXPECT_EQ(Random(), static_cast<int32_t>(16807LL * 2147483646LL % 2147483647LL));
    SeedRandom(123456789);
    int64_t expected = 123456789;
    for (int i = 0; i < 1000; ++i) {
        expected = expected * 16807 % 2147483647;
        ASSERT_EQ(Random(), expected) << i;
    }
}
