#pragma once
// Where each SDL event goes: keys to the key and text handlers, joystick axis, hat and
// buttons to the pad handlers (only with a joystick present). Quit and mouse are not input.
#include "input/key_code.hpp"

union SDL_Event;
class InputState;

void RouteInputEvent(InputState& input, const SDL_Event& event, bool joystickPresent);

// The joystick event a scripted pad key stands for: a button for JOYBUTTON1..20, full
// deflection (or centre on release) of axis 0 or 1 for JOYLEFT/RIGHT/UP/DOWN. False for
// every other code, which stays a key event.
bool ScriptedPadEvent(KeyCode keyCode, bool down, SDL_Event& event);
