// The top-ten table: where a score enters, "Scores.dat" written and read back, and the
// table screen's name entry and the way out of it.
#include "engine/engine.hpp"
#include "core/settings_file.hpp"
#include "game/game_flow_globals.hpp"
#include "game/score_file.hpp"
#include "support/headless_scope.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using world_testing::ReadBytes;
using world_testing::TempDir;
using world_testing::WriteBytes;

namespace {

std::string NameOf(const HighScoreTable& table, int place)
{
    return table.names[static_cast<size_t>(place)].data();
}

// Runs in a scratch directory holding a stand-in for the table's music.
class ScoreDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        std::filesystem::create_directory("Sound");
        WriteBytes("Sound/HiScore.mp3", "stand-in");
        Settings().ForgetCreatedFiles();
        demoMode = false;
    }
    void TearDown() override
    {
        Settings().ForgetCreatedFiles();
        demoMode = false;
        std::filesystem::current_path(previous_);
    }
    // The name entry typing one character, as the window's key events would.
    void Type(Engine& engine, char c) { engine.input.OnTextKey(static_cast<KeyCode>(c), c); }

    TempDir dir_{"scores"};
    std::filesystem::path previous_;
    testing_support::HeadlessScope headless_;
};

} // namespace

TEST(HighScoreTable, AScoreMustBeatAnEntryToPassIt)
{
    HighScoreTable table;
    EXPECT_FALSE(EntersTable(table, 10000));
    EXPECT_EQ(InsertScore(table, 10000), -1);
    EXPECT_EQ(table.scores[9], 10000) << "nothing changes for a score that beats no entry";

    EXPECT_TRUE(EntersTable(table, 10001));
    EXPECT_EQ(InsertScore(table, 10001), 9) << "10001 enters at place 10";
    EXPECT_EQ(table.scores[9], 10001);
    EXPECT_EQ(NameOf(table, 9), "_____");
    EXPECT_EQ(table.scores[8], 20000);

    EXPECT_EQ(InsertScore(table, 90000), 2) << "an equal score goes below the entry it equals";
    EXPECT_EQ(NameOf(table, 1), "NOVA ");
    EXPECT_EQ(NameOf(table, 3), "RIKA ") << "the rest move down by one";
    EXPECT_EQ(table.scores[9], 20000) << "and the tenth is dropped";

    EXPECT_EQ(InsertScore(table, 2000000), 0);
    EXPECT_EQ(table.scores[1], 100000);
}

TEST_F(ScoreDir, AMissingFileIsWrittenWithTheTwentyKeysInOrderAndTheDefaultTable)
{
    HighScoreTable table;
    LoadOrCreateScores(table);
    const std::string text = ReadBytes("Scores.dat");
    const char* const expected[] = {"[Score Sheet]",  "1STPLACENAME\t= K-9RV", "2NDPLACENAME\t= NOVA",
                                    "3RDPLACENAME\t= RIKA", "4THPLACENAME\t= TB5", "5THPLACENAME\t= MOSSY",
                                    "6THPLACENAME\t= QU.R", "7THPLACENAME\t= ELM", "8THPLACENAME\t= BRAVO",
                                    "9THPLACENAME\t= KEMO", "10THPLACENAME\t= VAND", "1PLACE\t= 100000",
                                    "2PLACE\t= 90000", "3PLACE\t= 80000", "4PLACE\t= 70000", "5PLACE\t= 60000",
                                    "6PLACE\t= 50000", "7PLACE\t= 40000", "8PLACE\t= 30000", "9PLACE\t= 20000",
                                    "10PLACE\t= 10000"};
    std::string lines;
    for (const char* line : expected)
        lines += std::string(line) + "\r\n";
    EXPECT_EQ(text, lines);

    HighScoreTable back;
    back.scores.fill(0);
    back.names.fill(HighScoreTable::Name{"x"});
    Settings().ForgetCreatedFiles();
    LoadOrCreateScores(back);
    EXPECT_EQ(back.scores, HighScoreTable{}.scores);
    EXPECT_EQ(NameOf(back, 0), "K-9RV");
    EXPECT_EQ(NameOf(back, 1), "NOVA") << "trailing spaces are not kept";
}

