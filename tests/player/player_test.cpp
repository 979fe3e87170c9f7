#include "player/power_up.hpp"
#include "player/shot_kinds.hpp"
#include "game/entity_registry.hpp"
#include "world/stage_map.hpp"

#include "../game/play_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace play_testing;

namespace {

class ShipTest : public ::testing::Test {
protected:
    void Launch(int32_t shipType = 0)
    {
        stage.engine.ship.ShipType = shipType;
        stage.Start();
        stage.UntilLaunched();
        ASSERT_TRUE(Ship().launched);
    }
    Player& Ship() { return stage.engine.player; }
    ShotList& Shots() { return stage.engine.shots.playerShots; }
    InputState& Input() { return stage.engine.input; }
    // Holds a button for `ticks` ticks, then lets it go.
    void Hold(InputButton& button, int ticks)
    {
        stage.Press(button);
        stage.Tick(ticks);
        stage.Release(button);
    }

    PlayStage stage;
};

} // namespace

TEST_F(ShipTest, AFirePressReachesTheCannonOneTickLaterAndATapShorterThanATickFiresNothing)
{
    Launch();
    stage.Press(Input().FIRE);
    stage.Release(Input().FIRE); // down and up before the tick: the ship only sees the release
    stage.Tick(3);
    EXPECT_TRUE(Shots().empty());

    stage.Press(Input().FIRE);
    stage.Tick();
    EXPECT_TRUE(Shots().empty()) << "the press is copied after the ship's update";
    stage.Tick();
    ASSERT_EQ(Shots().size(), 1u);
    EXPECT_FLOAT_EQ(Shots()[0].vx, 12.0f);
    EXPECT_FLOAT_EQ(Shots()[0].strength, 1.0f);
}

TEST_F(ShipTest, AutofireFiresEveryTenTicksWhileFireIsUpAndHoldingChargesInstead)
{
    Launch();
    Input().autofire = true;
    stage.Tick(40);
    const size_t fired = Shots().size();
    EXPECT_GE(fired, 3u);
    EXPECT_LE(fired, 5u);
    Shots().clear();
    stage.Press(Input().FIRE);
    stage.Tick(30);
    EXPECT_LE(Shots().size(), 1u) << "held FIRE stops the cannon";
    EXPECT_GT(Ship().ForceCharge, 20);
}

TEST_F(ShipTest, HoldingFireFor301TicksReleasesTheForceByItself)
{
    Launch();
    stage.Press(Input().FIRE);
    stage.Tick(200);
    EXPECT_EQ(Ship().ForceCharge, 100);
    stage.Tick(103);
    EXPECT_EQ(Ship().ForceCharge, 0);
    bool burst = false;
    for (const Shot& shot : Shots())
        burst = burst || shot.strength == 15.0f;
    EXPECT_TRUE(burst) << "a full burst of strength 15";
}

TEST_F(ShipTest, TheSecondShipReleasingShortOfAFullChargeFiresNoForce)
{
    Launch(1);
    stage.Press(Input().FIRE);
    stage.Tick(3);
    // The ship sees the buttons a tick late: one more tick of holding makes 99, then the release.
    Ship().ForceCharge = 98;
    Shots().clear();
    stage.Release(Input().FIRE);
    stage.Tick();
    ASSERT_EQ(Ship().ForceCharge, 99);
    stage.Tick();
    EXPECT_EQ(Ship().ForceCharge, 0);
    EXPECT_TRUE(Shots().empty());
}

TEST_F(ShipTest, AShipAgainstTheScreenEdgeIsClampedBeforeItMoves)
{
    Launch();
    const float right = stage.engine.world.camera.x + 640.0f;
    Ship().x = right + 50.0f;
    Ship().vx = 3.0f;
    stage.Tick();
    const float cameraStep = 1.0f;
    EXPECT_FLOAT_EQ(Ship().x, right + cameraStep + 3.0f * 1.0f) << "clamped, then moved by its velocity";
}

