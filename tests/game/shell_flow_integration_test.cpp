// The boot sequence, the secret entry, the title menu and quitting, driven through the real
// binary with scripted keys and checked tick by tick in its trace.
#include "game/shell_menus.hpp"
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

struct TraceTick {
    long tick = 0;
    int state = -1;
    long stateTicks = 0;
    int difficulty = 0;
    bool demoMode = false;
};

long Field(const std::string& line, const std::string& key)
{
    const size_t at = line.find("\"" + key + "\":");
    EXPECT_NE(at, std::string::npos) << key << " missing in " << line;
    return at == std::string::npos ? -1 : std::stol(line.substr(at + key.size() + 3));
}

std::vector<TraceTick> RunShell(const std::string& tag, const std::string& script, long ticks, int* status = nullptr)
{
    ScratchDir dir(tag);
    WriteFile(dir / "keys.txt", script);
    const RunResult run = RunGame(dir, "--skip-setup --headless --fixed-step --input keys.txt --trace trace.jsonl "
                                       "--quit-after " + std::to_string(ticks));
    if (status)
        *status = run.exitStatus;
    else
        EXPECT_EQ(run.exitStatus, 0) << run.output;
    std::vector<TraceTick> trace;
    for (const std::string& line : ReadLines(dir / "trace.jsonl")) {
        TraceTick tick;
        tick.tick = Field(line, "tick");
        tick.state = int(Field(line, "state"));
        tick.stateTicks = Field(line, "stateTicks");
        tick.difficulty = int(Field(line, "difficulty"));
        tick.demoMode = line.find("\"demoMode\":true") != std::string::npos;
        trace.push_back(tick);
    }
    return trace;
}

// The first tick at or after `from` in that state, or -1.
long FirstTickIn(const std::vector<TraceTick>& trace, int state, long from = 0)
{
    for (const TraceTick& tick : trace)
        if (tick.tick >= from && tick.state == state)
            return tick.tick;
    return -1;
}

const TraceTick& At(const std::vector<TraceTick>& trace, long tick)
{
    static const TraceTick none;
    return tick >= 1 && size_t(tick) <= trace.size() ? trace[tick - 1] : none;
}

std::string Press(long tick, const std::string& key)
{
    return std::to_string(tick) + " " + key + " down\n" + std::to_string(tick + 1) + " " + key + " up\n";
}

// Banner skipped at tick 60 (logo from 86, intro from 462), intro skipped at 480: the title
// is entered at tick 506.
constexpr long TitleTick = 506;
std::string ToTitle()
{
    return Press(60, "RETURN") + Press(480, "Z");
}

constexpr int Title = 0, Options = 2, StudioLogo = 3, IntroStory = 4, Cheats = 5, Banner = 6, ShipSelect = 7,
              Play = 8;

} // namespace

TEST(ShellFlow, BootRunsBannerLogoAndIntroAtTheirTickCountsAndTheIntroIgnoresEarlyKeys)
{
    // Z in the intro's first ticks is ignored; at intro tick 48 it leads to the title.
    const auto trace = RunShell("boot", Press(555, "Z") + Press(600, "Z"), 640);
    ASSERT_EQ(trace.size(), 640u);
    EXPECT_EQ(At(trace, 1).state, Banner);
    EXPECT_EQ(At(trace, 1).stateTicks, 1);
    EXPECT_EQ(At(trace, 150).stateTicks, 150);
    // The banner ends at 150, its 25-tick fade completes on its 26th processing.
    EXPECT_EQ(FirstTickIn(trace, StudioLogo), 176);
    EXPECT_EQ(At(trace, 176).stateTicks, 0);
    EXPECT_EQ(FirstTickIn(trace, IntroStory), 176 + 350 + 26);
    EXPECT_EQ(At(trace, 552).stateTicks, 0);
    EXPECT_EQ(At(trace, 600).stateTicks, 48);
    EXPECT_EQ(FirstTickIn(trace, Title), 626) << "the early press did nothing, the later one faded to white";
    EXPECT_EQ(At(trace, 626).stateTicks, 0);
    EXPECT_TRUE(At(trace, 626).demoMode) << "the title arms the demo";
    EXPECT_FALSE(At(trace, 625).demoMode);
}

