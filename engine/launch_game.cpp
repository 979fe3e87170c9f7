#include "engine/launch_game.hpp"

#include "audio/audio_system.hpp"
#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "core/log.hpp"
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

    // Shut down in the reverse order of start-up, whichever way the game ends: the engine
    // frees its samples and tracks, then the audio device stops the mixer's thread, then SDL
    // closes the window. Leaving any of it to the exit handlers crashes the mixer's thread.
    struct ShutdownInOrder {
        ~ShutdownInOrder()
        {
            ShutdownAudio();
            ShutdownVideo();
        }
    } shutdown;

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