TEST_F(ShipTest, KeptPowerUpsAreLostOnDeathOnlyOnExpertAndAlwaysKeptAfterAStageClear)
{
    for (int32_t difficulty : {0, 2}) {
        SCOPED_TRACE(difficulty);
        PlayStage fresh;
        fresh.engine.difficulty = difficulty;
        fresh.Start();
        fresh.UntilLaunched();
        Player& ship = fresh.engine.player;
        ship.CollectPowerUp(8);
        ship.CollectPowerUp(7);
        ship.Destroyed();
        fresh.Tick(151);
        fresh.UntilLaunched();
        EXPECT_EQ(ship.missileEnabled, difficulty < 2);
        EXPECT_EQ(ship.pods.size(), difficulty < 2 ? 1u : 0u);
    }
    PlayStage cleared;
    cleared.engine.difficulty = 2;
    cleared.Start();
    cleared.UntilLaunched();
    cleared.engine.player.CollectPowerUp(8);
    cleared.engine.player.StartStageClear();
    cleared.engine.BuildStageAt(0);
    cleared.UntilLaunched();
    EXPECT_TRUE(cleared.engine.player.missileEnabled);
    EXPECT_FALSE(cleared.engine.player.stageClear) << "the fly-out ends with the stage";
}

TEST_F(ShipTest, PodsStopAtTheirTypesMaximum)
{
    const size_t maxima[3] = {4, 2, 3};
    for (int32_t type = 0; type < 3; ++type) {
        SCOPED_TRACE(type);
        PlayStage fresh;
        fresh.engine.ship.gunPodType = type;
        fresh.Start();
        fresh.UntilLaunched();
        for (int i = 0; i < 6; ++i)
            fresh.engine.player.CollectPowerUp(7);
        EXPECT_EQ(fresh.engine.player.pods.size(), maxima[type]);
        EXPECT_EQ(fresh.engine.player.keptPodCount, static_cast<int32_t>(maxima[type]));
    }
}

TEST_F(ShipTest, TheOrbComesWithTheFirstWeaponAndLaterOnesOnlyChangeTheKind)
{
    Launch();
    EXPECT_FALSE(Ship().orb.present);
    Ship().CollectPowerUp(2);
    ASSERT_TRUE(Ship().orb.present);
    EXPECT_TRUE(Ship().orb.attached);
    Ship().orb.charge = 40;
    Ship().CollectPowerUp(0);
    EXPECT_EQ(Ship().orb.weaponKind, 0);
    EXPECT_EQ(Ship().orb.charge, 40);
    stage.Tick();
    EXPECT_FLOAT_EQ(Ship().orb.x, Ship().x + 40.0f) << "attached in front";
}

TEST_F(ShipTest, MagmaNeverChargesToAFullReleaseByHoldingFire)
{
    Launch();
    Ship().CollectPowerUp(5);
    stage.Press(Input().FIRE);
    stage.Tick(200);
    EXPECT_LT(Ship().orb.charge, 100);
    EXPECT_GE(Ship().orb.charge, 0);
}

TEST_F(ShipTest, ADetachedOrbCalledBackHomesAtSpeedTwoUntilItDocks)
{
    Launch();
    Ship().CollectPowerUp(0);
    stage.Tick();
    Ship().orb.Launch();
    ASSERT_FALSE(Ship().orb.attached);
    stage.Tick(20);
    Ship().orb.Recall();
    stage.Tick();
    const Orb& orb = Ship().orb;
    EXPECT_NEAR(std::sqrt(orb.vx * orb.vx + orb.vy * orb.vy), 2.0f, 1e-4f);
    stage.Tick(400);
    EXPECT_TRUE(Ship().orb.attached);
}

TEST_F(ShipTest, AnOrbInsideAWallCannotBeLaunched)
{
    Launch();
    Ship().CollectPowerUp(0);
    StageWorld& world = stage.engine.world;
    const int column = static_cast<int>(Ship().orb.x / 30.0f);
    const int row = static_cast<int>(Ship().orb.y / 30.0f);
    world.collisionPlane[static_cast<size_t>(row * world.mapWidth + column)] = SolidTile;
    Ship().orb.Launch();
    EXPECT_TRUE(Ship().orb.attached);
}

