// The first boss: its clock, its valve as the only way in, its health by difficulty, its
// arms, its death and what it stores.
#include "boss_shots.hpp"

#include "enemies/bosses/boss1.hpp"
#include "enemies/bosses/boss_sheets.hpp"
#include "enemies/butterfly.hpp"
#include "enemies/turret.hpp"
#include "support/headless_scope.hpp"
#include "core/data_file.hpp"
#include "world/furniture/tile_animation.hpp"
#include "world/furniture/power_banner.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

using namespace enemy_testing;
using namespace boss_testing;

namespace {

constexpr float Hx = 400.0f; // from the camera: where the boss is put
constexpr float Hy = 240.0f;

Boss1& PlaceBoss(EnemyStage& s)
{
    return s.Spawn(std::make_unique<Boss1>(), s.CameraX() + Hx, s.CameraY() + Hy);
}

// Steps with the camera moving a pixel each tick, as the scroll does on the approach.
void StepScrolling(EnemyStage& s, Entity& boss, int count)
{
    StageWorld& world = s.stage.engine.world;
    for (int i = 0; i < count; ++i) {
        world.previousCamera = world.camera;
        world.camera.x += 1.0f;
        boss.x += 1.0f; // keeps it on screen: only the clock is under test
        boss.Update();
    }
    world.previousCamera = world.camera;
}

size_t CountOf(EntityList& layer, auto predicate)
{
    size_t n = 0;
    for (auto& e : layer)
        if (predicate(*e))
            ++n;
    return n;
}

size_t Serpents(EnemyStage& s)
{
    return CountOf(s.stage.Layer(3), [](Entity& e) { return dynamic_cast<Serpent*>(&e) != nullptr; });
}


// Runs until the valve's cell is (or is not) 0.
void UntilValve(EnemyStage& s, Boss1& boss, bool open)
{
    for (int i = 0; i < 2000 && (boss.eyeFrames[Boss1::Valve] == 0) != open; ++i)
        EnemyStage::Step(boss);
    ASSERT_EQ(boss.eyeFrames[Boss1::Valve] == 0, open);
    s.stage.engine.shots.enemyShots.clear();
}

} // namespace

TEST(FirstBoss, ItsClockStandsWhileTheCameraMovesSoItNeitherWarnsLaunchesNorFires)
{
    EnemyStage s;
    s.ShipAt(s.CameraX() + 100.0f, s.CameraY() + 240.0f);
    Boss1& boss = PlaceBoss(s);
    StepScrolling(s, boss, 1200);
    EXPECT_EQ(boss.bossClock, 0u);
    EXPECT_EQ(Serpents(s), 0u);
    EXPECT_EQ(s.EnemyShots(), 0u);
    EXPECT_EQ(CountOf(s.stage.Layer(4), [](Entity& e) { return dynamic_cast<PowerBanner*>(&e) != nullptr; }), 0u);

    EnemyStage::Step(boss, 20);
    StepScrolling(s, boss, 5); // the clock stands at 20 meanwhile: one warning only
    EXPECT_EQ(boss.bossClock, 20u);
    EXPECT_EQ(CountOf(s.stage.Layer(4), [](Entity& e) { return dynamic_cast<PowerBanner*>(&e) != nullptr; }), 1u)
        << "the warning at clock 20";
    EXPECT_EQ(s.EnemyShots(), 0u) << "nothing fires before clock 500";
    EnemyStage::Step(boss, 480);
    EXPECT_EQ(Serpents(s), 1u) << "arm 0 at clock 500";
    EnemyStage::Step(boss, 250);
    EXPECT_EQ(Serpents(s), 2u) << "arm 1 at 750";
    EXPECT_GT(s.EnemyShots(), 0u);
    EnemyStage::Step(boss, 250);
    EXPECT_EQ(Serpents(s), 3u) << "arm 2 at 1000";
    EnemyStage::Step(boss, 250);
    EXPECT_EQ(boss.bossClock, 499u) << "the clock goes back at 1250";
    EnemyStage::Step(boss);
    EXPECT_EQ(Serpents(s), 4u) << "and the launches repeat";
}

