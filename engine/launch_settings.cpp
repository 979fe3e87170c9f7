#include "engine/launch_settings.hpp"

#include "core/log.hpp"
#include "core/settings_file.hpp"

#include <algorithm>

namespace {

void FlagSetting(const char* key, bool& flag)
{
    int value = flag ? 1 : 0;
    Settings().IntSetting(EngineConfigPath(), key, value);
    flag = value != 0;
}

} // namespace

void LoadOrCreateLaunchSettings(LaunchSettings& settings)
{
    SettingsFile& file = Settings();
    file.EnsureSection(EngineConfigPath(), DisplaySection);
    file.IntSetting(EngineConfigPath(), "Res", settings.resolutionIndex);
    FlagSetting("Vsync", settings.vsync);
    FlagSetting("ShowFPS", settings.showFps);
    FlagSetting("ScanLines", settings.scanLines);
    FlagSetting("Bloom", settings.bloom);
    FlagSetting("Fullscreen", settings.fullscreen);
    file.IntSetting(EngineConfigPath(), "MusicVolume", settings.musicVolume);
    file.IntSetting(EngineConfigPath(), "SoundVolume", settings.soundVolume);
}

void SaveLaunchSettings(LaunchSettings& settings)
{
    Settings().Rewrite(EngineConfigPath(), [&] { LoadOrCreateLaunchSettings(settings); });
}

void LoadVolumes(int& music, int& sound)
{
    LaunchSettings settings;
    LoadOrCreateLaunchSettings(settings);
    music = std::clamp(settings.musicVolume, 0, 100);
    sound = std::clamp(settings.soundVolume, 0, 100);
}

bool SaveVolumes(int music, int sound)
{
    // The file is read afresh: it was written at launch, so this run counts it as its own.
    Settings().ForgetCreatedFiles();
    LaunchSettings settings;
    LoadOrCreateLaunchSettings(settings);
    settings.musicVolume = music;
    settings.soundVolume = sound;
    const bool saved = Settings().Rewrite(EngineConfigPath(), [&] { LoadOrCreateLaunchSettings(settings); });
    Settings().ForgetCreatedFiles();
    return saved;
}

Resolution LaunchResolution(const LaunchSettings& settings)
{
    const int index = settings.resolutionIndex;
    if (index < 0 || index >= static_cast<int>(ResolutionTable.size())) {
        GameLog().Writef("Resolution index %i out of range, using %s.\n", index,
                         ResolutionTable[DefaultResolutionIndex].label);
        return ResolutionTable[DefaultResolutionIndex];
    }
    return ResolutionTable[index];
}