TEST_F(ShipTest, APowerUpIsLeftAloneDuringTheFlyInAndScoresFiftyEvenWhenNoPodFits)
{
    stage.Start();
    Player& ship = stage.engine.player;
    auto pod = std::make_unique<::PowerUp>(7);
    pod->Spawn(ship.x, ship.y);
    stage.engine.world.pickups.push_back(std::move(pod));
    stage.Tick(5);
    ASSERT_FALSE(ship.launched);
    EXPECT_EQ(stage.engine.world.pickups.size(), 1u) << "still there: the ship flies in untouchable";

    stage.engine.world.pickups.clear();
    stage.UntilLaunched();
    for (int i = 0; i < 4; ++i)
        ship.CollectPowerUp(7);
    auto extra = std::make_unique<::PowerUp>(7);
    extra->Spawn(ship.x, ship.y);
    stage.engine.world.pickups.push_back(std::move(extra));
    const int32_t score = stage.engine.score;
    stage.Tick();
    EXPECT_EQ(stage.engine.score, score + 50);
    EXPECT_EQ(ship.pods.size(), 4u);
    stage.Tick();
    EXPECT_TRUE(stage.engine.world.pickups.empty());
}

TEST(ShotKinds, EnemyBulletsFlyAtHalfSpeedOnRookieAndOneAndAHalfOnExpert)
{
    PlayStage stage;
    const float speeds[3] = {2.0f, 4.0f, 6.0f};
    for (int32_t difficulty = 0; difficulty < 3; ++difficulty) {
        stage.engine.difficulty = difficulty;
        ShotList list;
        FireShot(list, shots::EnemyBullet, 100.0f, 100.0f, -4.0f, 0.0f);
        EXPECT_FLOAT_EQ(list[0].vx, -speeds[difficulty]);
        EXPECT_FLOAT_EQ(list[0].strength, 3.0f);
    }
}

TEST(ShotKinds, AForceBurstsValuesFollowItsPower)
{
    PlayStage stage;
    const float powers[4] = {1.0f, 2.0f, 3.0f, 48.0f};
    const float radii[4] = {7.0f, 9.0f, 13.0f, 16.0f};
    const float strengths[4] = {2.0f, 4.0f, 8.0f, 15.0f};
    for (int i = 0; i < 4; ++i) {
        ShotList list;
        FireShot(list, shots::ForceBurst, 0.0f, 0.0f, 12.0f, 0.0f, 0.0f, powers[i]);
        ASSERT_EQ(list[0].circles.size(), 1u);
        EXPECT_FLOAT_EQ(list[0].circles[0].radius, radii[i]);
        EXPECT_FLOAT_EQ(list[0].strength, strengths[i]);
        EXPECT_EQ(list[0].hit, &PierceHit);
    }
}

TEST(ShotKinds, AShotLeavingTheScreenDiesSilentlyAndOneHittingAWallLeavesAFlash)
{
    PlayStage stage;
    stage.Start();
    Engine& engine = stage.engine;
    ShotList& list = engine.shots.playerShots;
    list.clear(); // the flash of the ship's speed setting at its spawn
    FireShot(list, shots::Cannon, engine.world.camera.x + 670.0f, 200.0f, 12.0f, 0.0f);
    const int column = static_cast<int>((engine.world.camera.x + 300.0f) / 30.0f);
    engine.world.collisionPlane[static_cast<size_t>(6 * engine.world.mapWidth + column)] = SolidTile;
    FireShot(list, shots::Cannon, static_cast<float>(column * 30) - 5.0f, 195.0f, 12.0f, 0.0f);
    engine.effects.impactSparks.clear();
    AdvanceShots(list, engine.effects);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(engine.effects.impactSparks.size(), 1u);
}

