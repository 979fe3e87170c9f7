#pragma once
// Where the game finds its content and keeps the player's files. Run from a build folder
// (its content in the working directory) it reads and writes there, as it always has.
// Installed (its content in share/games/skyreaver beside the binary's games/ folder) it reads
// the content there and keeps the player's files in the XDG base folders, so it writes
// nothing into the working directory or the installation.
#include <string>

enum class UserFolder {
    Config, // $XDG_CONFIG_HOME/skyreaver: Engine.cfg, Controls.dat
    Data,   // $XDG_DATA_HOME/skyreaver: Scores.dat, stages saved by the editor, screenshots
    State,  // $XDG_STATE_HOME/skyreaver: Logfile.txt
};

// Decides once, first thing in main. `executable` is the program's own path (the process's
// /proc/self/exe). Installed, it enters the content folder; false when that fails.
bool LocateGameFiles(const std::string& executable);
bool RunningInstalled();
// Where one of the player's files lives: the bare name in a build folder; installed, a path in
// the XDG folder, which is made on first use (a folder that cannot be made is said once on
// the console, and the file's reads and writes then fail as any unreadable file's do).
std::string UserFilePath(const std::string& name, UserFolder folder);
// The XDG folder itself, "" in a build folder.
std::string UserFolderPath(UserFolder folder);
