#include "input/joystick_discovery.hpp"

#include "core/log.hpp"

#include <SDL/SDL.h>

bool DiscoverJoysticks()
{
    Log& log = GameLog();
    log.Write("\n[Searching for Joystick]\n");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0) {
        log.Write("No joysticks found...\n");
        return false;
    }
    const int count = SDL_NumJoysticks();
    if (count <= 0) {
        log.Write("No joysticks found...\n");
        return false;
    }
    bool opened = false;
    for (int index = 0; index < count; ++index) {
        // Kept open for the whole run: SDL sends events only for open joysticks.
        if (SDL_JoystickOpen(index)) {
            log.Writef("Joystick %i found and intialized.\n", index);
            opened = true;
        } else {
            log.Writef("Joystick %i could not be opened!\n", index);
        }
    }
    return opened;
}
