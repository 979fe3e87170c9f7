#include "game/game_flow_globals.hpp"

bool demoMode = false;
uint32_t idleTicks = 0;
uint32_t demoTickCounter = 0;
uint32_t demoStartTime = 0;
bool demoShipLost = false;
