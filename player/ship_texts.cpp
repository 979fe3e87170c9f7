#include "player/ship_texts.hpp"
#include "player/ship_type.hpp"

#include <array>
#include <cstddef>

namespace {

template <class T, std::size_t N>
const T& Entry(const std::array<T, N>& table, int32_t index)
{
    return table[index >= 0 && static_cast<std::size_t>(index) < N ? static_cast<std::size_t>(index) : 0];
}

const std::array<ChoiceText, ShipTypeCount> Ships = {{
    {"PTYPE: Mk I", {"RADID FORCE RECHARGE", "SLEEK, ALLROUND FIGHTER.", "STANDARD FRONT MOUNTED CANNON.",
                     "FORCE STYLE: SHOCK BURST."}},
    {"PTYPE: Mk II", {"EXHAUST PORT DAMAGES ENEMIES", "ON SPEED SHIFT.", "STANDARD FRONT MOUNTED CANNON.",
                      "FORCE STYLE: SHOCK CLAW."}},
    {"PTYPE: Mk III", {"DEFENSIVE TAIL SHIELDS SOME ATTACKS", "AND HARMS ENEMIES.", "FRONT AND TAIL MOUNTED CANNONS.",
                       "FORCE STYLE: TAIL BURST."}},
    {"BUTTERFLY", {"STOLEN ENEMY CRAFT", "UPGRADED TO USE POD WEAPONRY", "DUAL MOUNTED CANNONS."}},
}};

const std::array<const char*, ShipTypeCount> Missiles = {"HOMING MISSILE", "AIR-TO-GROUND MISSILE", "CLUSTER MISSILE",
                                             "HOMING MISSILE"};

const std::array<ChoiceText, 3> GunPods = {{
    {"TYPE 1", {"FOLLOWS VEHICLE.", "MAXIMUM OF 4 PODS."}},
    {"TYPE 2", {"45 DEGREE ARC.", "MAXIMUM OF 2 PODS."}},
    {"TYPE 3", {"CIRCLE AROUND VEHICLE", "MAXIMUM OF 3 PODS."}},
}};

const std::array<ChoiceText, 3> OrbPods = {{
    {"STANDARD ORBPOD", {"4 WAY PULSE."}},
    {"ARC ORBPOD", {"HIGH VOLTAGE CONNECTION BETWEEN", "VEHICLE AND POD."}},
    {"EMP ORBPOD", {"WHEN DETACHED EMITS", "HIGH VOLTAGE EMP."}},
}};

const std::array<const char*, 3> ColourSets = {"PRIMARY", "SECONDARY", "COCKPIT"};

} // namespace

const ChoiceText& ShipTextOf(int32_t shipType)
{
    return Entry(Ships, shipType);
}

const char* MissileNameOf(int32_t shipType)
{
    return Entry(Missiles, shipType);
}

const ChoiceText& GunPodTextOf(int32_t gunPodType)
{
    return Entry(GunPods, gunPodType);
}

const ChoiceText& OrbPodTextOf(int32_t orbPodType)
{
    return Entry(OrbPods, orbPodType);
}

const char* ColourSetName(int32_t colourSet)
{
    return Entry(ColourSets, colourSet);
}
