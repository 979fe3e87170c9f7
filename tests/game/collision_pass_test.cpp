#include "play_test_support.hpp"

#include "engine/play/collision_pass.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace play_testing;

namespace {

// A straight shot that stays where it is put; its circle has radius 5.
void StillShot(Shot& shot, float x, float y, float, float)
{
    shot.x = shot.prevX = x;
    shot.y = shot.prevY = y;
    shot.circles = {Circle{5.0f, x, y, 0.0f, 0.0f}};
}

Shot& Fire(ShotList& list, float x, float y, float strength, ShotHitOp rule)
{
    FireShot(list, ShotKind{&StillShot, nullptr, nullptr}, x, y, 0.0f, 0.0f, 0.0f, strength);
    list.back().hit = rule;
    return list.back();
}

class CollisionPassTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        stage.Start();
        stage.UntilLaunched();
    }
    Player& Ship() { return stage.engine.player; }
    ShotLists& Shots() { return stage.engine.shots; }

    PlayStage stage;
};

} // namespace

TEST_F(CollisionPassTest, AShotIsHandedTheHealthTheEnemyHadAndCanGoOnToASecondEnemy)
{
    Target& first = stage.Place(3, std::make_unique<Target>(0.5f), 300.0f, 100.0f);
    Target& second = stage.Place(3, std::make_unique<Target>(2.0f), 300.0f, 100.0f);
    Shot& shot = Fire(Shots().playerShots, 300.0f, 100.0f, 1.0f, &AbsorbHit);
    RunCollisionPass(stage.engine);
    EXPECT_LE(first.health, 0.0f);
    EXPECT_FLOAT_EQ(second.health, 1.5f) << "what was left of the shot hit the second";
    EXPECT_FLOAT_EQ(shot.strength, -1.5f) << "0.5 left, then handed the second enemy's 2";
    EXPECT_TRUE(shot.dead);
}

TEST_F(CollisionPassTest, AShotThatHasJustDiedStillDamagesAFurtherEnemyInTheSamePass)
{
    Target& first = stage.Place(3, std::make_unique<Target>(8.0f), 300.0f, 100.0f);
    Target& second = stage.Place(3, std::make_unique<Target>(8.0f), 300.0f, 100.0f);
    Shot& burst = Fire(Shots().playerShots, 300.0f, 100.0f, 8.0f, &PierceHit);
    RunCollisionPass(stage.engine);
    EXPECT_TRUE(burst.dead);
    EXPECT_LE(first.health, 0.0f);
    ASSERT_EQ(second.damage.size(), 1u);
    EXPECT_FLOAT_EQ(second.damage[0], -1.0f) << "the spent burst's strength";
    stage.Tick();
    EXPECT_TRUE(Shots().playerShots.empty()) << "removed at the next update";
}

TEST_F(CollisionPassTest, EnemyShotsHitTheShipWithTheirStrengthAndAreHandedFive)
{
    Shot& shot = Fire(Shots().enemyShots, Ship().x - 4.0f, Ship().y, 3.0f, &AbsorbHit);
    RunCollisionPass(stage.engine);
    EXPECT_LE(Ship().health, 0.0f);
    EXPECT_TRUE(shot.dead) << "3 - 5 leaves nothing";
}

TEST_F(CollisionPassTest, NothingHitsTheShipDuringItsFlyInOrWhileItIsDying)
{
    PlayStage flying;
    flying.Start();
    flying.Tick(20);
    ASSERT_FALSE(flying.engine.player.launched);
    Fire(flying.engine.shots.enemyShots, flying.engine.player.x - 4.0f, flying.engine.player.y, 3.0f, &AbsorbHit);
    RunCollisionPass(flying.engine);
    EXPECT_FLOAT_EQ(flying.engine.player.health, 1.0f);

    Ship().Destroyed();
    stage.Tick();
    ASSERT_GT(Ship().DyingCounter, 0);
    Target& enemy = stage.Place(3, std::make_unique<Target>(5.0f), Ship().x, Ship().y);
    RunCollisionPass(stage.engine);
    EXPECT_TRUE(enemy.damage.empty());
}