TEST(ShellFlow, SelectSkipsTheBannerOnlyAfterTick50)
{
    const auto early = RunShell("banner", Press(40, "RETURN"), 200);
    EXPECT_EQ(FirstTickIn(early, StudioLogo), 176) << "a press before tick 50 is ignored";
    const auto skipped = RunShell("banner", Press(60, "RETURN"), 200);
    EXPECT_EQ(FirstTickIn(skipped, StudioLogo), 86);
}

TEST(ShellFlow, TheSecretCodeOnTheLogoReachesCheatsAndReadyFadesToTheTitle)
{
    std::string script = Press(60, "RETURN");
    const char* code[] = {"UP", "DOWN", "X", "LEFT", "RIGHT", "Z", "UP", "C", "DOWN", "LEFT", "RIGHT"};
    long tick = 100;
    for (const char* key : code) {
        script += Press(tick, key);
        tick += 4;
    }
    const long lastPress = tick - 4;
    // On the cheats screen (100-tick fade in): down five times to READY, then Select.
    const long cheats = lastPress + 26;
    for (int i = 0; i < 5; ++i)
        script += Press(cheats + 120 + 4 * i, "DOWN");
    script += Press(cheats + 150, "RETURN");
    const auto trace = RunShell("secret", script, cheats + 220);
    EXPECT_EQ(FirstTickIn(trace, IntroStory), -1);
    EXPECT_EQ(FirstTickIn(trace, Cheats), cheats);
    EXPECT_EQ(FirstTickIn(trace, Title), cheats + 150 + 51) << "READY: a 50-tick fade to white";
}

TEST(ShellFlow, AWrongPressAmongTheElevenLeadsToTheIntro)
{
    std::string script = Press(60, "RETURN");
    const char* presses[] = {"UP", "DOWN", "X", "LEFT", "LEFT", "Z", "UP", "C", "DOWN", "LEFT", "RIGHT"};
    long tick = 100;
    for (const char* key : presses) {
        script += Press(tick, key);
        tick += 4;
    }
    const auto trace = RunShell("secret", script, 220);
    EXPECT_EQ(FirstTickIn(trace, Cheats), -1);
    EXPECT_EQ(FirstTickIn(trace, IntroStory), tick - 4 + 26);
}

TEST(ShellFlow, LeftAndRightOnStartGameCycleTheDifficultyAndRestartTheCountdown)
{
    std::string script = ToTitle();
    script += Press(520, "RIGHT") + Press(530, "RIGHT") + Press(540, "RIGHT") + Press(550, "LEFT");
    // On CONTROLS the arrows change nothing; back up to START GAME at 580.
    script += Press(560, "DOWN") + Press(570, "RIGHT") + Press(580, "UP");
    const auto trace = RunShell("difficulty", script, 1110);
    ASSERT_EQ(At(trace, TitleTick).state, Title);
    EXPECT_EQ(At(trace, 519).difficulty, 0);
    EXPECT_EQ(At(trace, 520).difficulty, 1);
    EXPECT_EQ(At(trace, 530).difficulty, 2);
    EXPECT_EQ(At(trace, 540).difficulty, 0) << "EXPERT wraps to ROOKIE";
    EXPECT_EQ(At(trace, 550).difficulty, 2) << "ROOKIE wraps back to EXPERT";
    EXPECT_EQ(At(trace, 575).difficulty, 2) << "RIGHT on CONTROLS does nothing";
    // The last menu movement at 580 restarts the 500-tick countdown: the demo fade starts at
    // 1080 and completes 26 ticks later (without the restarts it would be 1032).
    EXPECT_GT(At(trace, 1105).stateTicks, 500);
    EXPECT_EQ(At(trace, 1105).state, Title);
    EXPECT_EQ(At(trace, 1106).state, Play);
    EXPECT_TRUE(At(trace, 1106).demoMode);
}

