// skyreaver: parses the automation options, then runs the launcher and the game.
#include "engine/automation.hpp"
#include "engine/launch_game.hpp"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    AutomationOptions& options = Automation();
    std::string error;
    if (!ParseAutomationOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "skyreaver: %s\n", error.c_str());
        return 2;
    }

    LaunchSettings settings;
    StartLauncher(settings);
    settings.launchRequested = true; // as if "READY" had been pressed
    return LaunchGame(settings) ? 0 : 1;
}
