#pragma once
// The process-wide Park-Miller generator, the only source of randomness in the game:
// effects, enemies and stage builds all draw from it so replays stay identical.
#include <cstdint>

void SeedRandom(int32_t seed);
// Next value in 1..2^31-2.
int32_t Random();
// The generator's current state, for traces.
int32_t RandomState();
