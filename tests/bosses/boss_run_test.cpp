// A stage boss beaten by a key script through the real binary, headless: the ship lives
// through the whole fight, the boss pays its score at the end of its death, and the stage
// clear leads on to the next stage built from its start, or after the last to the ending.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

constexpr int PlayState = 8;
constexpr int EndingState = 12;

double Number(const std::string& line, const std::string& key)
{
    const size_t at = line.find("\"" + key + "\":");
    return at == std::string::npos ? -1.0 : std::strtod(line.c_str() + at + key.size() + 3, nullptr);
}

struct BossRun {
    int stage;
    std::string play;
    std::string keys;
    int ticks;
    int score;
    int difficulty = 0;
};

struct Outcome {
    std::vector<std::string> trace;
    long firstDeath = -1; // trace index of the first line with the ship down
    long cleared = -1;    // trace index of the first line past the boss's stage
};

Outcome Fly(const BossRun& run)
{
    ScratchDir dir("boss" + std::to_string(run.stage));
    // A bare name is a boss-run fixture; a path is a script shipped with the stages.
    const std::string keys = run.keys.find('/') == std::string::npos
                                 ? std::string(SKYREAVER_FIXTURES) + "/boss_runs/" + run.keys
                                 : std::string(SKYREAVER_SOURCE_DIR) + "/" + run.keys;
    WriteFile(dir / "keys.txt", ReadFile(keys));
    const RunResult result = RunGame(dir, "--play " + run.play + " --difficulty " +
                                              std::to_string(run.difficulty) + " --ship 0 --headless --quit-after " +
                                              std::to_string(run.ticks) + " --input keys.txt --trace trace.jsonl");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    Outcome outcome;
    outcome.trace = ReadLines(dir / "trace.jsonl");
    for (size_t i = 0; i < outcome.trace.size(); ++i) {
        const std::string& line = outcome.trace[i];
        if (outcome.cleared < 0 && (Number(line, "stageIndex") != run.stage || Number(line, "state") != PlayState))
            outcome.cleared = static_cast<long>(i);
        if (outcome.cleared < 0 && outcome.firstDeath < 0 && Number(line, "health") <= 0.0)
            outcome.firstDeath = static_cast<long>(i);
    }
    return outcome;
}

// The ship never goes down before the clear, and the last score change before it is the
// boss's pay, 150 ticks of fly-out and a 75-tick fade before the stage changes.
void ExpectCleanKill(const BossRun& run, const Outcome& outcome)
{
    ASSERT_EQ(outcome.trace.size(), static_cast<size_t>(run.ticks));
    EXPECT_EQ(outcome.firstDeath, -1) << "the ship went down at tick " << outcome.firstDeath + 1;
    ASSERT_GT(outcome.cleared, 0) << "the stage was never cleared";
    EXPECT_EQ(Number(outcome.trace[static_cast<size_t>(outcome.cleared - 1)], "lives"), 3.0);

    long paid = -1;
    for (long i = outcome.cleared - 1; i > 0 && paid < 0; --i)
        if (Number(outcome.trace[static_cast<size_t>(i)], "score") !=
            Number(outcome.trace[static_cast<size_t>(i - 1)], "score"))
            paid = i;
    ASSERT_GT(paid, 0) << "no score was paid";
    EXPECT_EQ(Number(outcome.trace[static_cast<size_t>(paid)], "score") -
                  Number(outcome.trace[static_cast<size_t>(paid - 1)], "score"),
              run.score);
    EXPECT_EQ(outcome.cleared - paid, 225);
}

// The first line past the clear is the next stage in play, built at time index 0.
void ExpectStageBuiltFromItsStart(const Outcome& outcome, int stage)
{
    ASSERT_GT(outcome.cleared, 0);
    const std::string& next = outcome.trace[static_cast<size_t>(outcome.cleared)];
    EXPECT_EQ(Number(next, "state"), PlayState);
    EXPECT_EQ(Number(next, "stageIndex"), stage);
    EXPECT_EQ(Number(next, "stateTicks"), 1.0) << "built at time index 0, written after its first tick";
    EXPECT_EQ(Number(next, "lives"), 3.0);
}

} // namespace

TEST(BossRuns, TheHiveHeartFallsToAScriptedRookieRunAndTheSecondStageStartsFromItsBeginning)
{
    const BossRun run{1, "1@11100", "stage1.keys", 1900, 1000};
    const Outcome outcome = Fly(run);
    ExpectCleanKill(run, outcome);
    ExpectStageBuiltFromItsStart(outcome, 2);
}

TEST(BossRuns, TheCavernWardenFallsToAScriptedRookieRunAndTheThirdStageStartsFromItsBeginning)
{
    const BossRun run{2, "2@10600", "stage2.keys", 1600, 1000};
    const Outcome outcome = Fly(run);
    ExpectCleanKill(run, outcome);
    ExpectStageBuiltFromItsStart(outcome, 3);
}

TEST(BossRuns, TheFortressGuardianFallsToAScriptedRookieRunAndTheGameEnds)
{
    const BossRun run{3, "3@10000", "stage3.keys", 1400, 1500};
    const Outcome outcome = Fly(run);
    ExpectCleanKill(run, outcome);
    ASSERT_GT(outcome.cleared, 0);
    const std::string& next = outcome.trace[static_cast<size_t>(outcome.cleared)];
    EXPECT_EQ(Number(next, "state"), EndingState);
    EXPECT_EQ(Number(next, "stageIndex"), 4.0);
}

// The mid-bosses, each on every difficulty the Mk I alone can bring it down: the dock gunship
// in stage 1 and again in the fortress, the claw beast in stage 2. The pay (500) comes in
// one tick as it dies, and the ship has not gone down before. On Expert the fortress's
// gunship falls to the stage's clear, whose ship meets it armed from the stage's start.
TEST(BossRuns, EveryMidBossFallsToScriptedRunsOfTheMkIAlone)
{
    for (const BossRun& run : {BossRun{1, "1@4500", "midboss1.keys", 1400, 500, 0},
                               BossRun{1, "1@4500", "midboss1_novice.keys", 1400, 500, 1},
                               BossRun{1, "1@4500", "midboss1_expert.keys", 1400, 500, 2},
                               BossRun{2, "2@4100", "midboss2.keys", 1000, 500, 0},
                               BossRun{2, "2@4100", "midboss2_novice.keys", 1200, 500, 1},
                               BossRun{2, "2@4100", "midboss2_expert.keys", 1300, 500, 2},
                               BossRun{3, "3@7650", "midboss3.keys", 1300, 500, 0},
                               BossRun{3, "3@7650", "midboss3_novice.keys", 1300, 500, 1},
                               BossRun{3, "3", "content/stages/stage3/clear-expert.keys", 9800, 500, 2}}) {
        const Outcome outcome = Fly(run);
        ASSERT_EQ(outcome.trace.size(), static_cast<size_t>(run.ticks));
        long killed = -1;
        for (size_t i = 1; i < outcome.trace.size() && killed < 0; ++i)
            if (Number(outcome.trace[i], "score") - Number(outcome.trace[i - 1], "score") == run.score)
                killed = static_cast<long>(i);
        ASSERT_GT(killed, 0) << run.keys << ": the mid-boss was never killed";
        EXPECT_TRUE(outcome.firstDeath < 0 || outcome.firstDeath > killed)
            << run.keys << ": the ship went down at tick " << outcome.firstDeath + 1 << ", before the kill at "
            << killed + 1;
    }
}