TEST(FirstBoss, ArmsLeaveFromTheirRootsAlongTheirLaunchAngles)
{
    EnemyStage s;
    Boss1& boss = PlaceBoss(s);
    EnemyStage::Step(boss, 1000);
    std::vector<Serpent*> arms;
    for (auto& e : s.stage.Layer(3))
        if (auto* serpent = dynamic_cast<Serpent*>(e.get()))
            arms.push_back(serpent);
    ASSERT_EQ(arms.size(), 3u);
    // The last one was launched this tick and has not moved yet.
    EXPECT_FLOAT_EQ(arms[2]->x, boss.x - 470.0f);
    EXPECT_FLOAT_EQ(arms[2]->y, boss.y - 224.0f);
    EXPECT_FLOAT_EQ(arms[2]->angle, 280.0f);
    ASSERT_FALSE(arms[2]->body.empty());
    EXPECT_LT(arms[2]->body.back().y, boss.y - 224.0f + 1.0f + 8 * 14.0f) << "laid out behind the head";
    EXPECT_GT(arms[2]->body.back().y, arms[2]->y) << "the body trails below a head pointing up";
}

TEST(FirstBoss, OnlyTheOpenValveLetsDamageThroughAndEveryShotIsSpent)
{
    EnemyStage s;
    Boss1& boss = PlaceBoss(s);
    EnemyStage::Step(boss, 500);
    const float valveX = boss.x + BossSheets::ValveX;
    const float valveY = boss.y + BossSheets::ValveY;

    UntilValve(s, boss, false);
    Shot& shut = ShootAt(s, valveX, valveY);
    EXPECT_TRUE(shut.dead) << "spent on the shut valve";
    EXPECT_FLOAT_EQ(boss.health, 100.0f);

    UntilValve(s, boss, true);
    Shot& body = ShootAt(s, boss.x + 50.0f, boss.y - 150.0f);
    EXPECT_TRUE(body.dead) << "spent on the body";
    EXPECT_FLOAT_EQ(boss.health, 100.0f);

    Shot& valve = ShootAt(s, valveX, valveY);
    EXPECT_TRUE(valve.dead);
    EXPECT_FLOAT_EQ(boss.health, 99.0f);
    EXPECT_EQ(boss.vulnerable, 0) << "the opening is used up by the blow";
    EXPECT_EQ(boss.hitFlash, 2);
}

TEST(FirstBoss, TheValveIsAtCellZeroForOneHundredAndTwentyTicksOfEveryThreeHundred)
{
    EnemyStage s;
    Boss1& boss = PlaceBoss(s);
    EnemyStage::Step(boss, 500);
    int open = 0;
    // Clock 501 to 1100, before the clock goes back: two whole cycles.
    for (int i = 0; i < 600; ++i) {
        EnemyStage::Step(boss);
        open += boss.eyeFrames[Boss1::Valve] == 0 ? 1 : 0;
        for (int eye = 0; eye < Boss1::Slots; ++eye)
            ASSERT_TRUE(boss.eyeFrames[eye] >= 0 && boss.eyeFrames[eye] <= 3);
    }
    EXPECT_EQ(open, 2 * 120);
}

TEST(FirstBoss, NeedsTwoHundredOnExpertAndOneHundredOtherwise)
{
    for (int32_t difficulty : {0, 1, 2}) {
        EnemyStage s(difficulty);
        Boss1& boss = PlaceBoss(s);
        EXPECT_FLOAT_EQ(boss.health, difficulty == 2 ? 200.0f : 100.0f) << difficulty;
    }
}

