#pragma once
// One logical button: its press state and, for the ten bindable actions, two key codes.
#include "input/key_code.hpp"

#include <cstdint>

enum class ButtonState : std::int32_t { JustPressed = 0, Held = 1, Idle = 2, JustReleased = 3 };

struct InputButton {
    ButtonState state = ButtonState::Idle;
    KeyCode primary = 0;
    KeyCode secondary = 0;

    // A repeated down (key repeat, a second key bound to the same button) changes nothing,
    // nor does an up for a button that is not pressed.
    void Set(bool down)
    {
        if (down) {
            if (state == ButtonState::Idle || state == ButtonState::JustReleased)
                state = ButtonState::JustPressed;
        } else if (state == ButtonState::JustPressed || state == ButtonState::Held) {
            state = ButtonState::JustReleased;
        }
    }
    // Once per tick, after the update has seen the edges.
    void Advance()
    {
        if (state == ButtonState::JustPressed)
            state = ButtonState::Held;
        else if (state == ButtonState::JustReleased)
            state = ButtonState::Idle;
    }

    bool JustPressed() const { return state == ButtonState::JustPressed; }
    bool JustReleased() const { return state == ButtonState::JustReleased; }
    // Down now: pressed this tick or earlier.
    bool Down() const { return state == ButtonState::JustPressed || state == ButtonState::Held; }
    bool Bound(KeyCode code) const { return primary == code || secondary == code; }
};
