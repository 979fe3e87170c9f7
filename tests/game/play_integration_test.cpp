// Play through the real binary: the draft stage's whole camera path headless, and the same
// run giving the same trace with and without a window.
#include "support/game_run.hpp"
#include "support/required.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include <cstdlib>
#include <string>

using namespace testing_support;

namespace {

double Number(const std::string& line, const std::string& key)
{
    const size_t at = line.find("\"" + key + "\":");
    EXPECT_NE(at, std::string::npos) << key << " missing in " << line;
    return at == std::string::npos ? -1.0 : std::strtod(line.c_str() + at + key.size() + 3, nullptr);
}

// The draft stage 1's camera halts for the boss at this time index (content/stages/stage1).
constexpr long PathEnd = 11300;

} // namespace

TEST(PlayRun, TheWholeCameraPathOfStageOneRunsHeadless)
{
    // Nobody steers the ship, so it meets the scenery and the enemies now and then: each run
    // starts where the last one's ship died, or 150 ticks on when it died as soon as it could
    // be hit (it flies in untouchable for 150 ticks, so every run gains ground).
    long start = 0;
    int runs = 0;
    while (start < PathEnd && runs < 90) {
        ++runs;
        ScratchDir dir("path");
        const RunResult run = RunGame(dir, "--play 1@" + std::to_string(start) +
                                               " --headless --quit-after 2500 --trace trace.jsonl");
        ASSERT_EQ(run.exitStatus, 0) << "from " << start << ": " << run.output;
        long reached = start;
        for (const std::string& line : ReadLines(dir / "trace.jsonl")) {
            ASSERT_EQ(Number(line, "state"), 8) << line;
            if (Number(line, "health") <= 0.0)
                break;
            reached = static_cast<long>(Number(line, "stateTicks"));
        }
        ASSERT_GE(reached, start + 149) << "from " << start;
        start = std::max(reached, start + 150);
    }
    EXPECT_GE(start, PathEnd) << "after " << runs << " runs";
}

TEST(PlayRun, APlayRunGivesTheSameTraceWithAndWithoutAWindow)
{
    if (!std::getenv("DISPLAY"))
        SKIP_UNLESS_REQUIRED("no display for a windowed run");
    std::string traces[2];
    for (int windowed = 0; windowed < 2; ++windowed) {
        ScratchDir dir("play-trace");
        // Past the waterfall and into the hangar with its video panel.
        const std::string mode = windowed ? "--fixed-step " : "--headless ";
        const RunResult run =
            RunGame(dir, mode + "--play 1@6300 --quit-after 400 --trace trace.jsonl", {"SDL_AUDIODRIVER=dummy"});
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        traces[windowed] = ReadFile(dir / "trace.jsonl");
    }
    EXPECT_NE(traces[0].find("\"stateTicks\":6700"), std::string::npos);
    EXPECT_EQ(traces[0], traces[1]);
}
