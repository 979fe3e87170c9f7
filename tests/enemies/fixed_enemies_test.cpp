// The enemies that stay where they are placed: turrets, the retro thruster, the radar
// satellite and the growth.
#include "enemy_test_support.hpp"

#include "enemies/growth.hpp"
#include "enemies/radar_satellite.hpp"
#include "enemies/retro_thruster.hpp"
#include "enemies/super_turret.hpp"
#include "enemies/turret.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace enemy_testing;

TEST(Turret, OneHitKillsItOnRookieAndExpertNeedsTwo)
{
    for (int32_t difficulty : {0, 2}) {
        EnemyStage s(difficulty);
        Turret& turret = s.Spawn(std::make_unique<Turret>(), s.CameraX() + 300.0f, 400.0f);
        const int32_t score = s.stage.engine.score;
        turret.TakeDamage(1.0f);
        EXPECT_EQ(turret.health <= 0.0f, difficulty == 0) << difficulty;
        if (difficulty != 0)
            turret.TakeDamage(1.0f);
        EXPECT_LE(turret.health, 0.0f);
        EXPECT_EQ(s.stage.engine.score - score, Turret::Score);
        ASSERT_EQ(s.Explosions(), 2u);
        EXPECT_FLOAT_EQ(s.stage.engine.world.explosions[2][0].y, 416.0f) << "16 px below the mount's position";
        EXPECT_FLOAT_EQ(s.stage.engine.world.explosions[2][0].halfWidth, 48.0f);
    }
}

TEST(Turret, TheBarrelSweepsFromLeftThroughUpToRightAndMirrorsOnTheCeiling)
{
    EnemyStage s;
    Turret& floor = s.Spawn(std::make_unique<Turret>(), 300.0f, 300.0f);
    const float pivot = floor.PivotY();
    EXPECT_FLOAT_EQ(floor.AimCell(100.0f, pivot), 0.0f);
    EXPECT_NEAR(floor.AimCell(300.0f, pivot - 100.0f), 15.5f, 1e-4f);
    EXPECT_FLOAT_EQ(floor.AimCell(500.0f, pivot), 31.0f);
    EXPECT_FLOAT_EQ(floor.AimCell(100.0f, pivot + 50.0f), 0.0f) << "below the floor: rests at the near end";
    EXPECT_FLOAT_EQ(floor.AimCell(500.0f, pivot + 50.0f), 31.0f);
    auto hanging = std::make_unique<Turret>();
    hanging->upsideDown = 1;
    Turret& ceiling = s.Spawn(std::move(hanging), 300.0f, 300.0f);
    EXPECT_FLOAT_EQ(ceiling.y, 298.0f) << "upside down it sits 2 px higher";
    EXPECT_NEAR(ceiling.AimCell(300.0f, ceiling.PivotY() + 100.0f), 15.5f, 1e-4f);
}

TEST(Turret, TheBarrelTurnsAtMostSixTenthsOfACellATickAndItFiresEvery200To299)
{
    EnemyStage s;
    Turret& turret = s.Spawn(std::make_unique<Turret>(), s.CameraX() + 300.0f, 300.0f);
    s.ShipAt(s.CameraX() + 50.0f, turret.PivotY());
    EnemyStage::Step(turret);
    EXPECT_NEAR(turret.frame, 15.5f - 0.6f, 1e-5f);
    EnemyStage::Step(turret, 40);
    EXPECT_FLOAT_EQ(turret.frame, 0.0f);
    int shots = 0, lastShot = 0, ticks = 0;
    std::vector<int> gaps;
    for (; ticks < 1200; ++ticks) {
        EnemyStage::Step(turret);
        if (static_cast<int>(s.EnemyShots()) > shots) {
            shots = static_cast<int>(s.EnemyShots());
            if (lastShot)
                gaps.push_back(ticks - lastShot);
            lastShot = ticks;
        }
    }
    ASSERT_GE(gaps.size(), 2u);
    for (int gap : gaps) {
        EXPECT_GE(gap, 200);
        EXPECT_LE(gap, 299);
    }
}

