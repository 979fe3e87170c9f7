#pragma once
// What the shell screens keep beside the game flow: the options screen's test picks, the
// studio logo's secret entry, and the cheats of the run (never saved).
#include <cstdint>
#include <vector>

struct CheatSettings {
    int32_t startWeapon = 0; // 0 none, else an orb weapon kind + 1
    bool allGunPods = false;
    bool bonusShips = false;
    bool infiniteContinues = false;
};

struct ShellState {
    int32_t soundTestIndex = 0; // 0..31
    int32_t musicTestIndex = 0; // 0..10
    // The studio logo's secret entry: press values 0..6, 7 for a press off the code.
    std::vector<int32_t> secretPresses;
};
