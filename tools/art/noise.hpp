#pragma once
// Deterministic value noise: a pure function of position and seed (integer hashing, no
// generator state), so every picture is reproducible and cells can be shaded in any order.
#include <cstdint>

float Hash01(int32_t x, int32_t y, uint32_t seed);
// Smooth noise in 0..1; with period > 0 it tiles every `period` units on both axes.
float ValueNoise(float x, float y, uint32_t seed, int period = 0);
// Sum of octaves, normalised to 0..1.
float Fbm(float x, float y, uint32_t seed, int octaves, int period = 0);
