// The game laid out as an installation (games/, share/games/skyreaver/) and run from an
// unrelated folder: it finds its content, keeps the player's files in the XDG folders and
// writes nothing anywhere else; a home it cannot write to leaves it running on defaults.
#include "support/game_run.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// Every file and link under `root`, relative to it.
std::set<std::string> FilesUnder(const fs::path& root)
{
    std::set<std::string> files;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it)
        if (!it->is_directory() || it->is_symlink())
            files.insert(fs::relative(it->path(), root).string());
    return files;
}

struct Installation {
    ScratchDir root{"installed"};
    fs::path program;
    Installation()
    {
        for (const char* name : {"GFX", "Sound", "Videos", "Maps", "Demos", "Icon.bmp"})
            fs::remove(root / name);
        fs::create_directories(root / "usr/games");
        fs::create_directories(root / "usr/share/games/skyreaver");
        fs::create_directories(root / "elsewhere");
        program = root / "usr/games/skyreaver";
        fs::copy_file(SKYREAVER_BIN, program);
        for (const char* name : {"GFX", "Sound", "Videos", "Maps", "Demos"})
            fs::create_symlink(fs::path(SKYREAVER_RUN_DIR) / name, root / "usr/share/games/skyreaver" / name);
    }
    // Runs the installed program from the unrelated folder.
    RunResult Run(const std::vector<std::string>& environment)
    {
        ScratchDir unused("unused");
        return RunProgram(unused, "sh -c 'cd " + (root / "elsewhere").string() + " && exec " + program.string() +
                                      " --play 1 --headless --quit-after 300'",
                          "", environment);
    }
};

} // namespace

TEST(InstalledGame, KeepsThePlayersFilesInTheXdgFoldersAndWritesNothingElse)
{
    Installation install;
    const std::set<std::string> before = FilesUnder(install.root.Path());
    const fs::path home = install.root / "home";
    const RunResult run = install.Run({"HOME=" + home.string(), "XDG_CONFIG_HOME=", "XDG_DATA_HOME=",
                                       "XDG_STATE_HOME="});
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    std::set<std::string> written;
    for (const std::string& file : FilesUnder(install.root.Path()))
        if (!before.count(file))
            written.insert(file);
    EXPECT_EQ(written, (std::set<std::string>{"home/.config/skyreaver/Controls.dat", "home/.config/skyreaver/Engine.cfg",
                                              "home/.local/share/skyreaver/Scores.dat",
                                              "home/.local/state/skyreaver/Logfile.txt"}));
    EXPECT_NE(ReadFile(home / ".local/state/skyreaver/Logfile.txt").find("Maps/STAGE1.ENT"), std::string::npos);

    // The XDG variables, when set, choose the folders.
    const RunResult chosen = install.Run({"HOME=" + home.string(), "XDG_CONFIG_HOME=" + (install.root / "cfg").string(),
                                          "XDG_DATA_HOME=" + (install.root / "data").string(),
                                          "XDG_STATE_HOME=" + (install.root / "state").string()});
    ASSERT_EQ(chosen.exitStatus, 0) << chosen.output;
    EXPECT_TRUE(fs::exists(install.root / "cfg/skyreaver/Engine.cfg"));
    EXPECT_TRUE(fs::exists(install.root / "data/skyreaver/Scores.dat"));
    EXPECT_TRUE(fs::exists(install.root / "state/skyreaver/Logfile.txt"));

    // A home that is a file: no folder can be made, the game says so and plays on.
    const RunResult homeless = install.Run({"HOME=/dev/null", "XDG_CONFIG_HOME=", "XDG_DATA_HOME=", "XDG_STATE_HOME="});
    EXPECT_EQ(homeless.exitStatus, 0) << homeless.output;
    EXPECT_NE(homeless.output.find("cannot make the folder /dev/null/.config/skyreaver"), std::string::npos)
        << homeless.output;
    EXPECT_TRUE(fs::is_empty(install.root / "elsewhere"));
}
