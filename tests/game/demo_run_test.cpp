// The shipped demos through the real binary: left idle, the title plays them in turn, each
// a good flight of 1500 ticks, and each replays the same with and without a window.
#include "support/game_run.hpp"
#include "support/required.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

constexpr int TitleState = 0, IntroState = 4, PlayState = 8, HiScoreState = 11;
constexpr int DemoCount = 5;
constexpr long DemoLength = 1500;

double Number(const std::string& line, const std::string& key)
{
    const size_t at = line.find("\"" + key + "\":");
    return at == std::string::npos ? -1.0 : std::strtod(line.c_str() + at + key.size() + 3, nullptr);
}

bool InDemo(const std::string& line)
{
    return line.find("\"demoMode\":true") != std::string::npos;
}

struct PlannedFlight {
    int stage = 0;
    long start = 0;
};

// The stage and time index of each shipped flight, from its options.
std::vector<PlannedFlight> ShippedDemos()
{
    std::vector<PlannedFlight> demos;
    for (int n = 1; n <= DemoCount; ++n) {
        const std::string args =
            ReadFile(std::string(SKYREAVER_SOURCE_DIR) + "/content/demos/DemoStage" + std::to_string(n) + ".args");
        PlannedFlight planned;
        const size_t at = args.find("--play ");
        EXPECT_NE(at, std::string::npos) << "demo " << n;
        if (at != std::string::npos) {
            std::istringstream play(args.substr(at + 7));
            char separator = 0;
            play >> planned.stage >> separator >> planned.start;
        }
        demos.push_back(planned);
    }
    return demos;
}

std::string Press(long tick, const std::string& key)
{
    return std::to_string(tick) + " " + key + " down\n" + std::to_string(tick + 1) + " " + key + " up\n";
}

// Banner skipped at tick 60, intro skipped at 480: the title from tick 506, the first demo
// in play 525 ticks later.
const std::string ToTitle = Press(60, "RETURN") + Press(480, "Z");
constexpr long FirstDemoTick = 506 + 525;

// The runs of consecutive lines in play during a demo.
std::vector<std::vector<std::string>> DemoFlights(const std::vector<std::string>& trace)
{
    std::vector<std::vector<std::string>> flights;
    bool inFlight = false;
    for (const std::string& line : trace) {
        const bool flying = InDemo(line) && Number(line, "state") == PlayState;
        if (flying && !inFlight)
            flights.emplace_back();
        if (flying)
            flights.back().push_back(line);
        inFlight = flying;
    }
    return flights;
}

// The ship lives through the whole flight, shoots things and ends the demo at its 1500th
// tick with the game-over fade.
void ExpectGoodFlight(const std::vector<std::string>& flight, const PlannedFlight& planned, int number)
{
    SCOPED_TRACE("demo " + std::to_string(number));
        EXPECT_EQ(Number(flight.front(), "stageIndex"), planned.stage);
    EXPECT_EQ(Number(flight.front(), "stateTicks"), planned.start) << "built at the demo's time index";
    for (long i = 0; i <= DemoLength; ++i) {
        const std::string& line = flight[static_cast<size_t>(i)];
        ASSERT_GT(Number(line, "health"), 0.0) << "the ship went down " << i << " ticks in";
        ASSERT_EQ(Number(line, "lives"), 3.0);
    }
    ASSERT_GT(flight.size(), static_cast<size_t>(DemoLength + 1));
    EXPECT_EQ(Number(flight[DemoLength], "stateTicks"), planned.start + DemoLength);
    EXPECT_EQ(Number(flight[DemoLength + 1], "stateTicks"), planned.start + DemoLength)
        << "the world stands still from the 1500th tick";
    EXPECT_GE(Number(flight[DemoLength], "score") - Number(flight.front(), "score"), 500)
        << "a demo shows the ship shooting things";
}

} // namespace

