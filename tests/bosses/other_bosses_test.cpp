// The shared boss rules on the other bosses and the mid-bosses: the wide window of the
// approach, damage only through the weak point, health by difficulty, mid-bosses paying at
// once without ending the stage.
#include "boss_shots.hpp"

#include "engine/play/collision_pass.hpp"
#include "enemies/bosses/boss2.hpp"
#include "enemies/bosses/boss3.hpp"
#include "enemies/bosses/mid_boss1.hpp"
#include "enemies/bosses/mid_boss2.hpp"
#include "enemies/butterfly.hpp"
#include "player/shot_kinds.hpp"
#include "game/entity_registry.hpp"

#include <gtest/gtest.h>

#include <typeinfo>

using namespace enemy_testing;
using namespace boss_testing;

namespace {

// Moves the camera `step` pixels a tick and updates the entity, `count` times.
void ScrollTowards(EnemyStage& s, Entity& entity, float step, int count)
{
    StageWorld& world = s.stage.engine.world;
    for (int i = 0; i < count; ++i) {
        world.previousCamera = world.camera;
        world.camera.x += step;
        entity.Update();
    }
}



} // namespace

TEST(Bosses, AShotFlownAtAnOpenWeakPointReachesItPastTheArmour)
{
    EnemyStage s;
    Boss2& warden = s.Spawn(std::make_unique<Boss2>(), s.CameraX() + 500.0f, s.CameraY() + 240.0f);
    for (int i = 0; i < 100 && warden.iris != 3; ++i)
        EnemyStage::Step(warden);
    MidBoss1& gunship = s.Spawn(std::make_unique<MidBoss1>(), s.CameraX() + 500.0f, s.CameraY() + 100.0f);
    for (int i = 0; i < 200 && gunship.core != 3; ++i)
        EnemyStage::Step(gunship);
    Boss3& guardian = s.Spawn(std::make_unique<Boss3>(), 0.0f, 0.0f);
    guardian.x = s.CameraX() + 500.0f; // down from above the screen, where it waits
    guardian.y = s.CameraY() + 380.0f;
    EnemyStage::Step(guardian);
    s.ShipAt(s.CameraX() + 20.0f, s.CameraY() + 20.0f);
    for (Entity* boss : std::initializer_list<Entity*>{&warden, &gunship, &guardian}) {
        for (float dy : {-20.0f, 0.0f, 20.0f}) {
            const float before = boss->health;
            FlyShotAlong(s, boss->x, boss->y + dy);
            EXPECT_FLOAT_EQ(boss->health, before - 1.0f) << "a shot " << dy << " off the centre line of "
                                                          << typeid(*boss).name();
        }
    }
}

TEST(Bosses, ArmourSpendsEveryShotThatTouchesItEvenWhenTheBossIsNearlyDeadOrDying)
{
    EnemyStage s;
    s.ShipAt(s.CameraX() + 20.0f, s.CameraY() + 20.0f);
    Boss2& boss = s.Spawn(std::make_unique<Boss2>(), s.CameraX() + 400.0f, s.CameraY() + 240.0f);
    EnemyStage::Step(boss);
    ShotList& list = s.stage.engine.shots.playerShots;
    for (bool dying : {false, true}) {
        if (dying) {
            boss.Destroyed();
            ASSERT_EQ(boss.dying, 1);
        } else {
            boss.health = 2.0f;
        }
        list.clear();
        // A full force burst on the shell: stronger than what the boss has left.
        FireShot(list, shots::ForceBurst, boss.x + 20.0f, boss.y + 100.0f, 0.0f, 0.0f, 0.0f, 48.0f);
        const float health = boss.health;
        EnemyStage::Step(boss);
        EXPECT_TRUE(list.front().dead) << (dying ? "dying" : "nearly dead");
        EXPECT_FLOAT_EQ(boss.health, health) << "the shell took nothing";
    }
}

TEST(Bosses, ABossPlacedFarAheadLivesUntilTheCameraReachesItsWindow)
{
    EnemyStage s;
    Boss2& boss = s.Spawn(std::make_unique<Boss2>(), s.CameraX() + 1600.0f, s.CameraY() + 240.0f);
    Butterfly& other = s.Spawn(std::make_unique<Butterfly>(), 0.0f, s.CameraY() + 240.0f);
    other.x = boss.x; // an ordinary enemy as far out dies at once
    ScrollTowards(s, other, 0.0f, 1);
    EXPECT_LT(other.health, 0.0f);

    ScrollTowards(s, boss, 0.0f, 1);
    EXPECT_GT(boss.health, 0.0f);
    EXPECT_EQ(boss.active, 0);
    // Boss2 glides 1.5 px a tick and the camera comes 2 px a tick: the gap closes 3.5 a tick.
    int ticks = 0;
    while (!boss.active && ticks < 400) {
        ScrollTowards(s, boss, 2.0f, 1);
        ++ticks;
        ASSERT_GT(boss.health, 0.0f) << "alive on the approach, tick " << ticks;
    }
    EXPECT_TRUE(boss.active);
    EXPECT_LT(boss.x - s.CameraX(), 1152.0f);
    EXPECT_GT(boss.x - s.CameraX(), 1140.0f) << "active as soon as it is inside";

    // Once active, a boss left behind beyond its window is removed.
    s.stage.engine.world.camera.x = boss.x + 2030.0f;
    s.stage.engine.world.previousCamera = s.stage.engine.world.camera;
    boss.Update();
    EXPECT_LT(boss.health, 0.0f);
}

