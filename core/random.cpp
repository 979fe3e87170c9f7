#include "core/random.hpp"

namespace {
int32_t state = 1;
}

void SeedRandom(int32_t seed) { state = seed; }

int32_t Random()
{
    // Schrage's method: 16807 * state mod (2^31 - 1) without 32-bit overflow.
    constexpr int32_t a = 16807, m = 2147483647, q = 127773, r = 2836;
    const int32_t hi = state / q;
    const int32_t lo = state % q;
    int32_t next = a * lo - r * hi;
    if (next <= 0)
        next += m;
    state = next;
    return state;
}

int32_t RandomState() { return state; }
