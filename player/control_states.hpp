#pragma once
// Reading the ship's control block: the state of one stored button, and the rule the
// cannon, the orb and the pods share for when FIRE fires (a fresh press, or the button up
// with autofire on).
#include "world/control_record.hpp"

#include <cstdint>

inline bool IsHeld(uint8_t state)
{
    return state == static_cast<uint8_t>(ButtonState::Held);
}

inline bool IsIdle(uint8_t state)
{
    return state == static_cast<uint8_t>(ButtonState::Idle);
}

inline bool IsJustPressed(uint8_t state)
{
    return state == static_cast<uint8_t>(ButtonState::JustPressed);
}

inline bool FireTriggered(const ControlBlock& controls, bool autofire)
{
    return IsJustPressed(controls.FIRE) || (IsIdle(controls.FIRE) && autofire);
}

inline float Radians(float degrees)
{
    return degrees * (3.14159265f / 180.0f);
}
