// The graboid: buried until the ship comes within 250 pixels on the open side of its
// burrow, then a strike at 0.01 or 0.02 per tick, a hold, a retreat and a rest; thirty
// points of damage and 250 for the player.
#include "still_stage.hpp"

#include "enemies/graboid.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace enemy_testing;

namespace {

std::unique_ptr<Graboid> Burrow(bool down, bool sideways = false)
{
    auto graboid = std::make_unique<Graboid>();
    graboid->upOrDown = down ? 1 : 0;
    graboid->sideways = sideways ? 1 : 0;
    return graboid;
}

float Distance(float ax, float ay, float bx, float by) { return std::hypot(ax - bx, ay - by); }

} // namespace

TEST(GraboidTest, StrikesWhenTheShipComesWithin250PixelsOnItsOpenSideAndNotBefore)
{
    StillStage stage;
    stage.StartAndLaunch();
    const Player& ship = stage.engine.player;
    // Under the ship: a floor burrow 260 pixels down, out of reach.
    Graboid& far = stage.Place(3, Burrow(false), ship.x, ship.y + 260.0f);
    // A ceiling burrow 200 pixels over it.
    Graboid& near = stage.Place(3, Burrow(true), ship.x, ship.y - 200.0f);
    // A floor burrow over the ship: the ship is behind its surface.
    Graboid& behind = stage.Place(3, Burrow(false), ship.x + 40.0f, ship.y - 100.0f);
    // A wall burrow striking right, the ship 150 pixels to its right.
    Graboid& wall = stage.Place(3, Burrow(false, true), ship.x - 150.0f, ship.y);

    stage.Tick();
    EXPECT_EQ(near.phase, Graboid::Phase::Striking);
    EXPECT_EQ(wall.phase, Graboid::Phase::Striking);
    EXPECT_EQ(far.phase, Graboid::Phase::Buried);
    EXPECT_EQ(behind.phase, Graboid::Phase::Buried);

    stage.Tick(19);
    EXPECT_NEAR(near.reach, 0.2f, 1e-4f) << "0.01 per tick on Rookie";
    EXPECT_GT(near.y, near.mouthY + 10.0f) << "the head comes down at the ship";
    EXPECT_GT(wall.x, wall.mouthX + 10.0f) << "out of the wall towards the ship";
    EXPECT_FALSE(near.circles.empty()) << "out of the ground it can be hit";
    for (const Graboid* buried : {&far, &behind}) {
        EXPECT_EQ(buried->phase, Graboid::Phase::Buried);
        EXPECT_TRUE(buried->circles.empty()) << "a buried worm cannot be hit";
        EXPECT_FLOAT_EQ(buried->x, buried->mouthX);
        EXPECT_FLOAT_EQ(buried->y, buried->mouthY);
    }
    float tx = 0.0f, ty = 0.0f;
    EXPECT_FALSE(far.GetTargetPoint(tx, ty)) << "homing weapons ignore a buried worm";
    EXPECT_TRUE(near.GetTargetPoint(tx, ty));
}

TEST(GraboidTest, StrikesTwiceAsFastAboveRookie)
{
    StillStage stage;
    stage.engine.difficulty = 1;
    stage.StartAndLaunch();
    const Player& ship = stage.engine.player;
    Graboid& graboid = stage.Place(3, Burrow(true), ship.x, ship.y - 200.0f);
    stage.Tick(20);
    EXPECT_NEAR(graboid.reach, 0.4f, 1e-4f);
}

