#include "engine/automation_options.hpp"
#include "input/key_names.hpp"

#include <gtest/gtest.h>
#include <sstream>

namespace {
bool Parse(std::vector<const char*> args, AutomationOptions& options, std::string& error)
{
    args.insert(args.begin(), "skyreaver");
    return ParseAutomationOptions(static_cast<int>(args.size()), args.data(), options, error);
}
} // namespace

TEST(Automation, ParsesOptions)
{
    AutomationOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--skip-setup", "--fixed-step", "--quit-after", "200", "--screenshot", "10:a.png",
                       "--screenshot", "5:dir/b.png", "--trace", "t.jsonl"},
                      options, error))
        << error;
    EXPECT_TRUE(options.skipSetup);
    EXPECT_TRUE(options.fixedStep);
    EXPECT_EQ(options.quitAfter, 200);
    ASSERT_EQ(options.screenshots.size(), 2u);
    EXPECT_EQ(options.screenshots[1].tick, 5);
    EXPECT_EQ(options.screenshots[1].file, "dir/b.png");
    EXPECT_EQ(options.traceFile, "t.jsonl");
}

TEST(Automation, RejectsBadOptionsWithOneLine)
{
    for (std::vector<const char*> args : std::vector<std::vector<const char*>>{
             {"--bogus"}, {"--quit-after"}, {"--quit-after", "-3"}, {"--quit-after", "12x"},
             {"--screenshot", "12"}, {"--screenshot", "x:a.png"}, {"--screenshot", "3:"},
             {"--headless"}, {"--input", "/nonexistent/script"}, {"--play", "0"}, {"--play", "4"},
             {"--play", "1@"}, {"--play", "1@-5"}, {"--play", "@100"}, {"--play", "2@1x"}, {"--ship", "4"},
             {"--difficulty", "3"}, {"--orbpod", "-1"}, {"--gunpod", "x"}, {"--play"}}) {
        AutomationOptions options;
        std::string error;
        EXPECT_FALSE(Parse(args, options, error)) << args[0];
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

TEST(Automation, PlayTakesAStageATimeIndexAndTheSettingsOfANewGame)
{
    AutomationOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--play", "3@4200", "--difficulty", "2", "--ship", "3", "--orbpod", "1", "--gunpod", "0"},
                      options, error))
        << error;
    EXPECT_EQ(options.play.stage, 3);
    EXPECT_EQ(options.play.tick, 4200);
    EXPECT_EQ(options.play.difficulty, 2);
    EXPECT_EQ(options.play.ship, 3);
    EXPECT_EQ(options.play.orbPod, 1);
    EXPECT_EQ(options.play.gunPod, 0);
    EXPECT_TRUE(options.skipSetup) << "play skips the shell, the setup window included";

    AutomationOptions plain;
    ASSERT_TRUE(Parse({"--play", "2"}, plain, error));
    EXPECT_EQ(plain.play.stage, 2);
    EXPECT_EQ(plain.play.tick, 0);
    EXPECT_EQ(plain.play.ship, -1) << "settings not given stay as the game starts them";

    AutomationOptions none;
    ASSERT_TRUE(Parse({"--fixed-step"}, none, error));
    EXPECT_EQ(none.play.stage, 0);
    EXPECT_FALSE(none.skipSetup);
}

TEST(Automation, HeadlessImpliesFixedStep)
{
    AutomationOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--headless", "--quit-after", "5"}, options, error));
    EXPECT_TRUE(options.fixedStep);
}

TEST(Automation, InputScriptNamesCommentsAndOrder)
{
    std::istringstream in("# a comment\n\n30 Z down\n10  LEFT SHIFT   up # trailing\n10 RETURN down\r\n"
                          "30 JOYBUTTON1 up\n");
    std::vector<ScriptedEvent> events;
    std::string error;
    ASSERT_TRUE(ParseInputScript(in, events, error)) << error;
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].tick, 10);
    EXPECT_EQ(events[0].keyCode, 304);
    EXPECT_FALSE(events[0].down);
    EXPECT_EQ(events[1].keyCode, 13);
    EXPECT_EQ(events[2].keyCode, 122);
    EXPECT_EQ(events[3].keyCode, 327);
}

TEST(Automation, MalformedInputScriptsNameTheLine)
{
    for (const char* text : {"10 Z\n", "Z down\n", "10 NOSUCHKEY down\n", "10 Z sideways\n", "-1 Z down\n",
                             "1 Z down\n2\n"}) {
        std::istringstream in(text);
        std::vector<ScriptedEvent> events;
        std::string error;
        EXPECT_FALSE(ParseInputScript(in, events, error)) << text;
        EXPECT_NE(error.find("line "), std::string::npos) << error;
    }
}

TEST(KeyNames, TableEntriesAndBounds)
{
    EXPECT_STREQ(KeyName(0), "UNKNOWN");
    EXPECT_STREQ(KeyName(48), "0");
    EXPECT_STREQ(KeyName(97), "A");
    EXPECT_STREQ(KeyName(122), "Z");
    EXPECT_STREQ(KeyName(65), "");
    EXPECT_STREQ(KeyName(255), "WORLD_95");
    EXPECT_STREQ(KeyName(265), "KEYPAD9");
    EXPECT_STREQ(KeyName(296), "F15");
    EXPECT_STREQ(KeyName(297), "");
    EXPECT_STREQ(KeyName(346), "JOYBUTTON20");
    EXPECT_STREQ(KeyName(356), "MOUSE10");
    EXPECT_STREQ(KeyName(357), "");
    EXPECT_STREQ(KeyName(-5), "");
    EXPECT_EQ(KeyCodeFromName("PAUSE"), 19);
    EXPECT_EQ(KeyCodeFromName(""), -1);
    int named = 0;
    for (int code = 0; code < KeyCodeCount; ++code)
        named += KeyName(code)[0] != '\0';
    EXPECT_EQ(named, 357 - 91); // 91 codes have no name
}
