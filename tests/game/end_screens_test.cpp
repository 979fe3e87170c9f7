// The continue offer, game over and the ending without a window: their texts and choices,
// their screens driven tick by tick on a detached engine over the real content, and the
// ending's seeded scene.
#include "core/process_flags.hpp"
#include "game/continue_offer.hpp"
#include "game/credits.hpp"
#include "game/ending_scene.hpp"
#include "game/game_flow_globals.hpp"
#include "core/random.hpp"
#include "play_test_support.hpp"
#include "support/game_run.hpp"
#include "support/headless_scope.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

using namespace testing_support;

TEST(ContinueOffer, TheCountdownSkipsNineAndEndsAtFiveHundred)
{
    const struct {
        uint32_t ticks;
        const char* text;
    } cases[] = {{0, "10"},  {49, "10"}, {50, "8"},  {99, "8"},  {100, "7"}, {250, "4"},
                 {449, "1"}, {450, "0"}, {499, "0"}, {500, ""},  {520, ""},  {100000, ""}};
    for (const auto& c : cases)
        EXPECT_STREQ(ContinueCountdownText(c.ticks), c.text) << "at tick " << c.ticks;
    for (uint32_t ticks = 0; ticks < 600; ++ticks)
        EXPECT_STRNE(ContinueCountdownText(ticks), "9") << "at tick " << ticks;
}

TEST(ContinueOffer, TheRemainingCountShowsNineHundredNinetyNineUnderTheCheat)
{
    EXPECT_EQ(ContinuesRemainingText(3, false), "CONTINUES REMAINING 3");
    EXPECT_EQ(ContinuesRemainingText(0, false), "CONTINUES REMAINING 0");
    EXPECT_EQ(ContinuesRemainingText(0, true), "CONTINUES REMAINING 999");
    EXPECT_EQ(ContinuesRemainingText(5, true), "CONTINUES REMAINING 999");
}

TEST(ContinueOffer, FireCountsOnlyAboveTenAndBelowFiveHundredAndTheClipsEndWins)
{
    EXPECT_EQ(ChooseContinue(false, 10, true), ContinueChoice::Wait);
    EXPECT_EQ(ChooseContinue(false, 11, true), ContinueChoice::Continue);
    EXPECT_EQ(ChooseContinue(false, 499, true), ContinueChoice::Continue);
    EXPECT_EQ(ChooseContinue(false, 500, true), ContinueChoice::Wait);
    EXPECT_EQ(ChooseContinue(false, 200, false), ContinueChoice::Wait);
    EXPECT_EQ(ChooseContinue(true, 200, true), ContinueChoice::GameOver);
    EXPECT_EQ(ChooseContinue(true, 5, false), ContinueChoice::GameOver);
}

namespace {

// A detached engine, headless, working in a directory that sees the generated content.
class ShellOverContent : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousDir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        demoMode = true; // as a game from the title leaves it for the ending to clear
        previousTickLength_ = TickLength;
        TickLength = 0.04f;
    }
    void TearDown() override
    {
        std::filesystem::current_path(previousDir_);
        demoMode = false;
        TickLength = previousTickLength_;
    }
    // One tick with FIRE pressed just before it (or not), as the event dispatch leaves it.
    void Tick(bool fire = false)
    {
        engine.input.FIRE.state = fire ? ButtonState::JustPressed : ButtonState::Idle;
        (engine.*engine.updateOp)();
    }
    bool FadeLeadsTo(ScreenFade::Operation operation) const
    {
        for (const ScreenFade& fade : engine.fades)
            if (fade.onDone == operation)
                return true;
        return false;
    }

    ScratchDir dir_{"endscreens"};
    HeadlessScope headless_;
    std::filesystem::path previousDir_;
    float previousTickLength_ = 0.0f;
    Engine engine{Engine::Detached{}};
};

} // namespace

