#pragma once
// The nine bindable controls an entity acts on, and one stamped step of a recorded pattern.
// Each state holds a ButtonState value (just pressed, held, idle, just released).
#include "input/input_button.hpp"

#include <cstdint>

struct ControlBlock {
    uint8_t LEFT = static_cast<uint8_t>(ButtonState::Idle);
    uint8_t RIGHT = static_cast<uint8_t>(ButtonState::Idle);
    uint8_t UP = static_cast<uint8_t>(ButtonState::Idle);
    uint8_t DOWN = static_cast<uint8_t>(ButtonState::Idle);
    uint8_t FIRE = static_cast<uint8_t>(ButtonState::Idle);
    uint8_t FIRE2 = static_cast<uint8_t>(ButtonState::Idle);
    uint8_t SPEEDUP = static_cast<uint8_t>(ButtonState::Idle);
    uint8_t SPEEDDOWN = static_cast<uint8_t>(ButtonState::Idle);
    uint8_t FIRE3 = static_cast<uint8_t>(ButtonState::Idle);

    bool operator==(const ControlBlock&) const = default;
};

struct ControlRecord {
    uint32_t tick = 0;
    ControlBlock controls;

    bool operator==(const ControlRecord&) const = default;
};
