#include "core/log.hpp"
#include "support/game_run.hpp"

#include <gtest/gtest.h>

using testing_support::ReadFile;
using testing_support::ScratchDir;

TEST(Log, OneHeaderPerRunAndMessagesVerbatim)
{
    ScratchDir dir("log");
    const std::string path = dir / "Logfile.txt";
    testing_support::WriteFile(path, "left over from the last run\n");
    Log log(path);
    log.SetConsoleEcho(false);
    log.Write("ignored while disabled\n");
    log.SetEnabled(true);
    log.SetEnabled(true);
    log.Write("first");
    log.Writef(" %s %i\n", "second", 2);
    EXPECT_EQ(ReadFile(path), std::string("Logfile created on ") + __DATE__ + "\n>>Logging Enabled<<\nfirst second 2\n");
    EXPECT_EQ(log.WriteCount(), 3);
    log.SetEnabled(false);
    EXPECT_NE(ReadFile(path).find(">>Logging Disabled<<\n"), std::string::npos);
}

TEST(Log, UnopenableFileStillCountsSoALaterMessageHasNoHeader)
{
    ScratchDir dir("log");
    const std::string path = dir / "sub" / "Logfile.txt";
    Log log(path);
    log.SetConsoleEcho(false);
    log.SetEnabled(true); // the folder does not exist yet: lost, but counted
    std::filesystem::create_directory(dir / "sub");
    log.Write("later\n");
    EXPECT_EQ(ReadFile(path), "later\n");
    EXPECT_EQ(log.WriteCount(), 2);
}
