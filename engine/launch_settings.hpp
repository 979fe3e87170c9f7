#pragma once
// The display settings the setup window edits and Engine.cfg stores.
#include "core/user_files.hpp"
#include "engine/resolution_table.hpp"

inline constexpr const char* EngineConfigFile = "Engine.cfg";
// Where this run keeps it: the working directory, or the player's config folder when installed.
inline std::string EngineConfigPath() { return UserFilePath(EngineConfigFile, UserFolder::Config); }
inline constexpr const char* DisplaySection = "[Display Properties]";

struct LaunchSettings {
    int resolutionIndex = DefaultResolutionIndex;
    bool fullscreen = false;
    bool vsync = true;
    bool showFps = true;
    bool scanLines = true;
    bool bloom = true;
    bool launchRequested = false;
    // The options screen's volumes, 0..100: kept here so that every rewrite of the file keeps
    // them (a file from before they were stored gives the defaults).
    int musicVolume = 75;
    int soundVolume = 100;
};

// The load-or-create routine of Engine.cfg: an existing file supplies the values, a missing
// one is created from the record.
void LoadOrCreateLaunchSettings(LaunchSettings& settings);
// Replaces Engine.cfg with the record's values.
void SaveLaunchSettings(LaunchSettings& settings);
// The stored volumes, each brought into 0..100.
void LoadVolumes(int& music, int& sound);
// Stores the volumes in Engine.cfg, the other settings as they are; false when it cannot.
bool SaveVolumes(int music, int sound);
// The window size for the stored index; an index outside the table falls back to 640x480
// with a log line, since a hand-edited file can hold anything.
Resolution LaunchResolution(const LaunchSettings& settings);
