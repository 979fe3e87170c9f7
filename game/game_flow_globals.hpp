#pragma once
// Process-wide game-flow values that the title, demo playback and play share.
#include <cstdint>

// The game that starts next, or is running, is a demo playback.
extern bool demoMode;
// Title ticks since the last menu movement.
extern uint32_t idleTicks;
// Ticks since the game started: a demo's length is counted in these.
extern uint32_t demoTickCounter;
// The ship went down in a demo: the game over starts at the end of the tick.
extern bool demoShipLost;
// The time index a demo playback starts from, read from its file.
extern uint32_t demoStartTime;