TEST(Bosses, BeyondTheOuterBoxEvenAnInactiveBossIsRemoved)
{
    EnemyStage s;
    Boss2& boss = s.Spawn(std::make_unique<Boss2>(), s.CameraX() + 1700.0f, s.CameraY() + 240.0f);
    boss.Update();
    EXPECT_LT(boss.health, 0.0f);
}

TEST(Bosses, HealthByDifficulty)
{
    struct Row {
        int32_t type;
        float health[3];
    };
    const Row rows[] = {{20, {150, 150, 200}}, {30, {100, 100, 150}}, {19, {100, 100, 100}}, {22, {1000, 1000, 1000}}};
    for (int32_t difficulty : {0, 1, 2}) {
        EnemyStage s(difficulty);
        for (const Row& row : rows) {
            Entity& boss = s.Spawn(CreateEntity(row.type), s.CameraX() + 500.0f, s.CameraY() + 240.0f);
            EXPECT_FLOAT_EQ(boss.health, row.health[difficulty]) << row.type << " on " << difficulty;
        }
    }
}

TEST(Bosses, ShotsAwayFromTheWeakPointOrAtAShutOneAreSpentWithoutDamage)
{
    EnemyStage s;
    s.ShipAt(s.CameraX() + 20.0f, s.CameraY() + 20.0f);
    Boss2& boss = s.Spawn(std::make_unique<Boss2>(), s.CameraX() + 400.0f, s.CameraY() + 240.0f);
    EnemyStage::Step(boss);
    EXPECT_EQ(boss.iris, 0);
    Shot& shut = ShootAt(s, boss.x, boss.y);
    EXPECT_TRUE(shut.dead);
    EXPECT_FLOAT_EQ(boss.health, 150.0f) << "the iris is shut";

    for (int i = 0; i < 40 && boss.iris != 3; ++i)
        EnemyStage::Step(boss);
    ASSERT_EQ(boss.iris, 3) << "it opens once it has arrived";
    Shot& shell = ShootAt(s, boss.x + 20.0f, boss.y + 100.0f);
    EXPECT_TRUE(shell.dead);
    EXPECT_FLOAT_EQ(boss.health, 150.0f) << "the shell takes nothing";
    Shot& core = ShootAt(s, boss.x - 115.0f, boss.y);
    EXPECT_TRUE(core.dead);
    EXPECT_FLOAT_EQ(boss.health, 149.0f);
    EXPECT_EQ(boss.hitFlash, 1);
}

TEST(Bosses, TheSecondBossGlidesInToStandFiveHundredFortyRightOfTheCameraThenSpinsInItsTurn)
{
    EnemyStage s(1);
    s.ShipAt(s.CameraX() + 100.0f, s.CameraY() + 240.0f);
    Boss2& boss = s.Spawn(std::make_unique<Boss2>(), s.CameraX() + 700.0f, s.CameraY() + 240.0f);
    EnemyStage::Step(boss, 120);
    EXPECT_EQ(boss.phase, Boss2::Volleys);
    EXPECT_LE(boss.x - s.CameraX(), 540.0f);
    EXPECT_GT(boss.x - s.CameraX(), 536.0f);
    EnemyStage::Step(boss, 480);
    EXPECT_EQ(boss.phase, Boss2::Spinning);
    const float before = boss.angle;
    EnemyStage::Step(boss);
    EXPECT_FLOAT_EQ(boss.angle - before, 2.0f);
    EXPECT_LT(boss.iris, 3) << "shutting while it spins";
}

TEST(Bosses, TheSecondBossSpinsSilentlyOnRookieAndFiresOnNoviceAndExpert)
{
    for (int32_t difficulty : {0, 1, 2}) {
        EnemyStage s(difficulty);
        s.ShipAt(s.CameraX() + 100.0f, s.CameraY() + 240.0f);
        Boss2& boss = s.Spawn(std::make_unique<Boss2>(), s.CameraX() + 540.0f, s.CameraY() + 240.0f);
        for (int i = 0; i < 600 && boss.phase != Boss2::Spinning; ++i)
            EnemyStage::Step(boss);
        ASSERT_EQ(boss.phase, Boss2::Spinning);
        s.stage.engine.shots.enemyShots.clear();
        EnemyStage::Step(boss, 100);
        EXPECT_EQ(s.EnemyShots() > 0, difficulty != 0) << difficulty;
    }
}