TEST_F(ShellOverContent, AContinueIsRefusedAtTickFiveAndTakenAtEleven)
{
    engine.stateTicks = 777;
    engine.input.FIRE.state = ButtonState::Held;
    engine.EnterContinue();
    ASSERT_FALSE(engine.quitRequested) << "the clip and its music load";
    EXPECT_EQ(engine.state, Continue);
    EXPECT_EQ(engine.savedStateTicks, 777);
    EXPECT_EQ(engine.input.FIRE.state, ButtonState::Idle);
    EXPECT_EQ(TickLength, 0.02f);

    for (int i = 0; i < 4; ++i)
        Tick();
    Tick(true);
    EXPECT_EQ(engine.stateTicks, 5u);
    EXPECT_TRUE(engine.acceptInput);
    EXPECT_FALSE(FadeLeadsTo(&Engine::ContinueGame));

    while (engine.stateTicks < 10)
        Tick();
    Tick(true);
    EXPECT_EQ(engine.stateTicks, 11u);
    EXPECT_FALSE(engine.acceptInput);
    ASSERT_TRUE(FadeLeadsTo(&Engine::ContinueGame));
    EXPECT_EQ(engine.fades.back().toColour, FadeBlack);
    EXPECT_EQ(engine.fades.back().duration, 25);
    const uint32_t at = engine.stateTicks;
    Tick();
    EXPECT_EQ(engine.stateTicks, at) << "the offer stands still while it fades out";
}

TEST_F(ShellOverContent, TheClipsEndWithoutAContinueLeadsToGameOverAndThenTheIntro)
{
    engine.EnterContinue();
    ASSERT_EQ(engine.state, Continue);
    // Past tick 500 FIRE no longer continues; the clip runs out a little later.
    while (engine.stateTicks < 505)
        Tick();
    Tick(true);
    EXPECT_TRUE(engine.acceptInput);
    EXPECT_FALSE(FadeLeadsTo(&Engine::ContinueGame));
    for (int i = 0; i < 200 && engine.acceptInput; ++i)
        Tick();
    ASSERT_FALSE(engine.acceptInput) << "the clip never ended";
    ASSERT_TRUE(FadeLeadsTo(&Engine::EnterGameOver));
    EXPECT_EQ(engine.fades.back().toColour, FadeClearBlack) << "an invisible fade";
    for (int i = 0; i < 26 && engine.state == Continue; ++i)
        Tick();
    ASSERT_EQ(engine.state, GameOver);
    EXPECT_EQ(engine.videoCache.Find("Videos/Continue.avi"), nullptr) << "game over lets the stage's media go";

    engine.stageIndex = 3;
    while (engine.stateTicks < 149)
        Tick();
    EXPECT_EQ(engine.stageIndex, 3);
    Tick();
    EXPECT_EQ(engine.stageIndex, 1);
    ASSERT_TRUE(FadeLeadsTo(&Engine::EnterIntroStory));
    EXPECT_EQ(engine.fades.back().toColour, FadeWhite);
    EXPECT_EQ(engine.fades.back().duration, 75);
}

TEST(ContinueGame, TakesOneContinueUnlessTheCheatIsOnAndRestartsAtTheCheckpointWithNoScore)
{
    for (const bool cheat : {false, true}) {
        SCOPED_TRACE(cheat);
        play_testing::PlayStage stage;
        Engine& engine = stage.engine;
        stage.Start();
        stage.Tick(60);
        engine.cheats.infiniteContinues = cheat;
        engine.continues = 1;
        engine.lives = 0;
        engine.score = 4321;
        engine.checkpointTime = 30;
        engine.SetState(Continue);
        engine.ContinueGame();
        EXPECT_EQ(engine.continues, cheat ? 1 : 0);
        EXPECT_EQ(ContinuesRemainingText(engine.continues, cheat),
                  cheat ? "CONTINUES REMAINING 999" : "CONTINUES REMAINING 0");
        EXPECT_EQ(engine.score, 0);
        EXPECT_EQ(engine.lives, 3);
        EXPECT_EQ(engine.state, Play);
        EXPECT_EQ(engine.stateTicks, 30u);
        EXPECT_TRUE(engine.acceptInput);
    }
}

