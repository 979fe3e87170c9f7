#include "play_test_support.hpp"

#include "core/process_flags.hpp"
#include "game/game_flow_globals.hpp"
#include "core/random.hpp"
#include "player/shot_kinds.hpp"
#include "world/stage_map.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

using namespace play_testing;

namespace {

struct DemoModeGuard {
    explicit DemoModeGuard(bool on) { demoMode = on; }
    ~DemoModeGuard() { demoMode = false; }
};

// The random draws and generator state of a build at the time index, 30 ticks on.
std::vector<int32_t> DrawsAfterBuild(PlayStage& stage, uint32_t timeIndex)
{
    stage.Start(timeIndex);
    EXPECT_EQ(RandomState(), 1000) << "every build reseeds with 1000";
    stage.Tick(30);
    std::vector<int32_t> draws;
    for (const auto& entity : stage.Layer(3))
        if (const auto* target = dynamic_cast<const Target*>(entity.get()))
            draws.insert(draws.end(), target->draws.begin(), target->draws.end());
    draws.push_back(RandomState());
    return draws;
}

} // namespace

TEST(PlayLoop, ARebuildAtATimeIndexReplaysTheSameRandomSequence)
{
    PlayStage stage;
    stage.AddGenerator(3, 505, 900.0f, 200.0f, std::make_shared<Target>());
    stage.AddGenerator(3, 510, 950.0f, 300.0f, std::make_shared<Target>());
    const std::vector<int32_t> first = DrawsAfterBuild(stage, 500);
    SeedRandom(77); // whatever ran in between
    const std::vector<int32_t> second = DrawsAfterBuild(stage, 500);
    ASSERT_GT(first.size(), 40u) << "both entities were released and drew numbers";
    EXPECT_EQ(first, second);
}

TEST(PlayLoop, TheTimeIndexDrivesTheCameraAndTheGenerators)
{
    PlayStage stage;
    stage.AddGenerator(3, 20, 700.0f, 200.0f, std::make_shared<Target>());
    stage.Start(10);
    EXPECT_FLOAT_EQ(stage.engine.world.camera.x, 10.0f);
    stage.Tick(9);
    EXPECT_TRUE(stage.Layer(3).empty());
    stage.Tick();
    EXPECT_EQ(stage.engine.stateTicks, 20u);
    EXPECT_FLOAT_EQ(stage.engine.world.camera.x, 20.0f);
    EXPECT_FLOAT_EQ(stage.engine.world.previousCamera.x, 19.0f);
    ASSERT_EQ(stage.Layer(3).size(), 1u) << "released on the tick the clock reaches its time";
}

TEST(PlayLoop, PauseFreezesTheWorldAndResumeContinuesOnTheSameTick)
{
    PlayStage stage;
    Engine& engine = stage.engine;
    stage.Start();
    stage.Tick(60);
    Target& target = stage.Place(3, std::make_unique<Target>(), 300.0f, 200.0f);
    stage.Press(engine.input.PAUSE);
    stage.Tick();
    ASSERT_TRUE(engine.paused);
    const uint32_t frozenAt = engine.stateTicks;
    const size_t draws = target.draws.size();
    const float shipX = engine.player.x;
    stage.Release(engine.input.PAUSE);
    stage.Tick(40);
    EXPECT_EQ(engine.stateTicks, frozenAt);
    EXPECT_EQ(target.draws.size(), draws);
    EXPECT_FLOAT_EQ(engine.player.x, shipX);

    // DOWN selects QUIT, UP goes back (no wrap-around), Select on RESUME resumes.
    stage.Press(engine.input.DOWN);
    stage.Tick();
    EXPECT_EQ(engine.menuSelection, 1);
    stage.Release(engine.input.DOWN);
    stage.Press(engine.input.MenuDown);
    stage.Tick();
    EXPECT_EQ(engine.menuSelection, 1);
    stage.Release(engine.input.MenuDown);
    stage.Press(engine.input.UP);
    stage.Tick();
    EXPECT_EQ(engine.menuSelection, 0);
    stage.Release(engine.input.UP);
    stage.Tick();
    stage.Press(engine.input.Select);
    stage.Tick();
    EXPECT_FALSE(engine.paused);
    EXPECT_EQ(engine.stateTicks, frozenAt) << "the tick of the resume is still a pause tick";
    stage.Release(engine.input.Select);
    stage.Tick();
    EXPECT_EQ(engine.stateTicks, frozenAt + 1);
}