TEST(DemoRun, IdlingOnTheTitlePlaysTheFiveDemosInTurnAndEachFliesWell)
{
    const std::vector<PlannedFlight> demos = ShippedDemos();
    ScratchDir dir("demos");
    WriteFile(dir / "keys.txt", ToTitle);
    const RunResult run = RunGame(dir, "--skip-setup --headless --input keys.txt --trace trace.jsonl "
                                       "--quit-after 24000");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const auto trace = ReadLines(dir / "trace.jsonl");
    const auto flights = DemoFlights(trace);
    ASSERT_GE(flights.size(), static_cast<size_t>(DemoCount + 1)) << "five demos and the first again";
    for (size_t i = 0; i < flights.size(); ++i)
        ExpectGoodFlight(flights[i], demos[i % DemoCount], static_cast<int>(i % DemoCount) + 1);

    // Each demo ends with the table shown, then the intro, then the title again.
    std::vector<int> screens;
    for (const std::string& line : trace) {
        const int state = static_cast<int>(Number(line, "state"));
        if (InDemo(line) && (screens.empty() || screens.back() != state))
            screens.push_back(state);
    }
    const std::vector<int> cycle = {TitleState, PlayState, HiScoreState, IntroState};
    for (size_t i = 0; i + cycle.size() <= screens.size() && i < cycle.size() * DemoCount; ++i)
        ASSERT_EQ(screens[i], cycle[i % cycle.size()]) << "screen " << i;
    const std::string log = ReadFile(dir / "Logfile.txt");
    EXPECT_NE(log.find("Demo loaded.\n"), std::string::npos);
    EXPECT_EQ(log.find("could not"), std::string::npos) << log;
}

// A windowed flight costs minutes under a software renderer, so `make test` replays the
// first demo; SKYREAVER_ALL_DEMOS=1 replays all five.
TEST(DemoRun, ADemoReplaysTheSameWithAndWithoutAWindow)
{
    if (!std::getenv("DISPLAY"))
        SKIP_UNLESS_REQUIRED("no display for a windowed run");
    const std::vector<PlannedFlight> demos = ShippedDemos();
    const std::filesystem::path shipped = std::string(SKYREAVER_RUN_DIR) + "/Demos";
    const char* all = std::getenv("SKYREAVER_ALL_DEMOS");
    const int last = all && std::string(all) == "1" ? DemoCount : 1;
    for (int n = 1; n <= last; ++n) {
        SCOPED_TRACE("demo " + std::to_string(n));
        std::vector<std::string> flights[2];
        for (int windowed = 0; windowed < 2; ++windowed) {
            ScratchDir dir("demo-window");
            // The demo under test is the one the title plays first.
            std::filesystem::remove(dir / "Demos");
            std::filesystem::create_directory(dir / "Demos");
            std::filesystem::copy_file(shipped / ("DemoStage" + std::to_string(n) + ".dem"),
                                       dir / "Demos/DemoStage1.dem");
            // The smallest window without the costly passes: the simulation is what is compared.
            WriteFile(dir / "Engine.cfg", "[Display Properties]\r\nRes\t= 0\r\nVsync\t= 0\r\nShowFPS\t= 0\r\n"
                                          "ScanLines\t= 0\r\nBloom\t= 0\r\nFullscreen\t= 0\r\n");
            WriteFile(dir / "keys.txt", ToTitle);
            const std::string mode = windowed ? "--fixed-step " : "--headless ";
            const RunResult run = RunGame(dir,
                                          mode + "--skip-setup --input keys.txt --trace trace.jsonl --quit-after " +
                                              std::to_string(FirstDemoTick + DemoLength + 10),
                                          {"SDL_AUDIODRIVER=dummy"}, 300);
            ASSERT_EQ(run.exitStatus, 0) << run.output;
            const auto found = DemoFlights(ReadLines(dir / "trace.jsonl"));
            ASSERT_EQ(found.size(), 1u);
            flights[windowed] = found[0];
        }
        ExpectGoodFlight(flights[0], demos[static_cast<size_t>(n - 1)], n);
        EXPECT_EQ(flights[0], flights[1]);
    }
}