TEST_F(ScoreDir, NamesComeBackAsTheyWereShownAndBadValuesStayOut)
{
    HighScoreTable table;
    table.names[0] = HighScoreTable::Name{" A B"};
    table.names[1] = HighScoreTable::Name{"50%"};
    table.names[2] = HighScoreTable::Name{"A\tB=C"};
    table.names[3] = HighScoreTable::Name{""};
    table.scores[4] = 65000;
    ASSERT_TRUE(SaveScores(table));
    EXPECT_FALSE(std::filesystem::exists("Scores.dat.tmp"));

    HighScoreTable back;
    Settings().ForgetCreatedFiles();
    LoadOrCreateScores(back);
    EXPECT_EQ(NameOf(back, 0), " A B") << "a typed space survives the one-word value";
    EXPECT_EQ(NameOf(back, 1), "50%");
    EXPECT_EQ(NameOf(back, 2), "A\tB=C");
    EXPECT_EQ(NameOf(back, 3), "");
    EXPECT_EQ(back.scores[4], 65000);

    // A modder's file: a long name is cut to five, a broken escape is kept as typed, a
    // malformed score keeps the value the table had.
    WriteBytes("Scores.dat", "[Score Sheet]\r\n1STPLACENAME\t= ABCDEFGH\r\n2NDPLACENAME\t= %4\r\n"
                             "1PLACE\t= lots\r\n2PLACE\t= 777\r\n");
    HighScoreTable modded;
    LoadOrCreateScores(modded);
    EXPECT_EQ(NameOf(modded, 0), "ABCDE");
    EXPECT_EQ(NameOf(modded, 1), "%4");
    EXPECT_EQ(NameOf(modded, 2), "") << "a missing name key leaves an empty name";
    EXPECT_EQ(modded.scores[0], 100000);
    EXPECT_EQ(modded.scores[1], 777);
}

TEST_F(ScoreDir, FiveCharactersEndTheNameEntryAndTheTableIsSavedThenTheContinueFollows)
{
    Engine engine{Engine::Detached{}};
    engine.score = 50001;
    engine.continues = 2;
    engine.stageIndex = 2;
    engine.EnterHiScore();
    ASSERT_EQ(engine.state, HiScore);
    ASSERT_TRUE(engine.input.textEntryActive);
    EXPECT_EQ(engine.scores.scores[5], 50001) << "the score is in the table before the name is typed";
    EXPECT_EQ(NameOf(engine.scores, 5), "_____");

    for (char c : std::string("ACE 4")) {
        engine.UpdateHiScore();
        EXPECT_TRUE(engine.fades.empty()) << "nothing moves on while the name is typed";
        Type(engine, c);
    }
    EXPECT_FALSE(engine.input.textEntryActive) << "five characters end the entry without Return";
    EXPECT_EQ(NameOf(engine.scores, 5), "ACE 4");
    engine.UpdateHiScore();
    EXPECT_FALSE(engine.acceptInput);
    ASSERT_EQ(engine.fades.size(), 1u);
    EXPECT_EQ(engine.fades[0].onDone, &Engine::EnterContinue);
    EXPECT_EQ(engine.fades[0].elapsed, -100) << "held for 100 ticks first";
    EXPECT_EQ(engine.fades[0].duration, 75);

    HighScoreTable saved;
    Settings().ForgetCreatedFiles();
    LoadOrCreateScores(saved);
    EXPECT_EQ(NameOf(saved, 5), "ACE 4");
    EXPECT_EQ(saved.scores[5], 50001);
}

TEST_F(ScoreDir, WithoutContinuesOrAfterTheLastStageTheTableLeadsToGameOver)
{
    for (const auto& [continues, stage] : {std::pair{0, 2}, std::pair{3, 4}}) {
        Engine engine{Engine::Detached{}};
        engine.score = 200000;
        engine.continues = continues;
        engine.stageIndex = stage;
        engine.EnterHiScore();
        engine.input.OnTextKey(Key::Return, 13);
        engine.UpdateHiScore();
        ASSERT_EQ(engine.fades.size(), 1u);
        EXPECT_EQ(engine.fades[0].onDone, &Engine::EnterGameOver);
        EXPECT_EQ(NameOf(engine.scores, 0), "") << "Return on the first character leaves the name empty";
    }
}

TEST_F(ScoreDir, AfterADemoTheTableIsOnlyShownForThreeHundredTicksOrUntilAKey)
{
    for (const bool press : {false, true}) {
        demoMode = true;
        Engine engine{Engine::Detached{}};
        engine.score = 999999;
        engine.EnterHiScore();
        EXPECT_EQ(engine.state, HiScore);
        EXPECT_FALSE(engine.acceptInput);
        EXPECT_FALSE(engine.input.textEntryActive);
        EXPECT_EQ(engine.scores.scores[0], 100000) << "a demo's score never enters the table";
        const uint32_t leaveAt = press ? 40 : 300;
        for (uint32_t tick = 1; tick < leaveAt; ++tick)
            engine.UpdateHiScore();
        EXPECT_TRUE(engine.fades.empty());
        if (press)
            engine.input.FIRE.Set(true);
        engine.UpdateHiScore();
        ASSERT_EQ(engine.fades.size(), 1u);
        EXPECT_EQ(engine.fades[0].onDone, &Engine::EnterIntroStory);
        EXPECT_FALSE(std::filesystem::exists("Scores.dat")) << "nothing is saved after a demo";
    }
}
