#pragma once
// The controls screen's menu: rows 0..9 the primary keys of the ten actions, 10..19 their
// secondary keys, 20 pad sensitivity, 21 autofire, 22 BACK.
#include <cstdint>

class InputState;

inline constexpr int32_t SensitivityRow = 20;
inline constexpr int32_t AutofireRow = 21;
inline constexpr int32_t BackRow = 22;

struct ControlsMenuStep {
    bool moved = false; // the selection changed: the menu-move sound plays
    bool leave = false; // BACK chosen: save and return to the title
};

// One tick of the screen's buttons: capture requests, autofire, sensitivity and movement.
ControlsMenuStep StepControlsMenu(InputState& input, int32_t& row);