// Needs the ships' selection previews in the run directory: ship selection loads them all.
TEST(ShellFlow, StartGameLeadsThroughShipSelectionIntoPlayOnStageOneAtTimeIndexZero)
{
    // Z chooses START GAME and stays down through the fade: it must not launch as well.
    const long choose = TitleTick + 20;
    const long select = choose + 26;
    std::string script = ToTitle() + std::to_string(choose) + " Z down\n" + std::to_string(select + 30) + " Z up\n";
    // Mk II, then two to the left: the Butterfly, locked without the cheat, refuses Select.
    script += Press(select + 40, "RIGHT") + Press(select + 45, "LEFT") + Press(select + 50, "LEFT");
    script += Press(select + 55, "RETURN");
    // Back to the Mk I; down to the gun pod row and change it; launch with FIRE.
    script += Press(select + 60, "RIGHT");
    for (int i = 0; i < 6; ++i)
        script += Press(select + 65 + 3 * i, "DOWN");
    script += Press(select + 85, "RIGHT") + Press(select + 90, "Z");
    const auto trace = RunShell("start", script, select + 200);
    EXPECT_EQ(FirstTickIn(trace, ShipSelect), select) << "a 25-tick fade to black, then ship selection";
    EXPECT_EQ(At(trace, select + 89).state, ShipSelect) << "neither the held key nor the locked ship launched";
    const long playAt = FirstTickIn(trace, Play);
    EXPECT_EQ(playAt, select + 90 + 26) << "FIRE launches through a 25-tick fade";
    EXPECT_EQ(At(trace, playAt).stateTicks, 0);
    EXPECT_EQ(At(trace, playAt + 50).stateTicks, 50);
    EXPECT_FALSE(At(trace, playAt + 50).demoMode);
}

TEST(ShellFlow, EscapeOnShipSelectionReturnsToTheTitle)
{
    const long select = TitleTick + 20 + 26;
    const std::string script = ToTitle() + Press(TitleTick + 20, "RETURN") + Press(select + 40, "ESCAPE");
    const auto trace = RunShell("back", script, select + 100);
    EXPECT_EQ(FirstTickIn(trace, ShipSelect), select);
    EXPECT_EQ(FirstTickIn(trace, Title, select), select + 40 + 26);
    EXPECT_EQ(FirstTickIn(trace, Play), -1);
}

TEST(ShellFlow, FiveHundredIdleTicksStartADemoAndInputIsRefusedMeanwhile)
{
    // Select right after the demo trigger would otherwise lead to ship selection.
    const std::string script = ToTitle() + Press(TitleTick + 505, "RETURN");
    const auto trace = RunShell("demo", script, TitleTick + 540);
    const long demoStart = TitleTick + 500;
    EXPECT_EQ(FirstTickIn(trace, ShipSelect), -1) << "input is refused during the demo fade";
    EXPECT_GT(At(trace, demoStart + 25).stateTicks, 500);
    EXPECT_EQ(At(trace, demoStart + 25).state, Title);
    EXPECT_EQ(At(trace, demoStart + 26).state, Play) << "the fade's 26th pass starts the demo";
    EXPECT_TRUE(At(trace, demoStart + 26).demoMode);
}

TEST(ShellFlow, AMissingDemoIsLoggedAndTheTitleComesBack)
{
    ScratchDir dir("nodemo");
    std::filesystem::remove(dir / "Demos");
    WriteFile(dir / "keys.txt", ToTitle());
    const long demoStart = TitleTick + 500;
    const RunResult run = RunGame(dir, "--skip-setup --headless --fixed-step --input keys.txt --trace trace.jsonl "
                                       "--quit-after " + std::to_string(demoStart + 560));
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const auto lines = ReadLines(dir / "trace.jsonl");
    ASSERT_EQ(lines.size(), static_cast<size_t>(demoStart + 560)) << "the game did not close by itself";
    EXPECT_EQ(Field(lines[demoStart + 25], "state"), Title);
    EXPECT_EQ(Field(lines[demoStart + 25], "stateTicks"), 0) << "a fresh title";
    EXPECT_EQ(lines[demoStart + 559].find("\"state\":8"), std::string::npos);
    const std::string log = ReadFile(dir / "Logfile.txt");
    EXPECT_NE(log.find("Demos/DemoStage1.dem: the demo cannot be read.\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Demos/DemoStage2.dem: the demo cannot be read.\n"), std::string::npos)
        << "the next idle spell tries the next demo";
}

