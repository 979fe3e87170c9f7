#pragma once
// One tick of play, in its fixed order: the demo abort, fades, the game-over fade, pause and
// its menu, then the world (camera, generators, layers, shots, effects, the ship, the
// collision pass). Runs without a window.
class Engine;

void RunPlayTick(Engine& engine);
// The game-over fade's tick; true while it runs (the world stands still).
bool StepGameOverFade(Engine& engine);
// The pause menu's tick: RESUME or QUIT.
void RunPauseMenu(Engine& engine);
// The world's part of the tick, from the time index onward.
void AdvanceWorld(Engine& engine);
