#pragma once
// The editor's reading of a button: pressed is one action per key press, held one action
// per tick while the key stays down (from the tick after the press).
#include "input/input_button.hpp"

#include <algorithm>
#include <cstdint>

inline bool Pressed(const InputButton& button) { return button.JustPressed(); }
inline bool Held(const InputButton& button) { return button.state == ButtonState::Held; }

// Up pressed: one row up, not above row 0; down pressed: one row down, not past `last`.
template <class Input>
void StepRows(const Input& input, int32_t& selection, int32_t last)
{
    if (Pressed(input.MenuUp))
        selection = std::max(selection - 1, 0);
    if (Pressed(input.MenuDown))
        selection = std::min(selection + 1, last);
}