TEST(ShellFlow, QuitAndEscapeOnTheTitleEndTheProgramWithStatusZero)
{
    int status = -1;
    const std::string quit = ToTitle() + Press(520, "DOWN") + Press(525, "DOWN") + Press(530, "DOWN") +
                             Press(540, "RETURN");
    const auto quitTrace = RunShell("quit", quit, 5000, &status);
    EXPECT_EQ(status, 0);
    ASSERT_FALSE(quitTrace.empty());
    EXPECT_EQ(quitTrace.back().tick, 540 + 26) << "QUIT fades for 25 ticks, then the program ends";
    EXPECT_FALSE(quitTrace.back().demoMode) << "a confirmed choice clears demoMode";

    const auto escapeTrace = RunShell("quit", ToTitle() + Press(520, "ESCAPE"), 5000, &status);
    EXPECT_EQ(status, 0);
    ASSERT_FALSE(escapeTrace.empty());
    EXPECT_EQ(escapeTrace.back().tick, 520 + 26);
}

TEST(ShellFlow, OptionsIsReachedFromTheTitleAndBackReturnsToIt)
{
    // OPTIONS is the third item; BACK is the fifth item of the options screen.
    std::string script = ToTitle() + Press(520, "DOWN") + Press(525, "DOWN") + Press(530, "RETURN");
    const long options = 530 + 26;
    for (int i = 0; i < 4; ++i)
        script += Press(options + 40 + 4 * i, "DOWN");
    script += Press(options + 60, "RETURN");
    const auto trace = RunShell("options", script, options + 100);
    EXPECT_EQ(FirstTickIn(trace, Options), options);
    EXPECT_EQ(FirstTickIn(trace, Title, options), options + 60 + 26);
}

// The volumes chosen are stored in Engine.cfg when the screen is left, and a new run starts
// with them: its BACK stores what it started with, unchanged.
TEST(ShellFlow, VolumesChangedOnTheOptionsScreenSurviveARestart)
{
    ScratchDir dir("volumes");
    const long options = 530 + 26;
    const std::string toOptions = ToTitle() + Press(520, "DOWN") + Press(525, "DOWN") + Press(530, "RETURN");
    std::string change = toOptions;
    for (int i = 0; i < 3; ++i)
        change += Press(options + 40 + 4 * i, "LEFT");
    change += Press(options + 60, "DOWN");
    for (int i = 0; i < 2; ++i)
        change += Press(options + 70 + 4 * i, "LEFT");
    change += Press(options + 90, "DOWN") + Press(options + 94, "DOWN") + Press(options + 98, "DOWN");
    change += Press(options + 110, "RETURN");
    std::string leave = toOptions;
    for (int i = 0; i < 4; ++i)
        leave += Press(options + 40 + 4 * i, "DOWN");
    leave += Press(options + 60, "RETURN");
    const std::string expected = "MusicVolume\t= " + std::to_string(75 - 3 * VolumeStep) + "\r\nSoundVolume\t= " +
                                 std::to_string(100 - 2 * VolumeStep) + "\r\n";
    for (const std::string& script : {change, leave}) {
        WriteFile(dir / "keys.txt", script);
        const RunResult run = RunGame(dir, "--skip-setup --headless --fixed-step --input keys.txt --quit-after " +
                                               std::to_string(options + 200));
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        EXPECT_NE(ReadFile(dir / "Engine.cfg").find(expected), std::string::npos) << ReadFile(dir / "Engine.cfg");
    }
}

TEST(ShellFlow, AScreenWhosePictureIsMissingEndsTheProgramAfterItsEntry)
{
    ScratchDir dir("missing");
    // The content folder again, without the options picture.
    std::filesystem::remove(dir / "GFX");
    std::filesystem::create_directory(dir / "GFX");
    for (const auto& entry : std::filesystem::directory_iterator(std::string(SKYREAVER_RUN_DIR) + "/GFX"))
        if (entry.path().filename() != "Splash3.png")
            std::filesystem::create_symlink(entry.path(), dir / "GFX" / entry.path().filename());
    WriteFile(dir / "keys.txt", ToTitle() + Press(520, "DOWN") + Press(525, "DOWN") + Press(530, "RETURN"));
    const RunResult run = RunGame(dir, "--skip-setup --headless --fixed-step --input keys.txt --trace trace.jsonl "
                                       "--quit-after 2000");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    const auto lines = ReadLines(dir / "trace.jsonl");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(Field(lines.back(), "tick"), 530 + 26) << "the tick that entered the options screen was the last";
    EXPECT_NE(ReadFile(dir / "Logfile.txt").find("GFX/Splash3.png"), std::string::npos);
}