TEST(EndingScene, EveryBuildGivesTheSameFleetAndStarsWithinTheirRanges)
{
    EndingScene first;
    BuildEndingScene(first);
    for (int i = 0; i < 123; ++i)
        Random();
    EndingScene second;
    BuildEndingScene(second);
    // Floats and 32-bit integers only, so the bytes compare the whole scene.
    EXPECT_EQ(std::memcmp(&first, &second, sizeof first), 0);

    bool kinds[4] = {}, phases[4] = {};
    for (const EndingShip& ship : first.fleet) {
        EXPECT_GE(ship.y, 40.0f);
        EXPECT_LE(ship.y, 439.0f);
        EXPECT_LE(ship.x, 0.0f) << "every ship starts left of the screen";
        EXPECT_GE(ship.x, -639.0f);
        EXPECT_EQ(ship.prevX, ship.x);
        ASSERT_GE(ship.kind, 1);
        ASSERT_LE(ship.kind, 3);
        ASSERT_GE(ship.phase, 0);
        ASSERT_LE(ship.phase, 3);
        kinds[ship.kind] = phases[ship.phase] = true;
        for (const ShipColour& colour : ship.colours) {
            for (float channel : {colour.red, colour.green, colour.blue}) {
                EXPECT_GE(channel, 0.0f);
                EXPECT_LE(channel, 1.0f);
            }
            EXPECT_EQ(colour.saturation, 2.0f);
        }
    }
    EXPECT_TRUE(kinds[1] && kinds[2] && kinds[3]) << "all three ships fly";
    EXPECT_TRUE(phases[0] && phases[1] && phases[2] && phases[3]) << "at all four speeds";
    for (const EndingStar& star : first.stars) {
        EXPECT_GE(star.x, 0.0f);
        EXPECT_LE(star.x, 639.0f);
        EXPECT_GE(star.y, 0.0f);
        EXPECT_LE(star.y, 479.0f);
        EXPECT_GE(star.cell, 0);
        EXPECT_LE(star.cell, 7);
    }
    EXPECT_EQ(first.roll, 500.0f);
    EXPECT_EQ(first.prevRoll, 500.0f);
}

TEST(EndingScene, DrawsFromTheGeneratorInTheFleetsOrderAndThenTheStars)
{
    SeedRandom(1000);
    const int32_t y = Random() % 400 + 40;
    const int32_t x = -(Random() % 640);
    int32_t channels[9];
    for (int32_t& channel : channels)
        channel = Random() % 256;
    const int32_t kind = Random() % 3 + 1;
    const int32_t phase = Random() % 4;
    for (int i = 13; i < EndingScene::Ships * 13; ++i) // the other 49 ships, 13 draws each
        Random();
    const int32_t starY = Random() % 480;
    const int32_t starX = Random() % 640;
    const int32_t cell = Random() % 8;

    EndingScene scene;
    BuildEndingScene(scene);
    const EndingShip& ship = scene.fleet[0];
    EXPECT_EQ(ship.y, float(y));
    EXPECT_EQ(ship.x, float(x));
    EXPECT_EQ(ship.colours[0].red, float(channels[0]) / 255.0f);
    EXPECT_EQ(ship.colours[0].blue, float(channels[2]) / 255.0f);
    EXPECT_EQ(ship.colours[1].red, float(channels[3]) / 255.0f);
    EXPECT_EQ(ship.colours[2].blue, float(channels[8]) / 255.0f);
    EXPECT_EQ(ship.kind, kind);
    EXPECT_EQ(ship.phase, phase);
    EXPECT_EQ(scene.stars[0].y, float(starY));
    EXPECT_EQ(scene.stars[0].x, float(starX));
    EXPECT_EQ(scene.stars[0].cell, cell);
}

TEST(EndingScene, ShipsFlyByPhaseAndComeRoundFromTheLeftAndStarsStayOnTheirBand)
{
    EndingScene scene;
    BuildEndingScene(scene);
    const EndingScene start = scene;
    StepEndingScene(scene);
    for (size_t i = 0; i < scene.fleet.size(); ++i) {
        EXPECT_EQ(scene.fleet[i].prevX, start.fleet[i].x);
        EXPECT_EQ(scene.fleet[i].x, start.fleet[i].x + EndingShipSpeed(start.fleet[i].phase));
        EXPECT_EQ(scene.fleet[i].y, start.fleet[i].y);
    }
    EXPECT_EQ(EndingShipSpeed(0), 0.5f);
    EXPECT_EQ(EndingShipSpeed(3), 0.2f);

    int wraps = 0;
    for (uint32_t tick = 1; tick < EndingTicks; ++tick) {
        const EndingScene before = scene;
        StepEndingScene(scene);
        for (size_t i = 0; i < scene.fleet.size(); ++i) {
            const EndingShip& ship = scene.fleet[i];
            ASSERT_LE(ship.x, 640.0f + ShipWrapMargin);
            if (ship.x < before.fleet[i].x) {
                ++wraps;
                EXPECT_LT(ship.x, 0.0f) << "a ship leaving on the right comes back on the left";
                EXPECT_EQ(ship.prevX, ship.x) << "without a streak across the screen";
            }
        }
        for (const EndingStar& star : scene.stars) {
            ASSERT_GE(star.x, -StarWrapMargin);
            ASSERT_LE(star.x, 640.0f + StarWrapMargin);
        }
    }
    EXPECT_GT(wraps, 0);
}