TEST(PlayLoop, QuitInThePauseMenuFadesToWhiteAndReturnsToTheTitle)
{
    PlayStage stage;
    Engine& engine = stage.engine;
    stage.Start();
    stage.Tick(60);
    stage.Press(engine.input.Escape);
    stage.Tick();
    ASSERT_TRUE(engine.paused);
    stage.Release(engine.input.Escape);
    stage.Press(engine.input.MenuDown);
    stage.Tick();
    stage.Release(engine.input.MenuDown);
    stage.Press(engine.input.FIRE);
    stage.Tick();
    EXPECT_FALSE(engine.acceptInput);
    ASSERT_FALSE(engine.fades.empty());
    EXPECT_EQ(engine.fades.back().toColour, FadeWhite);
    EXPECT_EQ(engine.fades.back().duration, 25);
    EXPECT_EQ(engine.fades.back().onDone, &Engine::EnterTitle);
}

TEST(PlayLoop, TheStageMusicOfARestartAtTimeIndex1000StartsTwentySecondsIn)
{
    PlayStage stage;
    stage.Start(1000);
    EXPECT_EQ(stage.engine.music.requestedSeconds, 20);
    stage.Start(1049);
    EXPECT_EQ(stage.engine.music.requestedSeconds, 20) << "whole seconds, rounded down";
    stage.Start(0);
    EXPECT_EQ(stage.engine.music.requestedSeconds, 0);
}

TEST(PlayLoop, TheShipActsOnTheButtonsOfThePreviousTick)
{
    PlayStage stage;
    Engine& engine = stage.engine;
    stage.Start();
    stage.UntilLaunched();
    ASSERT_TRUE(engine.player.launched);
    stage.Press(engine.input.DOWN);
    stage.Tick();
    EXPECT_FLOAT_EQ(engine.player.vy, 0.0f) << "the press is copied after the ship's update";
    EXPECT_EQ(engine.player.control.controls.DOWN, static_cast<uint8_t>(ButtonState::JustPressed));
    stage.Tick();
    EXPECT_EQ(engine.player.control.controls.DOWN, static_cast<uint8_t>(ButtonState::Held));
    EXPECT_FLOAT_EQ(engine.player.vy, 0.0f) << "steering reads held buttons only";
    stage.Tick();
    EXPECT_GT(engine.player.vy, 0.0f);
}

TEST(PlayLoop, TheDifficultySetsTheTickLengthAndTheContinues)
{
    PlayStage stage;
    const float lengths[] = {0.021f, 0.02f, 0.0175f};
    const int32_t continues[] = {5, 3, 1};
    for (int32_t difficulty = 0; difficulty < 3; ++difficulty) {
        stage.engine.difficulty = difficulty;
        stage.Start();
        EXPECT_FLOAT_EQ(TickLength, lengths[difficulty]);
        EXPECT_EQ(stage.engine.continues, continues[difficulty]);
        EXPECT_EQ(stage.engine.lives, 3);
    }
    TickLength = DefaultTickLength;
}

TEST(PlayLoop, ADeathCostsALifeAfterFiftyTicksAndRebuildsAtTheCheckpoint)
{
    PlayStage stage;
    Engine& engine = stage.engine;
    stage.Start();
    stage.UntilLaunched();
    stage.Tick(300);
    engine.checkpointTime = 200;
    engine.checkpointHeight = 150.0f;
    engine.score = 1234;
    engine.player.Destroyed();
    const uint32_t diedAt = engine.stateTicks;
    stage.Tick(49);
    EXPECT_EQ(engine.lives, 3);
    stage.Tick();
    EXPECT_EQ(engine.lives, 2);
    EXPECT_EQ(engine.fades.back().duration, 101);
    stage.Tick(100);
    EXPECT_EQ(engine.stateTicks, diedAt + 150) << "the world runs on while the ship is down";
    stage.Tick();
    EXPECT_EQ(engine.stateTicks, 200u) << "rebuilt at the checkpoint";
    EXPECT_EQ(engine.score, 1234);
    EXPECT_GT(engine.player.health, 0.0f);
    EXPECT_FLOAT_EQ(engine.player.y, 150.0f) << "at the checkpoint's height";
    EXPECT_FLOAT_EQ(engine.player.x, engine.world.camera.x - 128.0f);
    EXPECT_FALSE(engine.player.launched);
}

