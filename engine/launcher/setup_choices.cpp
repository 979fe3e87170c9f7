#include "engine/launcher/setup_choices.hpp"

#include "core/process_flags.hpp"

SetupChoices ChoicesFromSettings(const LaunchSettings& settings)
{
    SetupChoices choices;
    const int index = settings.resolutionIndex;
    if (index >= 0 && index < static_cast<int>(ResolutionTable.size()))
        choices.resolution = ResolutionTable[index].label;
    choices.fullscreen = settings.fullscreen;
    choices.vsync = settings.vsync;
    choices.showFps = settings.showFps;
    choices.scanLines = settings.scanLines;
    choices.bloom = settings.bloom;
    choices.postFx = !LowSpecMode;
    choices.shaders = ShadersEnabled;
    return choices;
}

void ApplyChoices(const SetupChoices& choices, LaunchSettings& settings)
{
    LowSpecMode = !choices.postFx;
    ShadersEnabled = choices.shaders;
    settings.vsync = choices.vsync;
    settings.showFps = choices.showFps;
    settings.bloom = choices.bloom;
    settings.fullscreen = choices.fullscreen;
    settings.scanLines = choices.scanLines;
    const int index = FindResolutionLabel(choices.resolution.c_str());
    if (index >= 0)
        settings.resolutionIndex = index;
}
