// The end of a game through the real binary, headless: a lost game offers a continue that
// FIRE takes, a game lost without one passes game over into the intro, and the last boss's
// fall leads through the ending's credits to game over.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

constexpr int IntroStoryState = 4;
constexpr int PlayState = 8;
constexpr int ContinueState = 9;
constexpr int GameOverState = 10;
constexpr int HiScoreState = 11;
constexpr int EndingState = 12;

struct TraceTick {
    long tick = 0;
    int state = -1;
    long stateTicks = 0;
    int stageIndex = 0;
    long score = 0;
    int lives = 0;
    int continues = 0;
};

long Field(const std::string& line, const std::string& key)
{
    const size_t at = line.find("\"" + key + "\":");
    EXPECT_NE(at, std::string::npos) << key << " missing in " << line;
    return at == std::string::npos ? -1 : std::strtol(line.c_str() + at + key.size() + 3, nullptr, 10);
}

std::vector<TraceTick> PlayAndTrace(const std::string& tag, const std::string& arguments, const std::string& keys, long ticks)
{
    ScratchDir dir(tag);
    std::string input;
    if (!keys.empty()) {
        WriteFile(dir / "keys.txt", keys);
        input = " --input keys.txt";
    }
    const RunResult result = RunGame(dir, arguments + input + " --headless --quit-after " + std::to_string(ticks) +
                                              " --trace trace.jsonl");
    EXPECT_EQ(result.exitStatus, 0) << result.output.substr(0, 2000);
    std::vector<TraceTick> trace;
    for (const std::string& line : ReadLines(dir / "trace.jsonl")) {
        TraceTick t;
        t.tick = Field(line, "tick");
        t.state = int(Field(line, "state"));
        t.stateTicks = Field(line, "stateTicks");
        t.stageIndex = int(Field(line, "stageIndex"));
        t.score = Field(line, "score");
        t.lives = int(Field(line, "lives"));
        t.continues = int(Field(line, "continues"));
        trace.push_back(t);
    }
    EXPECT_EQ(trace.size(), size_t(ticks));
    return trace;
}

// Index of the first line at or after `from` in the state, or -1.
long First(const std::vector<TraceTick>& trace, int state, long from = 0)
{
    for (long i = from < 0 ? 0 : from; i < long(trace.size()); ++i)
        if (trace[size_t(i)].state == state)
            return i;
    return -1;
}

// The time index the stage was last rebuilt at before `until`: the checkpoint a death put
// the ship back to. A rebuild shows as the time index going back.
long LastRebuildBefore(const std::vector<TraceTick>& trace, long until)
{
    long at = 0;
    for (long i = 1; i < until; ++i) {
        const TraceTick& now = trace[size_t(i)];
        const TraceTick& before = trace[size_t(i - 1)];
        if (now.state == PlayState && before.state == PlayState && now.stateTicks < before.stateTicks)
            at = now.stateTicks;
    }
    return at;
}

// 150 ticks of "GAME OVER", then a 75-tick fade whose end comes on its 76th pass.
constexpr long GameOverToIntro = 150 + 76;

const std::string ExpertStageOne = "--play 1 --difficulty 2 --ship 0";
constexpr long LongRun = 9000;

} // namespace

TEST(EndScreenRuns, AGameLostWithoutTakingTheContinuePassesGameOverIntoTheIntro)
{
    const std::vector<TraceTick> trace = PlayAndTrace("nocontinue", ExpertStageOne, "", LongRun);
    const long offer = First(trace, ContinueState);
    ASSERT_GT(offer, 0) << "the idle ship never lost its last life";
    const TraceTick& lost = trace[size_t(offer - 1)];
    EXPECT_EQ(lost.state, PlayState);
    EXPECT_EQ(lost.lives, 0);
    EXPECT_EQ(lost.continues, 1) << "Expert gives one continue";
    EXPECT_LT(lost.score, 10000) << "a score for the table would take the name entry first";

    const long over = First(trace, GameOverState, offer);
    ASSERT_GT(over, 0);
    for (long i = offer; i < over; ++i)
        ASSERT_EQ(trace[size_t(i)].state, ContinueState) << "at line " << i;
    // The clip lasts 520 frames, then an invisible 25-tick fade.
    EXPECT_GE(over - offer, 500);
    EXPECT_LE(over - offer, 560);

    const long intro = First(trace, IntroStoryState, over);
    ASSERT_GT(intro, 0);
    for (long i = over; i < intro; ++i)
        ASSERT_EQ(trace[size_t(i)].state, GameOverState);
    EXPECT_EQ(intro - over, GameOverToIntro);
    EXPECT_EQ(trace[size_t(intro)].stageIndex, 1);
    const long table = First(trace, HiScoreState);
    EXPECT_TRUE(table == -1 || table > intro) << "no table before the intro (a later demo shows one)";
}

