#pragma once
// The words the ship selection screen shows for each choice: a ship's name and description,
// its missile, the gun pod and orb pod types with their descriptions. Values outside a
// table's range read as its first entry, so a stray setting never indexes past the end.
#include <cstdint>
#include <vector>

struct ChoiceText {
    const char* name;
    std::vector<const char*> lines;
};

const ChoiceText& ShipTextOf(int32_t shipType);
const char* MissileNameOf(int32_t shipType);
// Gun pods: the behaviour, then the largest number of pods.
const ChoiceText& GunPodTextOf(int32_t gunPodType);
const ChoiceText& OrbPodTextOf(int32_t orbPodType);
// "PRIMARY", "SECONDARY" or "COCKPIT".
const char* ColourSetName(int32_t colourSet);
