#include "input/control_config.hpp"

#include "core/settings_file.hpp"
#include "input/input_state.hpp"

#include <array>

namespace {

// File order: each action's primary then secondary key.
constexpr std::array<const char*, ActionCount> ActionKeys = {
    "LEFT", "RIGHT", "UP", "DOWN", "FIRE", "FIRE2", "FIRE3", "SPEEDUP", "SPEEDDOWN", "PAUSE",
};

} // namespace

void LoadControls(InputState& input, const std::string& file)
{
    SettingsFile& settings = Settings();
    settings.EnsureSection(file, "[Control Configuration]");
    for (int action = 0; action < ActionCount; ++action) {
        InputButton& button = *input.Action(action);
        const std::string name = ActionKeys[action];
        settings.IntSetting(file, name + "_PRIMARY", button.primary);
        settings.IntSetting(file, name + "_SECONDARY", button.secondary);
    }
    settings.IntSetting(file, "SENSITIVITY", input.sensitivity);
    int autofire = input.autofire ? 1 : 0;
    settings.IntSetting(file, "AUTOFIRE", autofire);
    input.autofire = autofire != 0;

    if (input.sensitivity < 50)
        input.sensitivity = 50;
    if (input.sensitivity >= 100)
        input.sensitivity = 100;
}

bool SaveControls(InputState& input, const std::string& file)
{
    return Settings().Rewrite(file, [&] { LoadControls(input, file); });
}
