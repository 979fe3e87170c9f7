#pragma once
// The ship selection screen's rows, as pure logic over the ship settings: the ship, the
// colour set being edited, its red, green, blue and saturation, the gun pod and orb pod
// types. Rows run from ShipRow (-2) to OrbPodRow (5) and wrap at both ends. Tests drive it
// without a window; the Engine's screen only plays the sounds and starts the fades.
#include "player/ship_settings.hpp"
#include "player/ship_type.hpp"

#include <cstdint>

class InputState;

inline constexpr int32_t ShipRow = -2;
inline constexpr int32_t ColourSetRow = -1;
inline constexpr int32_t RedRow = 0;
inline constexpr int32_t GreenRow = 1;
inline constexpr int32_t BlueRow = 2;
inline constexpr int32_t SaturationRow = 3;
inline constexpr int32_t GunPodRow = 4;
inline constexpr int32_t OrbPodRow = 5;

// Red and green saturate at full strength; blue and saturation may be pushed to twice that.
inline constexpr float ChannelStep = 0.1f;

// What the screen keeps besides the row (menuSelection) and the pulse.
struct ShipSelectState {
    int32_t colourSet = 0; // 0 primary, 1 secondary, 2 cockpit
    float phase = 0.0f;    // animation phase, 0..32
};

struct ShipSelectStep {
    bool moved = false;  // a direction acted: the menu-move sound plays
    bool leave = false;  // Escape: back to the title
    bool launch = false; // Select on a ship that may fly
};

// The Butterfly flies only with the bonus-ships cheat on.
bool ShipUnlocked(int32_t shipType, bool bonusShips);
// The highest value of a colour row (RedRow..SaturationRow).
float ChannelLimit(int32_t row);
// The channel a colour row edits, or null for another row. A colour set outside 0..2 is
// read as the primary set.
float* ChannelOf(ShipSettings& ship, int32_t colourSet, int32_t row);

// One tick of the screen's buttons. Leaving ends the tick: nothing else acts with it, so a
// launch can never race the way back to the title.
ShipSelectStep StepShipSelectMenu(const InputState& input, int32_t& row, ShipSelectState& screen, ShipSettings& ship,
                                  bool bonusShips);
// The animation phase of one tick: + 0.5, wrapping at 32.
float NextShipSelectPhase(float phase);
