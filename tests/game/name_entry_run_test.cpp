// The end of a lost game through the real binary, headless: a score that beats the tenth
// entry leads to the name entry, the typed name is saved as shown, then the continue offer.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

constexpr int PlayState = 8, ContinueState = 9, HiScoreState = 11;

double Number(const std::string& line, const std::string& key)
{
    const size_t at = line.find("\"" + key + "\":");
    return at == std::string::npos ? -1.0 : std::strtod(line.c_str() + at + key.size() + 3, nullptr);
}

long FirstTickIn(const std::vector<std::string>& trace, int state)
{
    for (const std::string& line : trace)
        if (Number(line, "state") == state)
            return static_cast<long>(Number(line, "tick"));
    return -1;
}

// The first boss's flight up to its first 400 points (tick 1354), then straight into the
// boss, and the same after every restart until the last life is gone.
std::string ScoreThenCrash()
{
    std::istringstream boss(ReadFile(std::string(SKYREAVER_FIXTURES) + "/boss_runs/stage1.keys"));
    std::string script, line;
    while (std::getline(boss, line)) {
        long tick = 0;
        if (line.empty() || line[0] == '#' || !(std::istringstream(line) >> tick) || tick >= 1380)
            continue;
        script += line + "\n";
    }
    for (const char* key : {"Z", "UP", "DOWN", "LEFT", "RIGHT"})
        script += "1400 " + std::string(key) + " up\n";
    return script + "1401 RIGHT down\n";
}

std::string Press(long tick, const std::string& key)
{
    return std::to_string(tick) + " " + key + " down\n" + std::to_string(tick + 1) + " " + key + " up\n";
}

} // namespace

TEST(NameEntryRun, ALostGameAboveTheTenthEntryTakesANameThenOffersTheContinue)
{
    ScratchDir dir("nameentry");
    // A table whose tenth entry the 400 points beat, and whose first they beat too.
    std::string table = "[Score Sheet]\r\n";
    for (int place = 1; place <= 10; ++place)
        table += std::to_string(place) + "PLACE\t= " + std::to_string(110 - 10 * place) + "\r\n";
    WriteFile(dir / "Scores.dat", table);

    // The table is up by tick 4249; the name is typed from 4400 on, with a space in it.
    std::string script = ScoreThenCrash();
    long tick = 4400;
    for (const char* key : {"A", "SPACE", "B", "C", "D"}) {
        script += Press(tick, key);
        tick += 10;
    }
    WriteFile(dir / "keys.txt", script);
    const RunResult run = RunGame(dir, "--play 1@11100 --difficulty 0 --ship 0 --headless --quit-after 4700 "
                                       "--input keys.txt --trace trace.jsonl");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const auto trace = ReadLines(dir / "trace.jsonl");

    const long tableTick = FirstTickIn(trace, HiScoreState);
    ASSERT_GT(tableTick, 0) << "the game over led to the table";
    EXPECT_LT(tableTick, 4400);
    ASSERT_GT(tableTick, 1);
    const std::string& before = trace[static_cast<size_t>(tableTick - 2)];
    EXPECT_EQ(Number(before, "state"), PlayState);
    EXPECT_EQ(Number(before, "score"), 400);
    EXPECT_EQ(Number(before, "lives"), 0);

    const long offer = FirstTickIn(trace, ContinueState);
    ASSERT_GT(offer, 4440) << "the continue comes after the name";
    EXPECT_EQ(offer, 4440 + 100 + 75 + 1) << "the fifth letter starts a hold of 100 ticks and a fade of 75";

    const std::string saved = ReadFile(dir / "Scores.dat");
    EXPECT_NE(saved.find("1STPLACENAME\t= A%20BCD\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("1PLACE\t= 400\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("2PLACE\t= 100\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("10PLACE\t= 20\r\n"), std::string::npos) << "the old tenth entry is dropped";
}
