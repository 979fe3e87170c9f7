#include "engine/launch_settings.hpp"

#include "core/log.hpp"
#include "core/settings_file.hpp"

namespace {

void FlagSetting(const char* key, bool& flag)
{
    int value = flag ? 1 : 0;
    Settings().IntSetting(EngineConfigFile, key, value);
    flag = value != 0;
}

} // namespace

void LoadOrCreateLaunchSettings(LaunchSettings& settings)
{
    SettingsFile& file = Settings();
    file.EnsureSection(EngineConfigFile, DisplaySection);
    file.IntSetting(EngineConfigFile, "Res", settings.resolutionIndex);
    FlagSetting("Vsync", settings.vsync);
    FlagSetting("ShowFPS", settings.showFps);
    FlagSetting("ScanLines", settings.scanLines);
    FlagSetting("Bloom", settings.bloom);
    FlagSetting("Fullscreen", settings.fullscreen);
}

void SaveLaunchSettings(LaunchSettings& settings)
{
    Settings().Rewrite(EngineConfigFile, [&] { LoadOrCreateLaunchSettings(settings); });
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
