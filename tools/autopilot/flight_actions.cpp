#include "flight_actions.hpp"

#include "input/key_names.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

// One press every six ticks, three down: faster than the cannon reloads without autofire.
constexpr long TapPeriod = 6;
constexpr long TapDown = 3;

void Press(std::vector<ScriptedEvent>& script, long tick, const char* key, bool& held, bool wanted)
{
    if (held == wanted)
        return;
    held = wanted;
    script.push_back(ScriptedEvent{tick, KeyCodeFromName(key), wanted});
}

} // namespace

FlightAction FlightActionAt(int index)
{
    // Stick positions: centre, then the eight directions clockwise from up.
    static constexpr int StickX[9] = {0, 0, 1, 1, 1, 0, -1, -1, -1};
    static constexpr int StickY[9] = {0, -1, -1, 0, 1, 1, 1, 0, -1};
    const int stick = index % 9;
    return FlightAction{StickX[stick], StickY[stick], index >= 9};
}

void ScheduleAction(std::vector<ScriptedEvent>& script, HeldKeys& held, long first, long last,
                    const FlightAction& action, bool autofire)
{
    for (long tick = first; tick <= last; ++tick) {
        if (tick == first) {
            Press(script, tick, "LEFT", held.left, action.dx < 0);
            Press(script, tick, "RIGHT", held.right, action.dx > 0);
            Press(script, tick, "UP", held.up, action.dy < 0);
            Press(script, tick, "DOWN", held.down, action.dy > 0);
        }
        const bool fire = action.charge || (!autofire && tick % TapPeriod < TapDown);
        Press(script, tick, "Z", held.fire, fire);
    }
}

bool WriteFlightScript(const std::string& path, const std::vector<std::string>& header,
                       const std::vector<ScriptedEvent>& script)
{
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary);
        for (const std::string& line : header)
            out << "# " << line << '\n';
        for (const ScriptedEvent& event : script)
            out << event.tick << ' ' << KeyName(event.keyCode) << (event.down ? " down" : " up") << '\n';
        if (!out.flush())
            return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}
