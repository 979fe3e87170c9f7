#pragma once
// What the pilot can do in one segment: hold one of nine stick positions, and either fire
// the cannon or hold the fire button to charge (a burst goes off when it is let go).
#include "core/automation.hpp"

#include <string>
#include <vector>

struct FlightAction {
    int dx = 0; // -1 left, 1 right
    int dy = 0; // -1 up, 1 down
    bool charge = false;
};

inline constexpr int FlightActionCount = 18;
FlightAction FlightActionAt(int index);
// The lookahead's flight: stick centred, cannon firing.
inline constexpr FlightAction HandsOff{};

// The keys the script holds down at the end of what it has scheduled.
struct HeldKeys {
    bool left = false, right = false, up = false, down = false, fire = false;
};

// Appends the key events that fly `action` over ticks first..last to `script` (which stays
// sorted by tick), starting from `held` and leaving in it what is held after `last`.
// Without autofire the cannon fires on each press, so firing is a steady tap.
void ScheduleAction(std::vector<ScriptedEvent>& script, HeldKeys& held, long first, long last,
                    const FlightAction& action, bool autofire);

// Writes the events as an --input script after the header's comment lines, through a
// temporary file renamed into place; false when it cannot be written.
bool WriteFlightScript(const std::string& path, const std::vector<std::string>& header,
                       const std::vector<ScriptedEvent>& script);