TEST(PlayLoop, ACollisionWithAnEnemyOfHealthFiveCostsItOneAndKillsTheShip)
{
    PlayStage stage;
    Engine& engine = stage.engine;
    stage.Start();
    stage.UntilLaunched();
    Player& ship = engine.player;
    Target& enemy = stage.Place(3, std::make_unique<Target>(5.0f), ship.x + 2.0f, ship.y);
    stage.Tick();
    ASSERT_EQ(enemy.damage.size(), 1u);
    EXPECT_FLOAT_EQ(enemy.damage[0], 1.0f);
    EXPECT_FLOAT_EQ(enemy.health, 4.0f);
    EXPECT_LE(ship.health, 0.0f);
    stage.Tick(5);
    EXPECT_EQ(enemy.damage.size(), 1u) << "a dying ship is not hit again";
}

TEST(PlayLoop, ANewGameStartsFromNothingAndALifeStartsItsAgeAfresh)
{
    PlayStage stage;
    Engine& engine = stage.engine;
    engine.score = 2500;
    engine.player.missileKept = true;
    stage.Start();
    EXPECT_EQ(engine.score, 0) << "a demo's or an earlier game's points are not this game's";
    stage.Tick(37);
    EXPECT_GT(engine.player.age, 0);
    engine.player.Spawn(engine.world.camera.x + 320.0f, 240.0f);
    EXPECT_EQ(engine.player.age, 0) << "the bubbles' random draws follow the age";
}

TEST(PlayLoop, AShipLostInADemoEndsItAtTheEndOfTheTick)
{
    DemoModeGuard demo(true);
    PlayStage stage;
    Engine& engine = stage.engine;
    stage.Start();
    stage.UntilLaunched();
    Player& ship = engine.player;
    stage.Place(3, std::make_unique<Target>(5.0f), ship.x + 2.0f, ship.y);
    stage.Tick();
    EXPECT_LE(ship.health, 0.0f);
    EXPECT_TRUE(engine.gameOverFade) << "the game over began in the tick the ship was lost";
    EXPECT_FALSE(demoShipLost);
}

TEST(PlayLoop, LosingTheLastLifeFreezesTheWorldThenOffersTheContinue)
{
    PlayStage stage;
    Engine& engine = stage.engine;
    stage.Start();
    stage.UntilLaunched();
    engine.lives = 1;
    Target& enemy = stage.Place(3, std::make_unique<Target>(), engine.player.x + 200.0f, engine.player.y);
    engine.player.Destroyed();
    stage.Tick(50);
    ASSERT_TRUE(engine.gameOverFade);
    EXPECT_EQ(engine.lives, 0);
    const uint32_t frozenAt = engine.stateTicks;
    const size_t draws = enemy.draws.size();
    // 0.01 a tick in single precision: a hundred steps stop just short of 1.
    stage.Tick(100);
    EXPECT_EQ(engine.stateTicks, frozenAt);
    EXPECT_EQ(enemy.draws.size(), draws);
    EXPECT_TRUE(engine.acceptInput);
    stage.Tick();
    EXPECT_FLOAT_EQ(engine.gameOverLevel, 1.0f);
    EXPECT_FALSE(engine.acceptInput);
    ASSERT_FALSE(engine.fades.empty());
    EXPECT_EQ(engine.fades.back().onDone, &Engine::EnterContinue);
    EXPECT_EQ(engine.fades.back().duration, 75);
}

