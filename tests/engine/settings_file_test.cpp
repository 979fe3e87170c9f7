#include "engine/launch_settings.hpp"
#include "core/settings_file.hpp"
#include "support/game_run.hpp"

#include <gtest/gtest.h>

using testing_support::ReadFile;
using testing_support::ScratchDir;
using testing_support::WriteFile;

namespace {

struct Values {
    int res = 4, vsync = 1, fps = 1;
    std::string name = "ACE";
};

void Routine(SettingsFile& file, const std::string& path, Values& v)
{
    file.EnsureSection(path, "[Test]");
    file.IntSetting(path, "Res", v.res);
    file.IntSetting(path, "Vsync", v.vsync);
    file.IntSetting(path, "ShowFPS", v.fps);
    file.StringSetting(path, "Name", v.name);
}

} // namespace

TEST(SettingsFile, MissingFileIsCreatedWithCurrentValuesInRoutineOrder)
{
    ScratchDir dir("settings");
    const std::string path = dir / "a.cfg";
    SettingsFile file;
    Values v;
    v.res = -7;
    Routine(file, path, v);
    EXPECT_EQ(ReadFile(path), "[Test]\r\nRes\t= -7\r\nVsync\t= 1\r\nShowFPS\t= 1\r\nName\t= ACE\r\n");
    ASSERT_EQ(file.CreatedFiles().size(), 1u);
}

TEST(SettingsFile, ReadsByWordsFirstOccurrenceWinsAndKeysAreCaseSensitive)
{
    ScratchDir dir("settings");
    const std::string path = dir / "b.cfg";
    WriteFile(path, "[Test]\nVsync\t= 0\r\nVsync\t= 1\r\nShowFPS      =     0\nres = 9\nName = BOB extra\n");
    SettingsFile file;
    Values v;
    Routine(file, path, v);
    EXPECT_EQ(v.vsync, 0);
    EXPECT_EQ(v.fps, 0);
    EXPECT_EQ(v.res, 4) << "\"res\" must not match \"Res\"";
    EXPECT_EQ(v.name, "BOB");
}

TEST(SettingsFile, MissingKeyKeepsDefaultAndFileIsUntouched)
{
    ScratchDir dir("settings");
    const std::string path = dir / "c.cfg";
    const std::string original = "[Test]\r\nRes\t= 2\r\n";
    WriteFile(path, original);
    SettingsFile file;
    Values v;
    Routine(file, path, v);
    EXPECT_EQ(v.res, 2);
    EXPECT_EQ(v.vsync, 1);
    EXPECT_EQ(v.name, "") << "a string not found is emptied";
    EXPECT_EQ(ReadFile(path), original);
}

TEST(SettingsFile, MalformedOrGluedValuesAreIgnored)
{
    ScratchDir dir("settings");
    const std::string path = dir / "d.cfg";
    WriteFile(path, "Res\t= abc\nVsync=0\nShowFPS\t= 99999999999999\n");
    SettingsFile file;
    Values v;
    Routine(file, path, v);
    EXPECT_EQ(v.res, 4);
    EXPECT_EQ(v.vsync, 1) << "key and value run together are not recognised";
    EXPECT_EQ(v.fps, 1) << "an out-of-range number keeps the value";
}

TEST(SettingsFile, CreatedFileStaysNewUntilForgotten)
{
    ScratchDir dir("settings");
    const std::string path = dir / "e.cfg";
    SettingsFile file;
    Values v;
    Routine(file, path, v);
    Values second;
    second.res = 1;
    Routine(file, path, second); // still new: appends a second copy
    EXPECT_NE(ReadFile(path).find("Res\t= 1"), std::string::npos);
    file.ForgetCreatedFiles();
    Values third;
    third.res = 0;
    Routine(file, path, third);
    EXPECT_EQ(third.res, 4) << "first copy wins once the file is really read";
}

TEST(SettingsFile, RewriteReplacesTheFileAndIsReadBackWithoutDuplicates)
{
    ScratchDir dir("settings");
    const std::string path = dir / "f.cfg";
    WriteFile(path, "[Test]\r\nRes\t= 2\r\nVsync\t= 0\r\nShowFPS\t= 0\r\nName\t= OLD\r\n");
    SettingsFile file;
    Values v;
    Routine(file, path, v);
    v.res = 11;
    v.name = "NEW";
    EXPECT_TRUE(file.Rewrite(path, [&] { Routine(file, path, v); }));
    EXPECT_EQ(ReadFile(path), "[Test]\r\nRes\t= 11\r\nVsync\t= 0\r\nShowFPS\t= 0\r\nName\t= NEW\r\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    file.ForgetCreatedFiles();
    Values read;
    Routine(file, path, read);
    EXPECT_EQ(read.res, 11);
    EXPECT_EQ(read.name, "NEW");
}

TEST(SettingsFile, FailedRewriteKeepsTheOldFile)
{
    ScratchDir dir("settings");
    const std::string path = dir / "g.cfg";
    WriteFile(path, "Res\t= 3\r\n");
    // A directory in the temporary file's place makes every write fail.
    std::filesystem::create_directory(path + ".tmp");
    std::filesystem::create_directory(path + ".tmp/x");
    SettingsFile file;
    Values v;
    EXPECT_FALSE(file.Rewrite(path, [&] { Routine(file, path, v); }));
    EXPECT_EQ(ReadFile(path), "Res\t= 3\r\n");
}

TEST(SettingsFile, AFullDiskDuringARewriteKeepsTheOldFile)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full to stand for a full disk";
    ScratchDir dir("settings");
    const std::string path = dir / "g.cfg";
    WriteFile(path, "Res\t= 3\r\n");
    SettingsFile file;
    Values v;
    file.BeginRewrite(path);
    // Every write of the new file lands on a full disk.
    std::filesystem::create_symlink("/dev/full", path + ".tmp");
    Routine(file, path, v);
    EXPECT_FALSE(file.CommitRewrite(path));
    EXPECT_EQ(ReadFile(path), "Res\t= 3\r\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp")) << "the broken temporary file is removed";

    // The next rewrite, with room to write, goes through.
    EXPECT_TRUE(file.Rewrite(path, [&] { Routine(file, path, v); }));
    EXPECT_NE(ReadFile(path), "Res\t= 3\r\n");
}

TEST(LaunchSettings, EngineCfgDefaultsAreTheSevenDisplayLinesAndTheVolumes)
{
    ScratchDir dir("launch");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    LaunchSettings settings;
    LoadOrCreateLaunchSettings(settings);
    const std::string bytes = ReadFile("Engine.cfg");
    std::filesystem::current_path(previous);
    EXPECT_EQ(bytes, "[Display Properties]\r\nRes\t= 4\r\nVsync\t= 1\r\nShowFPS\t= 1\r\nScanLines\t= 1\r\n"
                     "Bloom\t= 1\r\nFullscreen\t= 0\r\nMusicVolume\t= 75\r\nSoundVolume\t= 100\r\n");
}

TEST(LaunchSettings, ResolutionOutsideTheTableFallsBackTo640x480)
{
    LaunchSettings settings;
    for (int index : {-1, 14, 1000}) {
        settings.resolutionIndex = index;
        EXPECT_EQ(LaunchResolution(settings).width, 640);
        EXPECT_EQ(LaunchResolution(settings).height, 480);
    }
    settings.resolutionIndex = 13;
    EXPECT_EQ(LaunchResolution(settings).width, 320);
    EXPECT_EQ(FindResolutionLabel("800x600"), 1);
    EXPECT_EQ(FindResolutionLabel("800x601"), -1);
}
