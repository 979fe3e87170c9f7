// Entry operations of screens that arrive with the end of a game. Until
// each lands, its entry installs the missing-screen state, which logs and returns to the
// title. Delete a definition here when the real one is added.
#include "engine/engine.hpp"

void Engine::EnterHiScore()
{
    SetState(HiScore);
}