TEST_F(CollisionPassTest, TheOrbWearsDownABulletOneStrengthPerTick)
{
    Ship().orb.Place(Ship().x + 60.0f, Ship().y);
    Shot& bullet = Fire(Shots().enemyShots, Ship().x + 100.0f, Ship().y, 3.0f, &AbsorbHit);
    for (int tick = 1; tick <= 3; ++tick) {
        SCOPED_TRACE(tick);
        EXPECT_FALSE(bullet.dead);
        RunCollisionPass(stage.engine);
    }
    EXPECT_TRUE(bullet.dead);
    EXPECT_FLOAT_EQ(Ship().health, 1.0f);
}

TEST_F(CollisionPassTest, TheTailOfTheThirdShipWearsDownEnemiesAndBullets)
{
    stage.engine.ship.ShipType = 2;
    stage.Start();
    stage.UntilLaunched();
    ASSERT_EQ(Ship().tail.size(), 10u);
    const TailSegment segment = Ship().tail.back();
    Target& enemy = stage.Place(3, std::make_unique<Target>(1.0f), segment.x, segment.y + 12.0f);
    RunCollisionPass(stage.engine);
    ASSERT_FALSE(enemy.damage.empty());
    EXPECT_FLOAT_EQ(enemy.damage.back(), 0.2f);
    EXPECT_TRUE(TouchesSegment({Circle{5.0f, segment.x + 9.0f, segment.y, 0.0f, 0.0f}}, segment.x, segment.y));
    EXPECT_FALSE(TouchesSegment({Circle{5.0f, segment.x + 11.0f, segment.y, 0.0f, 0.0f}}, segment.x, segment.y));

    // Where segments lie stacked, a bullet is worn down by one of them a tick, as by the orb.
    const Circle onTail{5.0f, segment.x, segment.y, 0.0f, 0.0f};
    ASSERT_GT(std::count_if(Ship().tail.begin(), Ship().tail.end(),
                            [&](const TailSegment& s) { return TouchesSegment({onTail}, s.x, s.y); }),
              1);
    Shot& bullet = Fire(Shots().enemyShots, segment.x, segment.y, 3.0f, &AbsorbHit);
    RunCollisionPass(stage.engine);
    EXPECT_FLOAT_EQ(bullet.strength, 2.0f);
}

TEST_F(CollisionPassTest, PickUpsTouchingTheShipAreCollectedAndDestroyed)
{
    auto missiles = std::make_unique<PowerUp>(8);
    missiles->Spawn(Ship().x, Ship().y);
    PowerUp& pickup = *missiles;
    stage.engine.world.pickups.push_back(std::move(missiles));
    RunCollisionPass(stage.engine);
    EXPECT_TRUE(Ship().missileEnabled);
    EXPECT_TRUE(Ship().missileKept);
    EXPECT_EQ(pickup.destroyedCalls, 1);
}

TEST_F(CollisionPassTest, NothingCollidesWhileTheEditorRecordsAPattern)
{
    Target& enemy = stage.Place(3, std::make_unique<Target>(5.0f), Ship().x, Ship().y);
    stage.engine.editor.recordingPattern = true;
    RunCollisionPass(stage.engine);
    stage.engine.editor.recordingPattern = false;
    EXPECT_TRUE(enemy.damage.empty());
    EXPECT_FLOAT_EQ(Ship().health, 1.0f);
}

TEST_F(CollisionPassTest, AnEnemyKilledByOneShotIsNotHitAgainInTheSamePass)
{
    Target& target = stage.Place(3, std::make_unique<Target>(1.0f), 300.0f, 100.0f);
    Fire(Shots().playerShots, 300.0f, 100.0f, 1.0f, &AbsorbHit);
    Shot& second = Fire(Shots().playerShots, 300.0f, 100.0f, 1.0f, &AbsorbHit);
    RunCollisionPass(stage.engine);
    EXPECT_EQ(target.damage.size(), 1u) << "the corpse takes no second blow";
    EXPECT_EQ(target.destroyedCalls, 1);
    EXPECT_FLOAT_EQ(second.strength, 1.0f) << "nor does it lend the shot its negative health";
    EXPECT_FALSE(second.dead);
}