TEST(EndingScene, TheRollsLastLinePassesTheTopBeforeTheScreenEnds)
{
    const auto credits = EndingCredits();
    ASSERT_FALSE(credits.empty());
    const float last = credits.back().offset;
    EXPECT_STREQ(credits.back().text, "HOPE YOU ENJOYED THE GAME!");
    EXPECT_STREQ(credits.front().text, "CONGRATULATIONS");

    EndingScene scene;
    BuildEndingScene(scene);
    EXPECT_GE(scene.roll + credits.front().offset, 480.0f) << "the roll starts below the screen";
    constexpr float LineHeight = 32.0f; // more than a line of the small font at three quarters
    uint32_t gone = 0;
    for (uint32_t tick = 1; tick <= EndingTicks && gone == 0; ++tick) {
        const float before = scene.roll;
        StepEndingScene(scene);
        ASSERT_EQ(scene.prevRoll, before);
        ASSERT_EQ(scene.roll, before - 0.45f) << "at tick " << tick;
        if (scene.roll + last + LineHeight < 0.0f)
            gone = tick;
    }
    EXPECT_GT(gone, 2800u);
    EXPECT_LT(gone, EndingTicks);
}

TEST(EndingScene, TheLastTickLeadsToTheNameEntryOnlyAboveTheTenthScore)
{
    HighScoreTable table;
    EXPECT_EQ(EndingOutcomeAt(EndingTicks - 1, 50000, table), EndingOutcome::Stay);
    EXPECT_EQ(EndingOutcomeAt(EndingTicks + 1, 50000, table), EndingOutcome::Stay);
    EXPECT_EQ(EndingOutcomeAt(EndingTicks, 10001, table), EndingOutcome::HiScore);
    EXPECT_EQ(EndingOutcomeAt(EndingTicks, 10000, table), EndingOutcome::GameOver) << "equal is not enough";
    table.scores[9] = 0;
    EXPECT_EQ(EndingOutcomeAt(EndingTicks, 1, table), EndingOutcome::HiScore);
}

TEST_F(ShellOverContent, TheEndingRunsItsCourseIntoGameOverOrTheNameEntry)
{
    for (const int32_t score : {9999, 20000}) {
        SCOPED_TRACE(score);
        engine.fades.clear();
        engine.stageIndex = 3;
        engine.score = score;
        engine.EnterEnding();
        ASSERT_FALSE(engine.quitRequested) << "the ending's pictures and music load";
        EXPECT_EQ(engine.state, Ending);
        EXPECT_EQ(engine.stageIndex, 4);
        EXPECT_FALSE(demoMode);
        EXPECT_EQ(TickLength, 0.02f);
        EXPECT_EQ(engine.stateTicks, 0u);
        for (uint32_t tick = 1; tick < EndingTicks; ++tick)
            Tick();
        EXPECT_EQ(engine.state, Ending);
        EXPECT_FALSE(FadeLeadsTo(&Engine::EnterGameOver));
        Tick();
        if (score < 10000) {
            EXPECT_EQ(engine.state, Ending);
            ASSERT_TRUE(FadeLeadsTo(&Engine::EnterGameOver));
            EXPECT_EQ(engine.fades.back().duration, 50);
            EXPECT_EQ(engine.fades.back().toColour, FadeWhite);
            for (int i = 0; i < 51 && engine.state == Ending; ++i)
                Tick();
            EXPECT_EQ(engine.state, GameOver);
        } else {
            EXPECT_EQ(engine.state, HiScore);
        }
    }
}