TEST(PlayLoop, TheEndOfTheGameOverFadeChoosesTheNextScreen)
{
    struct Case {
        int32_t score;
        int32_t continues;
        bool demo;
        GameState screen; // reached at once, or -1 for a fade
        ScreenFade::Operation fade;
    };
    const Case cases[] = {
        {10001, 0, false, HiScore, nullptr},
        {10000, 2, false, Play, &Engine::EnterContinue},
        {10000, 0, false, Play, &Engine::EnterGameOver},
        {0, 3, true, HiScore, nullptr},
    };
    // The table's music, as the screen loads it.
    world_testing::TempDir dir("gameover");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    std::filesystem::create_directory("Sound");
    world_testing::WriteBytes("Sound/HiScore.mp3", "stand-in");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.score);
        DemoModeGuard demo(c.demo);
        PlayStage stage;
        Engine& engine = stage.engine;
        stage.Start();
        engine.score = c.score;
        engine.continues = c.continues;
        engine.fades.clear();
        engine.StartGameOver();
        stage.Tick(101);
        EXPECT_EQ(engine.state, c.screen);
        if (c.fade) {
            ASSERT_FALSE(engine.fades.empty());
            EXPECT_EQ(engine.fades.back().onDone, c.fade);
        }
    }
    std::filesystem::current_path(previous);
}

TEST(PlayLoop, ADemoRunsFifteenHundredTicksAndFireAbortsIt)
{
    {
        DemoModeGuard demo(true);
        PlayStage stage;
        stage.Start();
        stage.Tick(1499);
        EXPECT_FALSE(stage.engine.gameOverFade);
        stage.Tick();
        EXPECT_TRUE(stage.engine.gameOverFade);
    }
    {
        DemoModeGuard demo(true);
        PlayStage stage;
        Engine& engine = stage.engine;
        stage.Start();
        stage.Tick(200);
        stage.Press(engine.input.FIRE);
        const uint32_t at = engine.stateTicks;
        stage.Tick();
        EXPECT_EQ(engine.stateTicks, at) << "the abort ends the tick";
        EXPECT_FALSE(engine.acceptInput);
        ASSERT_EQ(engine.fades.size(), 1u) << "the fade list is emptied first";
        EXPECT_EQ(engine.fades[0].onDone, &Engine::EnterTitle);
        EXPECT_EQ(engine.fades[0].toColour, FadeWhite);
    }
}

TEST(PlayLoop, TheTitleCardShowsOnlyOnTheFirstBuildAfterALoad)
{
    PlayStage stage;
    stage.engine.world.stageJustLoaded = 1;
    stage.Start();
    EXPECT_EQ(stage.Layer(4).size(), 1u);
    EXPECT_EQ(stage.engine.world.stageJustLoaded, 0);
    EXPECT_TRUE(stage.engine.quitRequested) << "no GFX/Stage1.tga here: a card that cannot load ends the game";
    stage.engine.quitRequested = false;
    stage.Start(100);
    EXPECT_TRUE(stage.Layer(4).empty());
}

// The gather ring of a collected orb weapon takes the weapon's colour: magma's is red.
TEST(PlayLoop, TheGatherRingOfACollectedWeaponIsTheWeaponsColour)
{
    PlayStage stage;
    stage.Start();
    stage.UntilLaunched();
    Player& ship = stage.engine.player;
    auto magma = std::make_unique<PowerUp>(5);
    magma->Spawn(ship.x, ship.y);
    stage.engine.world.pickups.push_back(std::move(magma));
    stage.Tick(3);
    ASSERT_EQ(ship.orb.weaponKind, 5);
    const EffectParticle* last = nullptr;
    for (const EffectEmitter& emitter : stage.engine.effects.effectEmitters)
        if (emitter.spawn == KindInfo(EmitterKind::GatherRing).spawn && !emitter.particles.empty())
            last = &emitter.particles.back();
    ASSERT_NE(last, nullptr) << "the pick-up raised a gather ring";
    EXPECT_GT(last->red, 0.0f);
    EXPECT_FLOAT_EQ(last->green, 0.0f);
    EXPECT_FLOAT_EQ(last->blue, 0.0f);
}

