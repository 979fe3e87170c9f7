#pragma once
// The display settings the setup window edits and Engine.cfg stores.
#include "engine/resolution_table.hpp"

inline constexpr const char* EngineConfigFile = "Engine.cfg";
inline constexpr const char* DisplaySection = "[Display Properties]";

struct LaunchSettings {
    int resolutionIndex = DefaultResolutionIndex;
    bool fullscreen = false;
    bool vsync = true;
    bool showFps = true;
    bool scanLines = true;
    bool bloom = true;
    bool launchRequested = false;
};

// The load-or-create routine of Engine.cfg: an existing file supplies the values, a missing
// one is created from the record.
void LoadOrCreateLaunchSettings(LaunchSettings& settings);
// Replaces Engine.cfg with the record's values.
void SaveLaunchSettings(LaunchSettings& settings);
// The window size for the stored index; an index outside the table falls back to 640x480
// with a log line, since a hand-edited file can hold anything.
Resolution LaunchResolution(const LaunchSettings& settings);
