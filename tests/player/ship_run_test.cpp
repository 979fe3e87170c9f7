// Each of the four ships flown by a key script through the real binary, headless: it fires,
// charges and releases its force, flies into the ceiling, and comes back at the checkpoint.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

double Number(const std::string& line, const std::string& key)
{
    const size_t at = line.find("\"" + key + "\":");
    return at == std::string::npos ? -1.0 : std::strtod(line.c_str() + at + key.size() + 3, nullptr);
}

std::string Press(long down, long up, const std::string& key)
{
    return std::to_string(down) + " " + key + " down\n" + std::to_string(up) + " " + key + " up\n";
}

} // namespace

TEST(ShipRuns, EveryShipFiresChargesDiesOnTheCeilingAndFliesInAgain)
{
    for (int ship = 0; ship < 4; ++ship) {
        SCOPED_TRACE(ship);
        ScratchDir dir("ship");
        // Launched by tick 151: taps of FIRE, a hold long enough for every ship's full force (the
        // Mk II gains one a tick), then up into the rock.
        const std::string keys = Press(170, 172, "Z") + Press(180, 182, "Z") + Press(200, 330, "Z") +
                                 Press(350, 650, "UP");
        WriteFile(dir / "keys.txt", keys);
        const RunResult run = RunGame(dir, "--play 1@900 --ship " + std::to_string(ship) +
                                               " --headless --quit-after 900 --input keys.txt --trace trace.jsonl");
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        const std::vector<std::string> trace = ReadLines(dir / "trace.jsonl");
        ASSERT_EQ(trace.size(), 900u);
        double mostShots = 0.0;
        for (long tick = 170; tick < 200; ++tick)
            mostShots = std::max(mostShots, Number(trace[static_cast<size_t>(tick - 1)], "playerShots"));
        EXPECT_GE(mostShots, 2.0) << "the taps fired the cannon";
        double afterRelease = 0.0;
        for (long tick = 330; tick < 345; ++tick)
            afterRelease = std::max(afterRelease, Number(trace[static_cast<size_t>(tick - 1)], "playerShots"));
        EXPECT_GE(afterRelease, 1.0) << "the release fired the force";

        long died = -1, back = -1;
        for (size_t i = 350; i < trace.size(); ++i) {
            const double health = Number(trace[i], "health");
            if (died < 0 && health <= 0.0)
                died = static_cast<long>(i) + 1;
            if (died > 0 && back < 0 && health > 0.0)
                back = static_cast<long>(i) + 1;
        }
        ASSERT_GT(died, 0) << "holding UP flies the ship into the ceiling";
        ASSERT_GT(back, 0);
        EXPECT_EQ(back - died, 151) << "rebuilt 151 ticks after the crash";
        EXPECT_EQ(Number(trace.back(), "lives"), 2.0);
    }
}
