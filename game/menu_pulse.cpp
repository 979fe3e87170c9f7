#include "game/menu_pulse.hpp"

namespace {

// Twenty float steps of 0.05 land a hair short of 1; the turn must not wait a tick for it.
constexpr float Tolerance = 1e-4f;

} // namespace

void MenuPulse::Step()
{
    value += rising ? 0.05f : -0.05f;
    if (rising && value >= 1.0f - Tolerance) {
        value = 1.0f;
        rising = false;
    } else if (!rising && value <= Tolerance) {
        value = 0.0f;
        rising = true;
    }
}
