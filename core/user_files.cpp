#include "core/user_files.hpp"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool installed = false;
std::array<bool, 3> folderMade{};

// An XDG base folder: the variable when it holds an absolute path, else HOME's default.
fs::path BaseFolder(const char* variable, const char* fallback)
{
    if (const char* value = std::getenv(variable); value && value[0] == '/')
        return value;
    const char* home = std::getenv("HOME");
    return fs::path(home && home[0] ? home : "/tmp") / fallback;
}

fs::path FolderOf(UserFolder folder)
{
    switch (folder) {
    case UserFolder::Config:
        return BaseFolder("XDG_CONFIG_HOME", ".config") / "skyreaver";
    case UserFolder::Data:
        return BaseFolder("XDG_DATA_HOME", ".local/share") / "skyreaver";
    case UserFolder::State:
        break;
    }
    return BaseFolder("XDG_STATE_HOME", ".local/state") / "skyreaver";
}

} // namespace

bool LocateGameFiles(const std::string& executable)
{
    std::error_code error;
    if (fs::is_directory("GFX", error))
        return true; // a build folder, or a folder the player filled by hand
    const fs::path content = fs::path(executable).parent_path().parent_path() / "share/games/skyreaver";
    if (!fs::is_directory(content / "GFX", error))
        return true; // no installation either: the game says what it misses, as before
    installed = true;
    if (chdir(content.c_str()) != 0) {
        std::fprintf(stderr, "skyreaver: cannot enter the game's content folder %s\n", content.c_str());
        return false;
    }
    return true;
}

bool RunningInstalled() { return installed; }

std::string UserFolderPath(UserFolder folder)
{
    if (!installed)
        return "";
    const fs::path path = FolderOf(folder);
    bool& made = folderMade[static_cast<size_t>(folder)];
    if (!made) {
        made = true;
        std::error_code error;
        fs::create_directories(path, error);
        if (error)
            std::fprintf(stderr, "skyreaver: cannot make the folder %s (%s); its files are not kept\n",
                         path.c_str(), error.message().c_str());
    }
    return path.string();
}

std::string UserFilePath(const std::string& name, UserFolder folder)
{
    if (!installed)
        return name;
    return (fs::path(UserFolderPath(folder)) / name).string();
}