// Ticked alone against a ship that stands still: nothing bites back.
TEST(GraboidTest, ItsBodyEasesAlongTheStrikeThenItHoldsRetreatsAndRestsUnderground)
{
    Engine engine{Engine::Detached{}};
    engine.player.health = 1.0f;
    engine.player.x = 300.0f;
    engine.player.y = 100.0f;
    Graboid graboid;
    graboid.upOrDown = 0;
    graboid.layer = 3;
    graboid.Spawn(300.0f, 300.0f);
    ASSERT_EQ(graboid.body.size(), static_cast<size_t>(Graboid::Segments));

    graboid.Update();
    ASSERT_EQ(graboid.phase, Graboid::Phase::Striking);
    // The head's place is 0.01 of the way to the ship: it eases a quarter of the way there.
    EXPECT_NEAR(graboid.y, 300.0f - 0.25f * 0.01f * 200.0f, 1e-4f);
    int ticks = 1;
    while (graboid.phase == Graboid::Phase::Striking && ticks < 500) {
        graboid.Update();
        ++ticks;
    }
    EXPECT_GE(ticks, 100) << "fully out after 100 ticks at 0.01 (one more for the sum's rounding)";
    EXPECT_LE(ticks, 101);
    EXPECT_EQ(graboid.circles.size(), static_cast<size_t>(Graboid::Segments + 1));
    for (int i = 0; i < 30; ++i)
        graboid.Update();
    EXPECT_LT(Distance(graboid.x, graboid.y, 300.0f, 100.0f), 1.0f) << "the head reached the ship's point";
    for (size_t i = 1; i < graboid.body.size(); ++i)
        EXPECT_GT(graboid.body[i].y, graboid.body[i - 1].y) << "segments lie in order back to the mouth";
    EXPECT_LT(graboid.body.back().y, 300.0f);
    EXPECT_EQ(graboid.phase, Graboid::Phase::Retracting) << "after holding 30 ticks";

    ticks = 0;
    while (graboid.phase == Graboid::Phase::Retracting && ticks < 500) {
        graboid.Update();
        ++ticks;
    }
    EXPECT_GE(ticks, 50) << "back at twice the speed it struck";
    EXPECT_LT(ticks, 100);
    EXPECT_EQ(graboid.phase, Graboid::Phase::Buried);
    EXPECT_TRUE(graboid.circles.empty());
    for (int i = 0; i < 75; ++i)
        graboid.Update();
    EXPECT_EQ(graboid.phase, Graboid::Phase::Buried) << "resting";
    graboid.Update();
    EXPECT_EQ(graboid.phase, Graboid::Phase::Striking) << "and then strikes again";
}

TEST(GraboidTest, NeverStrikesThroughItsSurfaceOrBeyondItsReach)
{
    Engine engine{Engine::Detached{}};
    Graboid graboid;
    graboid.upOrDown = 1; // in a ceiling at y 100
    graboid.layer = 3;
    graboid.Spawn(300.0f, 100.0f);
    engine.player.health = 1.0f;
    engine.player.x = 300.0f;
    engine.player.y = 300.0f;
    graboid.Update();
    ASSERT_EQ(graboid.phase, Graboid::Phase::Striking);
    // The ship flies up over the ceiling, then far off to the side.
    engine.player.y = 50.0f;
    for (int i = 0; i < 40; ++i)
        graboid.Update();
    EXPECT_GT(graboid.aimY, 100.0f) << "still below the ceiling";
    engine.player.x = 900.0f;
    engine.player.y = 300.0f;
    graboid.Update();
    EXPECT_NEAR(Distance(graboid.aimX, graboid.aimY, 300.0f, 100.0f), Graboid::StrikeRange, 1e-3f);
}

TEST(GraboidTest, DiesToThirtyDamageAndPays250Once)
{
    StillStage stage;
    stage.StartAndLaunch();
    const Player& ship = stage.engine.player;
    Graboid& graboid = stage.Place(3, Burrow(true), ship.x, ship.y - 200.0f);
    stage.Tick(10);
    const int32_t score = stage.engine.score;
    graboid.TakeDamage(29.0f);
    EXPECT_GT(graboid.health, 0.0f);
    EXPECT_EQ(stage.engine.score, score);
    graboid.TakeDamage(1.0f);
    graboid.TakeDamage(1.0f);
    EXPECT_LE(graboid.health, 0.0f);
    EXPECT_EQ(stage.engine.score, score + Graboid::Score);
    EXPECT_EQ(stage.engine.world.explosions[2].size(), 2u * (Graboid::Segments + 1)) << "it bursts along its body";
}