// Leaving a stage for the intro (after a demo, or a quit from the pause menu) lets go of the
// whole stage: its map, entities and shots; a cleanup alone empties the shot lists too.
TEST(PlayLoop, TheIntroAndACleanupLetGoOfTheStageAndItsShots)
{
    PlayStage stage;
    Engine& engine = stage.engine;
    stage.Start();
    stage.UntilLaunched();
    stage.Place(3, std::make_unique<Target>(), 600.0f, 200.0f);
    FireShot(engine.shots.playerShots, shots::Cannon, 100.0f, 100.0f, 12.0f, 0.0f);
    FireShot(engine.shots.enemyShots, shots::EnemyBullet, 300.0f, 100.0f, -2.0f, 0.0f);
    engine.CleanupStage();
    EXPECT_TRUE(engine.shots.playerShots.empty());
    EXPECT_TRUE(engine.shots.enemyShots.empty());

    PlayStage second;
    second.Start();
    second.UntilLaunched();
    second.Place(3, std::make_unique<Target>(), 600.0f, 200.0f);
    second.engine.EnterIntroStory();
    EXPECT_EQ(second.engine.world.mapWidth, 0);
    EXPECT_TRUE(second.Layer(3).empty());
    EXPECT_FALSE(second.engine.gameOverFade);
}

// The arc orb pod's field sounds when it fires; the EMP pod's bolt hums from its launch until
// it ends with the orb gone.
TEST(PlayLoop, TheOrbFieldSoundsAndTheEmpBoltHumsWhileItFlies)
{
    PlayStage stage;
    Engine& engine = stage.engine;
    engine.ship.orbPodType = 1;
    stage.Start();
    stage.UntilLaunched();
    InputState& input = engine.input;
    engine.player.CollectPowerUp(0);
    SoundSample& field = *engine.samples.Effect(SoundIndex(SoundId::OrbField));
    const uint32_t fieldBefore = field.requests;
    stage.Press(input.FIRE2);
    stage.Tick(3);
    stage.Release(input.FIRE2);
    stage.Tick(3);
    ASSERT_FALSE(engine.player.orb.attached) << "the orb flew off";
    stage.Press(input.FIRE);
    stage.Tick(2);
    EXPECT_EQ(field.requests, fieldBefore + 1) << "the field fired once and sounded";
    stage.Release(input.FIRE);
    stage.Tick();

    PlayStage emp;
    emp.engine.ship.orbPodType = 2;
    emp.Start();
    emp.UntilLaunched();
    emp.engine.player.CollectPowerUp(0);
    SoundSample& hum = *emp.engine.samples.Effect(SoundIndex(SoundId::EmpBolt));
    const uint32_t humBefore = hum.requests;
    emp.Press(emp.engine.input.FIRE2);
    emp.Tick(3);
    EXPECT_EQ(hum.requests, humBefore + 1) << "the launch sent out a bolt";
    EXPECT_FALSE(hum.stopRequested);
    emp.engine.player.orb.Destroyed();
    emp.Tick(2);
    EXPECT_TRUE(hum.stopRequested) << "the hum ends with the bolt";
}

// A debris spark stings once for 0.25, burns at rest where it was thrown (the scroll does not
// carry it), is not put out by a wall, and is gone after its tenth update.
TEST(PlayLoop, ADebrisSparkStingsOnceAndBurnsTenUpdatesWhereItWasThrown)
{
    PlayStage stage;
    Engine& engine = stage.engine;
    stage.Start(100);
    stage.UntilLaunched();
    const float x = engine.world.camera.x + 400.0f;
    const float y = 200.0f;
    Target& target = stage.Place(3, std::make_unique<Target>(10.0f), x, y);
    // A solid tile under the spark.
    const TileCoord tile = TileOf(x, y);
    engine.world.collisionPlane[static_cast<size_t>(tile.row * engine.world.mapWidth + tile.column)] = SolidTile;
    ASSERT_TRUE(HitTile(engine.world, x, y));
    engine.shots.playerShots.clear();
    FireShot(engine.shots.playerShots, shots::DebrisSpark, x, y, 0.0f, 0.0f, 2.0f);
    stage.Tick(9);
    ASSERT_EQ(engine.shots.playerShots.size(), 1u);
    const Shot& spark = engine.shots.playerShots[0];
    EXPECT_FALSE(spark.dead) << "alive through nine updates, wall or not";
    EXPECT_EQ(spark.x, x) << "at rest: the scroll does not carry it";
    EXPECT_EQ(spark.orientation, 2.0f) << "the orange style";
    EXPECT_EQ(target.damage, std::vector<float>{0.25f}) << "one sting, in one collision pass";
    stage.Tick(2);
    for (const Shot& shot : engine.shots.playerShots)
        EXPECT_TRUE(shot.dead) << "gone after its tenth update";
}