TEST(SuperTurret, FiresBurstsOfFiveTenTicksApart)
{
    EnemyStage s(2);
    SuperTurret& turret = s.Spawn(std::make_unique<SuperTurret>(), s.CameraX() + 300.0f, 300.0f);
    s.ShipAt(s.CameraX() + 100.0f, 100.0f);
    turret.fireTimer = 1;
    std::vector<int> shotTicks;
    for (int t = 1; t <= 100; ++t) {
        const size_t before = s.EnemyShots();
        EnemyStage::Step(turret);
        if (s.EnemyShots() > before)
            shotTicks.push_back(t);
    }
    EXPECT_EQ(shotTicks, (std::vector<int>{1, 11, 21, 31, 41}));
    EXPECT_GE(turret.fireTimer, 200 - 59);
    EXPECT_FLOAT_EQ(turret.health, 2.0f) << "the same on every difficulty";
}

TEST(RetroThruster, FiresBurstsAlongItsRotationThreeOnRookieFiveAbove)
{
    for (int32_t difficulty : {0, 1}) {
        EnemyStage s(difficulty);
        auto made = std::make_unique<RetroThruster>();
        made->angle = 90.0f;
        RetroThruster& thruster = s.Spawn(std::move(made), s.CameraX() + 300.0f, 200.0f);
        EXPECT_FLOAT_EQ(thruster.angle, 90.0f) << "spawned already turned";
        EXPECT_FLOAT_EQ(thruster.health, difficulty == 0 ? 10.0f : 25.0f);
        thruster.fireTimer = 1;
        EnemyStage::Step(thruster, 60);
        const ShotList& shots = s.stage.engine.shots.enemyShots;
        ASSERT_EQ(shots.size(), difficulty == 0 ? 3u : 5u);
        for (const Shot& shot : shots) {
            EXPECT_NEAR(shot.vx, 0.0f, 1e-4f) << "straight down: the camera stands still";
            EXPECT_GT(shot.vy, 0.0f);
            EXPECT_NEAR(shot.x, thruster.x, 1e-3f);
        }
    }
}

TEST(RadarSatellite, TurnsTowardsTheShipSlowlyWhenNearlyFacingItAndSendsRings)
{
    for (int32_t difficulty : {0, 2}) {
        EnemyStage s(difficulty);
        RadarSatellite& radar = s.Spawn(std::make_unique<RadarSatellite>(), s.CameraX() + 300.0f, 240.0f);
        s.ShipAt(radar.x, radar.y + 200.0f); // straight below: 90 degrees
        EnemyStage::Step(radar);
        EXPECT_NEAR(radar.angle, 6.5f, 1e-4f) << "a quarter turn away: 6.5 x (1 - cos 90)";
        EnemyStage::Step(radar, 200);
        EXPECT_GT(radar.angle, 80.0f);
        EXPECT_LT(radar.angle, 90.0f) << "it closes in without overshooting";
        const float settled = radar.angle;
        EnemyStage::Step(radar);
        EXPECT_NEAR(radar.angle, settled, 0.05f) << "nearly facing the ship it barely moves";
        s.stage.engine.shots.enemyShots.clear();
        radar.fireTimer = 1;
        EnemyStage::Step(radar);
        EXPECT_EQ(s.EnemyShots(), difficulty == 0 ? 8u : 16u);
        radar.TakeDamage(radar.health);
        EXPECT_FLOAT_EQ(s.stage.engine.world.explosions[2].front().halfWidth, 96.0f);
    }
}

TEST(Growth, PulsesInSizeAndItsCircleAndBlastFollow)
{
    EnemyStage s;
    Growth& growth = s.Spawn(std::make_unique<Growth>(), s.CameraX() + 300.0f, 240.0f);
    float smallest = 10.0f, largest = 0.0f;
    for (int i = 0; i < 200; ++i) {
        EnemyStage::Step(growth);
        smallest = std::min(smallest, growth.Scale());
        largest = std::max(largest, growth.Scale());
        EXPECT_FLOAT_EQ(growth.circles[0].radius, 40.0f * growth.Scale());
    }
    EXPECT_LT(smallest, 0.85f);
    EXPECT_GT(largest, 1.15f);
    EnemyStage::Step(growth, 40 - (200 % 160)); // a quarter breath: at its largest
    const float scale = growth.Scale();
    growth.TakeDamage(20.0f);
    EXPECT_FLOAT_EQ(s.stage.engine.world.explosions[2].front().halfWidth, 96.0f * scale);
}
