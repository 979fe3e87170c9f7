// The controls screen in the real binary: keys scripted through the title into the screen
// rebind FIRE and DOWN, BACK saves Controls.dat, and the next start plays by it.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {

std::string Press(long tick, const std::string& key)
{
    return std::to_string(tick) + " " + key + " down\n" + std::to_string(tick + 1) + " " + key + " up\n";
}

// Banner skipped at 60, intro at 480: the title is entered at tick 506.
std::string ToTitle()
{
    return Press(60, "RETURN") + Press(480, "Z");
}

// The "state" of every trace line, in tick order.
std::vector<int> States(const ScratchDir& dir)
{
    std::vector<int> states;
    for (const std::string& line : ReadLines(dir / "trace.jsonl")) {
        const size_t at = line.find("\"state\":");
        states.push_back(at == std::string::npos ? -1 : std::stoi(line.substr(at + 8)));
    }
    return states;
}

bool Reaches(const std::vector<int>& states, int state, size_t from)
{
    for (size_t i = from; i < states.size(); ++i)
        if (states[i] == state)
            return true;
    return false;
}

constexpr int Title = 0, Controls = 1, ShipSelect = 7;

} // namespace

TEST(ControlsScreen, RebindingIsSavedOnBackAndReadAtTheNextStart)
{
    ScratchDir dir("controls-screen");
    std::string script = ToTitle();
    script += Press(520, "DOWN") + Press(530, "RETURN");   // CONTROLS
    for (long tick : {600, 610, 620, 630})                   // row 4: FIRE, primary
        script += Press(tick, "DOWN");
    script += Press(640, "RETURN") + Press(645, "ESCAPE") + Press(650, "F");
    script += Press(660, "UP") + Press(670, "RETURN") + Press(680, "G"); // row 3: DOWN
    for (long tick : {690, 700, 710, 720})                   // up past row 0 to BACK
        script += Press(tick, "UP");
    script += Press(730, "RETURN");
    WriteFile(dir / "keys.txt", script);
    RunResult run = RunGame(dir, "--skip-setup --headless --input keys.txt --trace trace.jsonl --quit-after 800");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    std::vector<int> states = States(dir);
    ASSERT_EQ(states.size(), 800u);
    EXPECT_EQ(states[560], Controls);
    EXPECT_EQ(states[729], Controls);
    EXPECT_EQ(states.back(), Title) << "BACK fades to the title";

    const std::string saved = ReadFile(dir / "Controls.dat");
    EXPECT_NE(saved.find("FIRE_PRIMARY\t= 102\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("DOWN_PRIMARY\t= 103\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("LEFT_PRIMARY\t= 276\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.rfind("[Control Configuration]\r\n", 0), 0u);

    // Next start: G is DOWN, so the title moves to CONTROLS instead of selecting START GAME.
    WriteFile(dir / "keys.txt", ToTitle() + Press(520, "G") + Press(530, "RETURN"));
    run = RunGame(dir, "--skip-setup --headless --input keys.txt --trace trace.jsonl --quit-after 600");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    states = States(dir);
    EXPECT_TRUE(Reaches(states, Controls, 530));
    EXPECT_FALSE(Reaches(states, ShipSelect, 506));
    EXPECT_EQ(ReadFile(dir / "Controls.dat"), saved) << "an existing file is only read";
}

TEST(ControlsScreen, MissingControlsFileIsCreatedWithTheDefaultsAtStart)
{
    ScratchDir dir("controls-start");
    const RunResult run = RunGame(dir, "--skip-setup --headless --quit-after 3");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::string file = ReadFile(dir / "Controls.dat");
    EXPECT_EQ(file.rfind("[Control Configuration]\r\nLEFT_PRIMARY\t= 276\r\nLEFT_SECONDARY\t= 323\r\n", 0), 0u)
        << file;
    EXPECT_NE(file.find("PAUSE_SECONDARY\t= 19\r\nSENSITIVITY\t= 80\r\nAUTOFIRE\t= 0\r\n"), std::string::npos);
    // Headless runs open no devices: the joystick search is not made.
    EXPECT_EQ(ReadFile(dir / "Logfile.txt").find("[Searching for Joystick]"), std::string::npos);
}

TEST(ControlsScreen, WindowedStartSearchesForJoysticks)
{
    ScratchDir dir("controls-joystick");
    const RunResult run = RunGame(dir, "--skip-setup --fixed-step --quit-after 3");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::string log = ReadFile(dir / "Logfile.txt");
    const size_t at = log.find("\n[Searching for Joystick]\n");
    ASSERT_NE(at, std::string::npos) << log;
    // This machine has no joystick devices.
    EXPECT_EQ(log.find("No joysticks found...\n", at), at + std::string("\n[Searching for Joystick]\n").size());
}
