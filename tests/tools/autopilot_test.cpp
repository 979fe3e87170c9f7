// The autopilot through its real binaries: a search is repeatable from its seed, the script
// it writes flies in the game exactly as its header says, and every clear script shipped with
// the stages clears its stage with a life kept.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

double Number(const std::string& line, const std::string& key)
{
    const size_t at = line.find("\"" + key + "\":");
    return at == std::string::npos ? -1.0 : std::strtod(line.c_str() + at + key.size() + 3, nullptr);
}

// What a script's header promises.
struct Flight {
    std::string runWith;
    bool cleared = false;
    long tick = 0;
    int lives = 0;
    int score = 0;
};

Flight ReadHeader(const std::string& script)
{
    Flight flight;
    std::smatch match;
    if (std::regex_search(script, match, std::regex("# Run with: ([^\n]*)\n")))
        flight.runWith = match[1];
    if (std::regex_search(script, match,
                          std::regex("# Result: (cleared at|flew to) tick ([0-9]+) with ([0-9]+) lives, score ([0-9]+)"))) {
        flight.cleared = match[1] == "cleared at";
        flight.tick = std::stol(match[2]);
        flight.lives = std::stoi(match[3]);
        flight.score = std::stoi(match[4]);
    }
    return flight;
}

// The script flown by the game itself, headless, to the tick its header names.
std::vector<std::string> Replay(const std::string& script, const Flight& flight)
{
    ScratchDir dir("replay");
    WriteFile(dir / "flight.keys", script);
    const RunResult result = RunGame(dir, flight.runWith + " --headless --quit-after " + std::to_string(flight.tick) +
                                              " --input flight.keys --trace trace.jsonl");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    return ReadLines(dir / "trace.jsonl");
}

} // namespace

TEST(Autopilot, TheSameSeedWritesTheSameFlightWhichTheGameFliesAsItsHeaderSays)
{
    ScratchDir dir("autopilot");
    const std::string search = "--play 1@2000 --difficulty 1 --ship 0 --ticks 600 --aim score --beam 2 --quiet";
    for (const char* out : {"first.keys", "second.keys"}) {
        const RunResult result = RunProgram(dir, SKYREAVER_AUTOPILOT, search + " --out " + out);
        ASSERT_EQ(result.exitStatus, 0) << result.output;
    }
    const std::string script = ReadFile(dir / "first.keys");
    EXPECT_EQ(script, ReadFile(dir / "second.keys"));

    const Flight flight = ReadHeader(script);
    EXPECT_EQ(flight.runWith, "--play 1@2000 --difficulty 1 --ship 0");
    EXPECT_FALSE(flight.cleared);
    ASSERT_GE(flight.tick, 600);
    const std::vector<std::string> trace = Replay(script, flight);
    ASSERT_EQ(trace.size(), static_cast<size_t>(flight.tick));
    EXPECT_EQ(Number(trace.back(), "lives"), flight.lives);
    EXPECT_EQ(Number(trace.back(), "score"), flight.score);
    EXPECT_GT(flight.score, 0) << "a scoring flight kills something";
}

TEST(Autopilot, TheSearchSaysWhatIsWrongWithItsCommandLine)
{
    ScratchDir dir("autopilot-usage");
    for (const char* arguments : {"--out x.keys", "--play 1 --beam 0 --out x.keys", "--play 1 --aim far --out x.keys",
                                  "--play 1"}) {
        const RunResult result = RunProgram(dir, SKYREAVER_AUTOPILOT, arguments);
        EXPECT_EQ(result.exitStatus, 2) << arguments;
        EXPECT_NE(result.output.find("usage: skyreaver_autopilot"), std::string::npos) << result.output;
    }
    EXPECT_FALSE(fs::exists(dir / "x.keys"));
}

// Rookie and Novice for every stage (Expert where the search found one): each ends with the
// next stage (or the ending) reached and the ship never out of lives on the way.
TEST(StageClears, EveryShippedClearScriptClearsItsStageWithALifeKept)
{
    for (int stage = 1; stage <= 3; ++stage) {
        const fs::path folder = fs::path(SKYREAVER_SOURCE_DIR) / "content/stages" / ("stage" + std::to_string(stage));
        for (const char* name : {"rookie", "novice", "expert"}) {
            const fs::path path = folder / ("clear-" + std::string(name) + ".keys");
            if (std::string(name) == "expert" && !fs::exists(path))
                continue;
            SCOPED_TRACE(path.string());
            const std::string script = ReadFile(path);
            const Flight flight = ReadHeader(script);
            ASSERT_TRUE(flight.cleared) << "the script does not say it clears the stage";
            EXPECT_EQ(flight.runWith.rfind("--play " + std::to_string(stage) + " ", 0), 0u) << flight.runWith;
            const std::vector<std::string> trace = Replay(script, flight);
            ASSERT_EQ(trace.size(), static_cast<size_t>(flight.tick));
            for (size_t i = 0; i + 1 < trace.size(); ++i)
                ASSERT_EQ(Number(trace[i], "stageIndex"), stage) << "left the stage early, line " << i + 1;
            EXPECT_EQ(Number(trace.back(), "stageIndex"), stage + 1);
            EXPECT_GE(Number(trace.back(), "lives"), 1.0);
            EXPECT_EQ(Number(trace.back(), "score"), flight.score);
        }
    }
}
