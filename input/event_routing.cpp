#include "input/event_routing.hpp"

#include "input/input_state.hpp"

#include <SDL/SDL.h>

void RouteInputEvent(InputState& input, const SDL_Event& event, bool joystickPresent)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        if (input.textEntryActive)
            input.OnTextKey(event.key.keysym.sym, event.key.keysym.unicode);
        else
            input.OnKey(event.key.keysym.sym, true);
        return;
    case SDL_KEYUP:
        input.OnKey(event.key.keysym.sym, false);
        return;
    case SDL_JOYAXISMOTION:
    case SDL_JOYHATMOTION:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        break;
    default:
        return;
    }

    // Every joystick reads as the same one.
    if (!joystickPresent)
        return;
    if (event.type == SDL_JOYAXISMOTION) {
        input.OnJoyAxis(event.jaxis.axis, event.jaxis.value);
    } else if (event.type == SDL_JOYHATMOTION) {
        input.OnJoyHat(event.jhat.value);
    } else if (event.jbutton.button < Key::JoyButtonCount) {
        input.OnKey(Key::JoyButton1 + event.jbutton.button, event.type == SDL_JOYBUTTONDOWN);
    }
    if (input.textEntryActive)
        input.OnJoyTextStep();
}

bool ScriptedPadEvent(KeyCode keyCode, bool down, SDL_Event& event)
{
    event = SDL_Event{};
    if (keyCode >= Key::JoyButton1 && keyCode < Key::JoyButton1 + Key::JoyButtonCount) {
        event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
        event.jbutton.button = static_cast<Uint8>(keyCode - Key::JoyButton1);
        event.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
        return true;
    }
    if (keyCode < Key::JoyLeft || keyCode > Key::JoyDown)
        return false;
    const bool negative = keyCode == Key::JoyLeft || keyCode == Key::JoyUp;
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = (keyCode == Key::JoyLeft || keyCode == Key::JoyRight) ? 0 : 1;
    event.jaxis.value = !down ? 0 : (negative ? -32768 : 32767);
    return true;
}
