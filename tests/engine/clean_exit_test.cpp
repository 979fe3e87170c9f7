// A player who quits must never see a crash: the real program, started and quit again and
// again at different moments (audio running, music starting, fades under way), exits 0.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

TEST(CleanExit, TwentyQuitsInARowAllExitZero)
{
    ScratchDir dir("quit");
    for (int run = 0; run < 20; ++run) {
        // From the first ticks of the banner to the studio logo's music.
        const int ticks = 1 + run * 13;
        const RunResult result = RunGame(dir, "--skip-setup --fixed-step --quit-after " + std::to_string(ticks),
                                         {"SDL_AUDIODRIVER=dummy"});
        ASSERT_EQ(result.exitStatus, 0) << "run " << run << " quit after " << ticks << " ticks:\n" << result.output;
    }
}
