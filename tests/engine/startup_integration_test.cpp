// The real binary under the test display: start-up log, Engine.cfg, traces, bad options.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

size_t FindAfter(const std::string& text, const std::string& needle, size_t from)
{
    const size_t at = text.find(needle, from);
    EXPECT_NE(at, std::string::npos) << "missing \"" << needle << "\" after offset " << from;
    return at == std::string::npos ? from : at + needle.size();
}

} // namespace

TEST(Startup, SkipSetupOpensTheWindowLogsInOrderAndWritesDefaults)
{
    ScratchDir dir("startup");
    const RunResult run = RunGame(dir, "--skip-setup --fixed-step --quit-after 20");
    ASSERT_EQ(run.exitStatus, 0) << run.output;

    const std::string log = ReadFile(dir / "Logfile.txt");
    ASSERT_EQ(log.rfind("Logfile created on ", 0), 0u);
    EXPECT_EQ(log.find("Logfile created on ", 1), std::string::npos) << "one header per run";
    size_t at = FindAfter(log, "\n>>Logging Enabled<<\n", 0);
    at = FindAfter(log, "\n[Initializing Video Settings]\n", at);
    at = FindAfter(log, "Resolution Set: 640x480x32\n", at);
    at = FindAfter(log, "Complete...\n\n", at);
    at = FindAfter(log, "\n[Initializing Devil]\nComplete...\n\n", at);
    at = FindAfter(log, "\n[Initializing Extensions]\nMultiTexturing supported!\n", at);
    at = FindAfter(log, "Texture Rectangle supported!\nFrame Buffer Object supported!\n", at);
    at = FindAfter(log, "Intiailzing Engine!\n", at);

    EXPECT_EQ(ReadFile(dir / "Engine.cfg"), "[Display Properties]\r\nRes\t= 4\r\nVsync\t= 1\r\nShowFPS\t= 1\r\n"
                                            "ScanLines\t= 1\r\nBloom\t= 1\r\nFullscreen\t= 0\r\nMusicVolume\t= 75\r\n"
                                            "SoundVolume\t= 100\r\n");
    EXPECT_NE(run.output.find(">>Logging Enabled<<"), std::string::npos) << "the log echoes to the console";
}

TEST(Startup, HandEditedConfigIsReadAndRewrittenWhole)
{
    ScratchDir dir("startup");
    WriteFile(dir / "Engine.cfg", "[Display Properties]\nRes   =   1\nVsync = 0\nVsync = 1\nShowFPS = 0\nMusicVolume = 40\n");
    const RunResult run = RunGame(dir, "--skip-setup --fixed-step --quit-after 5");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_NE(ReadFile(dir / "Logfile.txt").find("Resolution Set: 800x600x32\n"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "Engine.cfg"), "[Display Properties]\r\nRes\t= 1\r\nVsync\t= 0\r\nShowFPS\t= 0\r\n"
                                            "ScanLines\t= 1\r\nBloom\t= 1\r\nFullscreen\t= 0\r\nMusicVolume\t= 40\r\n"
                                            "SoundVolume\t= 100\r\n");
}

TEST(Startup, ResolutionIndexOutsideTheTableOpens640x480)
{
    ScratchDir dir("startup");
    WriteFile(dir / "Engine.cfg", "[Display Properties]\r\nRes\t= 99\r\n");
    const RunResult run = RunGame(dir, "--skip-setup --fixed-step --quit-after 5");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::string log = ReadFile(dir / "Logfile.txt");
    EXPECT_NE(log.find("Resolution index 99 out of range, using 640x480.\n"), std::string::npos);
    EXPECT_NE(log.find("Resolution Set: 640x480x32\n"), std::string::npos);
}

TEST(Startup, FixedStepTraceHasExactlyNLinesAndRepeats)
{
    ScratchDir first("trace"), second("trace");
    for (const ScratchDir* dir : {&first, &second}) {
        const RunResult run = RunGame(*dir, "--skip-setup --fixed-step --quit-after 120 --trace trace.jsonl");
        ASSERT_EQ(run.exitStatus, 0) << run.output;
    }
    const auto lines = ReadLines(first / "trace.jsonl");
    ASSERT_EQ(lines.size(), 120u);
    EXPECT_EQ(lines.front().rfind("{\"tick\":1,", 0), 0u) << lines.front();
    EXPECT_EQ(lines.back().rfind("{\"tick\":120,", 0), 0u) << lines.back();
    EXPECT_EQ(ReadFile(first / "trace.jsonl"), ReadFile(second / "trace.jsonl"));
}

TEST(Startup, HeadlessRunsWithoutAWindowAndMatchesTheWindowedTrace)
{
    ScratchDir windowed("headless"), headless("headless");
    ASSERT_EQ(RunGame(windowed, "--skip-setup --fixed-step --quit-after 60 --trace t.jsonl").exitStatus, 0);
    const RunResult run = RunGame(headless, "--headless --quit-after 60 --trace t.jsonl", {"DISPLAY="});
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(ReadFile(headless / "Logfile.txt").find("[Initializing Video Settings]"), std::string::npos);
    EXPECT_EQ(ReadLines(headless / "t.jsonl").size(), 60u);
    EXPECT_EQ(ReadFile(headless / "t.jsonl"), ReadFile(windowed / "t.jsonl"));
}

TEST(Startup, ScreenshotIsWrittenAsPng)
{
    ScratchDir dir("shot");
    const RunResult run = RunGame(dir, "--skip-setup --fixed-step --quit-after 10 --screenshot 5:shot.png");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::string png = ReadFile(dir / "shot.png");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
}

TEST(Startup, BadOptionsAndScriptsExitWithStatus2AndOneLine)
{
    ScratchDir dir("options");
    WriteFile(dir / "bad.keys", "10 Z down\n20 NOSUCHKEY up\n");
    for (const char* args : {"--no-such-option", "--quit-after ten", "--input bad.keys", "--headless"}) {
        const RunResult run = RunGame(dir, args);
        EXPECT_EQ(run.exitStatus, 2) << args;
        EXPECT_EQ(run.output.rfind("skyreaver: ", 0), 0u) << run.output;
        EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << "one line: " << run.output;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "Engine.cfg")) << "nothing starts on a bad option";
}
