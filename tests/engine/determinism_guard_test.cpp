// Replays and demos rely on one random generator and no hidden sources of variation. These
// tests scan the game's own sources for the usual ways of losing that, and run the real
// program twice to see that two runs of one script agree tick for tick.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

const char* const GameFolders[] = {"engine", "graphics", "audio", "input", "world", "player", "enemies", "game", "editor"};
// Folders whose code runs inside a tick: iteration order there is observable.
const char* const SimulationFolders[] = {"world", "player", "enemies", "game", "editor"};

struct Finding {
    std::string where;
    std::string line;
};

// Lines of every C++ source under the given folders that match `pattern`, unless the line
// or the one before it carries `allowNote` (an explanation why it is safe).
std::vector<Finding> Scan(const std::vector<std::string>& folders, const std::regex& pattern, const std::string& allowNote)
{
    std::vector<Finding> findings;
    for (const std::string& folder : folders) {
        const fs::path root = fs::path(SKYREAVER_SOURCE_DIR) / folder;
        if (!fs::exists(root))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".hpp" && ext != ".h"))
                continue;
            std::ifstream in(entry.path());
            std::string line, previous;
            for (int number = 1; std::getline(in, line); ++number, previous = line) {
                const std::string code = line.substr(0, line.find("//"));
                if (!std::regex_search(code, pattern))
                    continue;
                if (!allowNote.empty() && (line.find(allowNote) != std::string::npos ||
                                           previous.find(allowNote) != std::string::npos))
                    continue;
                findings.push_back({fs::relative(entry.path(), SKYREAVER_SOURCE_DIR).string() + ":" +
                                        std::to_string(number),
                                    line});
            }
        }
    }
    return findings;
}

std::string Describe(const std::vector<Finding>& findings)
{
    std::string text;
    for (const Finding& f : findings)
        text += f.where + ": " + f.line + "\n";
    return text;
}

const std::regex ForeignRandomness(
    R"(\b(s?rand|rand_r|random|drand48|gettimeofday)\s*\()"
    R"(|\b(random_device|mt19937(_64)?|default_random_engine|minstd_rand0?|ranlux\w*|knuth_b)\b)"
    R"(|#include\s*<random>|(^|[^\w.>:])time\s*\(|std::time\s*\()");
const std::regex UnorderedContainer(R"(\bunordered_(map|set|multimap|multiset)\b)");

} // namespace

TEST(DeterminismGuard, PatternsCatchWhatTheyAreFor)
{
    // The scan is only as good as its patterns: each known offender must match, and the
    // game's own names that merely look alike must not.
    for (const char* bad : {"int r = rand();", "srand(42);", "std::random_device dev;", "std::mt19937 gen(1);",
                            "#include <random>", "auto now = time(nullptr);", "std::time(0)", "x = random();"})
        EXPECT_TRUE(std::regex_search(std::string(bad), ForeignRandomness)) << bad;
    for (const char* fine : {"int32_t r = Random();", "SeedRandom(1000);", "clock.FrameTime();", "loadTime(x)",
                             "RandomState()", "#include \"graphics/random.hpp\""})
        EXPECT_FALSE(std::regex_search(std::string(fine), ForeignRandomness)) << fine;
    EXPECT_TRUE(std::regex_search(std::string("std::unordered_map<int, Entity*> byId;"), UnorderedContainer));
}

TEST(DeterminismGuard, OnlyTheParkMillerGeneratorAndNoWallClockInTheGame)
{
    const std::vector<Finding> findings =
        Scan({std::begin(GameFolders), std::end(GameFolders)}, ForeignRandomness, "");
    EXPECT_TRUE(findings.empty()) << Describe(findings);
}

TEST(DeterminismGuard, NoUnorderedContainersInTheSimulationUnlessExplained)
{
    // Elsewhere they may stand where a comment "order never observed" says why.
    const std::vector<Finding> findings =
        Scan({std::begin(SimulationFolders), std::end(SimulationFolders)}, UnorderedContainer, "order never observed");
    EXPECT_TRUE(findings.empty()) << Describe(findings);
}

TEST(DeterminismGuard, TwoRunsOfOneScriptGiveTheSameTrace)
{
    // Through the banner, logo and intro into the title and its menus, with keys pressed.
    for (const bool headless : {true, false}) {
        SCOPED_TRACE(headless ? "headless" : "windowed");
        std::vector<std::string> traces;
        for (int run = 0; run < 2; ++run) {
            ScratchDir dir("determinism");
            WriteFile(dir / "keys.txt", "60 RETURN down\n62 RETURN up\n200 RETURN down\n202 RETURN up\n"
                                         "400 DOWN down\n402 DOWN up\n420 UP down\n422 UP up\n");
            const std::string mode = headless ? "--headless " : "--skip-setup --fixed-step ";
            const RunResult result =
                RunGame(dir, mode + "--quit-after 700 --input keys.txt --trace trace.jsonl", {"SDL_AUDIODRIVER=dummy"});
            ASSERT_EQ(result.exitStatus, 0) << result.output;
            traces.push_back(ReadFile(dir / "trace.jsonl"));
        }
        EXPECT_FALSE(traces[0].empty());
        EXPECT_EQ(traces[0], traces[1]);
    }
}
