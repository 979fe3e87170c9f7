#pragma once
// The setup window runs in a child process that loads the toolkit as a module of its own
// (libskyreaver_setup.so beside the program). The game itself never maps the toolkit and
// its dozens of libraries: they would cost start-up time and resident memory for the whole
// run, for a window that is gone before the game starts. The child saves Engine.cfg as the
// window leaves it and reports back the choices that are not stored there.
#include "engine/launch_settings.hpp"

enum class SetupOutcome {
    Launch,   // "READY": settings hold the choices, launchRequested set
    Closed,   // the window was closed: Engine.cfg saved, no game
    NoWindow, // the toolkit could not start (no display) or the module is missing
};

SetupOutcome RunSetupWindow(const char* programName, LaunchSettings& settings);

// The module's entry point, looked up by this name: runs the window until it closes, fills
// `settings`, and returns false when the toolkit could not start.
extern "C" bool SkyreaverRunSetupWindow(const char* programName, LaunchSettings* settings);
using SetupWindowEntry = bool (*)(const char*, LaunchSettings*);
inline constexpr const char* SetupModuleFile = "libskyreaver_setup.so";
inline constexpr const char* SetupEntryName = "SkyreaverRunSetupWindow";
