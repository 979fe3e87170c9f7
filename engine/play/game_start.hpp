#pragma once
// Starting a game on the loaded stage index: the new-game path of the title and of --play.
#include <cstdint>

class Engine;
struct PlayRequest;

// Loads engine.stageIndex and starts a new game on it, built at the time index; false (with
// quitRequested set) when the stage cannot load.
bool BeginGameAt(Engine& engine, uint32_t timeIndex);
// The settings --play asks for (difficulty, ship, pods, colours); the others stay as they are.
void ApplyPlaySettings(Engine& engine, const PlayRequest& request);
// --play: the requested settings, then BeginGameAt on the requested stage and time index.
bool BeginRequestedGame(Engine& engine, const PlayRequest& request);
