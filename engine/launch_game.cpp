#include "engine/launch_game.hpp"

#include "engine/automation.hpp"
#include "engine/engine.hpp"
#include "engine/log.hpp"
#include "engine/video_init.hpp"

#include <memory>

void StartLauncher(LaunchSettings& settings)
{
    GameLog().SetEnabled(true);
    settings = LaunchSettings{};
    LoadOrCreateLaunchSettings(settings);
}

bool LaunchGame(LaunchSettings& settings)
{
    // Saved whether or not the game starts.
    SaveLaunchSettings(settings);
    if (!settings.launchRequested)
        return true;

    const Resolution resolution = LaunchResolution(settings);
    if (!Automation().headless) {
        if (!InitVideo("Skyreaver", resolution.width, resolution.height, 32, settings.vsync, settings.fullscreen))
            return false;
        InitImageLibrary();
        if (!InitExtensions())
            return false;
    }
    auto engine = std::make_unique<Engine>(resolution.width, resolution.height);
    engine.reset();
    return true;
}
