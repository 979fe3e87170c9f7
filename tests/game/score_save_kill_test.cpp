// "Scores.dat" survives the game being killed at any moment of a save: a child process
// saves two tables in turn without end and is killed with SIGKILL at many different moments;
// each time the file must hold one of the two tables whole.
#include "core/settings_file.hpp"
#include "game/score_file.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

HighScoreTable Table(int32_t base, const char* name)
{
    HighScoreTable table;
    for (int place = 0; place < HighScoreTable::Places; ++place) {
        table.scores[static_cast<size_t>(place)] = base - place;
        table.names[static_cast<size_t>(place)] = HighScoreTable::Name{};
        std::snprintf(table.names[static_cast<size_t>(place)].data(), 6, "%s%i", name, place);
    }
    return table;
}

bool Same(const HighScoreTable& a, const HighScoreTable& b)
{
    return a.scores == b.scores && a.names == b.names;
}

} // namespace

TEST(ScoreSave, AKillAtAnyMomentOfASaveLeavesAWholeTable)
{
    world_testing::TempDir dir("scorekill");
    const std::string file = (dir / "Scores.dat").string();
    const HighScoreTable first = Table(500000, "AA");
    const HighScoreTable second = Table(900000, "ZZ");
    HighScoreTable initial = first;
    ASSERT_TRUE(SaveScores(initial, file));

    int seen[2] = {0, 0};
    for (int round = 0; round < 40; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (unsigned n = 0;; ++n) {
                HighScoreTable table = n % 2 ? first : second;
                SaveScores(table, file);
            }
        }
        // Kill moments spread over several saves' length.
        usleep(static_cast<useconds_t>(300 + (round * 977) % 4000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        Settings().ForgetCreatedFiles();
        HighScoreTable back;
        back.scores.fill(-1);
        LoadOrCreateScores(back, file);
        const bool isFirst = Same(back, first);
        const bool isSecond = Same(back, second);
        EXPECT_TRUE(isFirst || isSecond) << "round " << round << ": a partial table";
        ++seen[isSecond ? 1 : 0];
    }
    EXPECT_GT(seen[1], 0) << "the child never finished a save: the test proved nothing";
}
