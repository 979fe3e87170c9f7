// --editor: the shell skipped, and the editor's stage numbers allowed for --play in either
// order of the options; without it --play keeps to the game's three stages.
#include "engine/automation_options.hpp"

#include <gtest/gtest.h>

namespace {

bool Parse(std::vector<const char*> args, AutomationOptions& options, std::string& error)
{
    args.insert(args.begin(), "skyreaver");
    return ParseAutomationOptions(static_cast<int>(args.size()), args.data(), options, error);
}

} // namespace

TEST(EditorOption, SkipsTheSetupWindowAndOpensTheEditorsStageNumbersToPlay)
{
    std::string error;
    AutomationOptions plain;
    ASSERT_TRUE(Parse({"--editor"}, plain, error)) << error;
    EXPECT_TRUE(plain.editor);
    EXPECT_TRUE(plain.skipSetup);
    EXPECT_EQ(plain.play.stage, 0);

    for (const auto& args : {std::vector<const char*>{"--editor", "--play", "8@250"},
                             std::vector<const char*>{"--play", "8@250", "--editor"}}) {
        AutomationOptions options;
        ASSERT_TRUE(Parse(args, options, error)) << error;
        EXPECT_EQ(options.play.stage, 8);
        EXPECT_EQ(options.play.tick, 250);
    }

    AutomationOptions game;
    EXPECT_FALSE(Parse({"--play", "4"}, game, error));
    EXPECT_NE(error.find("1..3"), std::string::npos) << error;
    AutomationOptions beyond;
    EXPECT_FALSE(Parse({"--editor", "--play", "9"}, beyond, error));
}