TEST(FirstBoss, ItsDeathTakesTheWholePlayLayerAtOnceAndPaysAfterThreeHundredTicks)
{
    EnemyStage s;
    Boss1& boss = PlaceBoss(s);
    Butterfly& butterfly = s.Spawn(std::make_unique<Butterfly>(), s.CameraX() + 200.0f, 200.0f);
    Turret& turret = s.Spawn(std::make_unique<Turret>(), s.CameraX() + 250.0f, 400.0f);
    TileAnimation& beacon = s.Spawn(std::make_unique<TileAnimation>(), s.CameraX() + 300.0f, 300.0f);
    const int32_t before = s.stage.engine.score;

    boss.vulnerable = 1;
    boss.TakeDamage(100.0f);
    EXPECT_EQ(boss.dying, 1);
    EXPECT_FLOAT_EQ(boss.health, 1.0f) << "it stays for its death";
    EXPECT_LE(butterfly.health, 0.0f);
    EXPECT_LE(turret.health, 0.0f);
    EXPECT_GT(beacon.health, 0.0f) << "the scenery stays";
    const int32_t escorts = butterfly.Score + turret.Score;
    EXPECT_EQ(s.stage.engine.score - before, escorts);

    boss.vulnerable = 1;
    boss.TakeDamage(5.0f);
    EXPECT_FLOAT_EQ(boss.health, 1.0f) << "no more blows once dying";

    EnemyStage::Step(boss, 298);
    EXPECT_EQ(s.stage.engine.score - before, escorts);
    EXPECT_GT(boss.health, 0.0f);
    EXPECT_FALSE(s.stage.engine.player.stageClear);
    EnemyStage::Step(boss);
    EXPECT_EQ(s.stage.engine.score - before, escorts + Boss1::Score);
    EXPECT_LT(boss.health, 0.0f);
    EXPECT_TRUE(s.stage.engine.player.stageClear);
}

TEST(FirstBoss, StoresItsThreeArmsAndItsCopiesOwnTheirOwn)
{
    testing_support::HeadlessScope headless;
    Engine engine{Engine::Detached{}};
    world_testing::TempDir dir("boss1");
    Boss1 boss;
    boss.x = 100.0f;
    for (size_t arm = 0; arm < 3; ++arm)
        for (uint32_t tick : {0u, 40u + static_cast<uint32_t>(arm)}) {
            ControlRecord record;
            record.tick = tick;
            record.controls.LEFT = static_cast<uint8_t>(arm);
            boss.arms[arm]->pattern.push_back(record);
        }
    const std::string path = (dir / "boss.bin").string();
    {
        DataFile out;
        ASSERT_TRUE(out.Open(path, "wb"));
        ASSERT_TRUE(boss.Save(out));
    }
    Boss1 loaded;
    {
        DataFile in;
        ASSERT_TRUE(in.Open(path, "rb"));
        ASSERT_TRUE(loaded.Load(in));
        EXPECT_EQ(in.BytesLeft(), 0u);
    }
    for (size_t arm = 0; arm < 3; ++arm) {
        ASSERT_EQ(loaded.arms[arm]->pattern.size(), 2u);
        EXPECT_EQ(loaded.arms[arm]->pattern[1].tick, 40u + arm);
        EXPECT_EQ(loaded.arms[arm]->pattern[1].controls.LEFT, arm);
    }

    std::unique_ptr<Entity> copy = loaded.Clone();
    auto& twin = dynamic_cast<Boss1&>(*copy);
    EXPECT_NE(&*twin.arms[0], &*loaded.arms[0]);
    twin.arms[0]->pattern.clear();
    EXPECT_EQ(loaded.arms[0]->pattern.size(), 2u) << "the copy's arms are its own";

    // A file cut inside the last arm does not load.
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 5);
    DataFile cut;
    ASSERT_TRUE(cut.Open(path, "rb"));
    Boss1 partial;
    EXPECT_FALSE(partial.Load(cut));
}

TEST(FirstBoss, RecordingPlacesTheChosenArmAtItsRootAndRecordsOnlyIt)
{
    EnemyStage s;
    Boss1& boss = PlaceBoss(s);
    boss.recordedArm = 1;
    boss.recording = 1;
    boss.StartRecording();
    EXPECT_EQ(boss.recording, 0);
    EXPECT_EQ(boss.arms[1]->recording, 1);
    EXPECT_EQ(boss.arms[0]->recording, 0);
    EXPECT_EQ(boss.arms[2]->recording, 0);
    EXPECT_FLOAT_EQ(boss.arms[1]->x, boss.x - 455.0f);
    EXPECT_FLOAT_EQ(boss.arms[1]->y, boss.y + 224.0f);
    EXPECT_FLOAT_EQ(boss.arms[1]->angle, 80.0f);
    boss.StopRecording();
    for (ArmTemplate& arm : boss.arms)
        EXPECT_EQ(arm->recording, 0);
}
