#pragma once
// The ship the player flies and how it is dressed: chosen on the ship selection screen (or
// by --play), recorded in demos. Held by value as Engine::ship.
#include "player/ship_type.hpp"

#include <array>
#include <cstdint>

struct ShipColour {
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    float saturation = 1.0f;
};

struct ShipSettings {
    int32_t ShipType = Id(::ShipType::MkI); // a ShipType, stored by number
    int32_t orbPodType = 0; // 0..2
    int32_t gunPodType = 0; // 0..2
    // Primary, secondary, cockpit: a red hull with white trim and a cyan canopy.
    std::array<ShipColour, 3> colours{{{1.0f, 0.2f, 0.2f, 2.0f}, {1.0f, 1.0f, 1.0f, 2.0f}, {0.0f, 0.7f, 1.0f, 2.0f}}};
};

// Speed levels of a ship type (4, 5, 3, 6); types outside 0..3 read as type 0.
int32_t MaxSpeedLevel(int32_t shipType);
// The acceleration per tick of a ship type at a speed level.
float ShipSpeed(int32_t shipType, int32_t level);