TEST(EndScreenRuns, FireOnTheContinueScreenRestartsAtTheCheckpointAndTheNextLossIsGameOver)
{
    // The same idle game, replayed identically up to the offer, with FIRE a little into it.
    const std::vector<TraceTick> idle = PlayAndTrace("findoffer", ExpertStageOne, "", LongRun);
    const long offer = First(idle, ContinueState);
    ASSERT_GT(offer, 0);
    const long press = idle[size_t(offer)].tick + 20;
    const std::string keys = std::to_string(press) + " Z down\n" + std::to_string(press + 2) + " Z up\n";
    const std::vector<TraceTick> trace = PlayAndTrace("continue", ExpertStageOne, keys, LongRun);
    ASSERT_EQ(First(trace, ContinueState), offer) << "the replay differs before the offer";

    const long resumed = First(trace, PlayState, offer);
    ASSERT_GT(resumed, 0) << "FIRE did not continue";
    for (long i = offer; i < resumed; ++i)
        ASSERT_EQ(trace[size_t(i)].state, ContinueState);
    EXPECT_LE(trace[size_t(resumed)].tick - press, 30) << "a 25-tick fade to black, then play";
    const TraceTick& back = trace[size_t(resumed)];
    EXPECT_EQ(back.score, 0);
    EXPECT_EQ(back.lives, 3);
    EXPECT_EQ(back.continues, 0);
    EXPECT_EQ(back.stageIndex, 1);
    EXPECT_EQ(back.stateTicks, LastRebuildBefore(trace, offer)) << "built at the last checkpoint";

    // With no continue left the next loss goes straight to game over, then to the intro.
    const long over = First(trace, GameOverState, resumed);
    ASSERT_GT(over, 0) << "the idle ship never lost again";
    EXPECT_EQ(First(trace, ContinueState, resumed), -1);
    const long intro = First(trace, IntroStoryState, over);
    ASSERT_GT(intro, 0);
    EXPECT_EQ(intro - over, GameOverToIntro);
}

TEST(EndScreenRuns, TheLastBossFallsAndTheEndingRollsIntoGameOverAndTheIntro)
{
    const std::string keys = ReadFile(std::string(SKYREAVER_FIXTURES) + "/boss_runs/stage3.keys");
    const std::vector<TraceTick> trace = PlayAndTrace("ending", "--play 3@10000 --difficulty 0 --ship 0", keys, 5200);
    const long ending = First(trace, EndingState);
    ASSERT_GT(ending, 0) << "the last stage was never cleared";
    EXPECT_EQ(trace[size_t(ending)].stageIndex, 4);
    EXPECT_LT(trace[size_t(ending)].score, 10000);

    const long over = First(trace, GameOverState, ending);
    ASSERT_GT(over, 0);
    for (long i = ending; i < over; ++i)
        ASSERT_EQ(trace[size_t(i)].state, EndingState) << "at line " << i;
    const TraceTick& last = trace[size_t(over - 1)];
    // The credits run 3245 ticks, then a 50-tick fade to white.
    EXPECT_EQ(last.stateTicks, 3245 + 50);
    EXPECT_EQ(First(trace, HiScoreState), -1);

    const long intro = First(trace, IntroStoryState, over);
    ASSERT_GT(intro, 0);
    EXPECT_EQ(intro - over, GameOverToIntro);
    EXPECT_EQ(trace[size_t(intro)].stageIndex, 1);
}
