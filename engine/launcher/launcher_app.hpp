#pragma once
// The launcher's application object: reads Engine.cfg, shows the setup window, and when the
// toolkit tears it down hands the chosen settings to whoever runs the game.
#include "engine/launch_settings.hpp"

#include <wx/app.h>

class SetupFrame;

class LauncherApp : public wxApp {
public:
    // `chosen` receives the settings at destruction; `opened` is set once the window shows.
    LauncherApp(LaunchSettings& chosen, bool& opened);
    ~LauncherApp() override;

    bool OnInit() override;

private:
    LaunchSettings settings_;
    SetupFrame* frame_ = nullptr;
    LaunchSettings& chosen_;
    bool& opened_;
};

// Runs the setup window until it closes. Returns false when the toolkit could not start
// (no display); `settings` then holds nothing meaningful.
bool RunLauncher(const char* programName, LaunchSettings& settings);