TEST(Bosses, TheThirdBossTakesItsPlaceFromTheCameraAndKeepsToTheScreen)
{
    EnemyStage s(2);
    s.ShipAt(s.CameraX() + 100.0f, s.CameraY() + 240.0f);
    Boss3& boss = s.Spawn(std::make_unique<Boss3>(), 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(boss.x, s.CameraX() + 600.0f);
    EXPECT_FLOAT_EQ(boss.y, s.CameraY() - 128.0f);
    EnemyStage::Step(boss, 99);
    EXPECT_FLOAT_EQ(boss.y, s.CameraY() - 128.0f) << "it waits until tick 100";
    bool charged = false;
    for (int i = 0; i < 3000; ++i) {
        EnemyStage::Step(boss);
        if (boss.phase == Boss3::Dropping)
            continue;
        ASSERT_GT(boss.y, s.CameraY()) << i;
        ASSERT_LT(boss.y, s.CameraY() + 480.0f) << i;
        ASSERT_LT(boss.x, s.CameraX() + 640.0f) << i;
        charged = charged || boss.phase == Boss3::Charging;
    }
    EXPECT_TRUE(charged);
    EXPECT_GT(s.EnemyShots(), 0u);
}

TEST(Bosses, MidBossesPayAtOnceAndLeaveTheStageRunning)
{
    for (int32_t type : {19, 22}) {
        EnemyStage s;
        Entity& boss = s.Spawn(CreateEntity(type), s.CameraX() + 500.0f, s.CameraY() + 240.0f);
        const int32_t before = s.stage.engine.score;
        if (auto* first = dynamic_cast<MidBoss1*>(&boss))
            first->vulnerable = 1;
        if (auto* second = dynamic_cast<MidBoss2*>(&boss))
            second->vulnerable = 1;
        boss.TakeDamage(boss.health);
        EXPECT_EQ(s.stage.engine.score - before, 500) << type;
        EXPECT_GT(boss.health, 0.0f) << "it stays for its death";
        EnemyStage::Step(boss, 100);
        EXPECT_LT(boss.health, 0.0f) << type;
        EXPECT_EQ(s.stage.engine.score - before, 500);
        EXPECT_FALSE(s.stage.engine.player.stageClear);
    }
}

// What a Mk I lands at best: a full-force burst and the cannon shot that starts its charge,
// once in 54 ticks. Through the claw beast's open eye, in the swings before it swims off,
// that brings its thousand points down on every difficulty.
TEST(Bosses, TheClawBeastFallsToAMkIsFullBurstsBeforeItSwimsOff)
{
    for (int32_t difficulty : {0, 1, 2}) {
        EnemyStage s(difficulty);
        s.ShipAt(s.CameraX() + 100.0f, s.CameraY() + 440.0f);
        MidBoss2& beast = s.Spawn(std::make_unique<MidBoss2>(), s.CameraX() + 500.0f, s.CameraY() + 240.0f);
        ShotList& list = s.stage.engine.shots.playerShots;
        for (int tick = 1; beast.phase < 3 && !beast.dying && tick < 2000; ++tick) {
            EnemyStage::Step(beast);
            if (tick % 54 != 0 || !beast.WeakPointOpen())
                continue;
            list.clear();
            FireShot(list, shots::ForceBurst, beast.x, beast.y, 0.0f, 0.0f, 0.0f, 48.0f);
            FireShot(list, shots::Cannon, beast.x, beast.y, 0.0f, 0.0f);
            RunCollisionPass(s.stage.engine);
        }
        EXPECT_TRUE(beast.dying) << "difficulty " << difficulty << ": " << beast.health << " left";
    }
}

// The mid-bosses' bullets leave their guns in a green flare, one for each bullet.
TEST(Bosses, MidBossBulletsLeaveInAGreenFlare)
{
    for (int32_t type : {19, 22}) {
        EnemyStage s;
        Engine& engine = s.stage.engine;
        Entity& boss = s.Spawn(CreateEntity(type), s.CameraX() + 500.0f, s.CameraY() + 240.0f);
        for (int tick = 0; tick < 600 && engine.shots.enemyShots.empty(); ++tick)
            EnemyStage::Step(boss, 1);
        ASSERT_FALSE(engine.shots.enemyShots.empty()) << type << " fired within ten seconds";
        size_t flares = 0;
        for (const EffectEmitter& emitter : engine.effects.effectEmitters)
            if (emitter.spawn == KindInfo(EmitterKind::GreenFlare).spawn)
                ++flares;
        EXPECT_EQ(flares, engine.shots.enemyShots.size()) << type;
    }
}
