#include "player/ship_settings.hpp"
#include "player/ship_type.hpp"

namespace {

struct SpeedRow {
    int32_t levels;
    float base;
    float perLevel;
};

constexpr SpeedRow SpeedRows[ShipTypeCount] = {
    {4, 0.5f, 0.2f}, {5, 0.35f, 0.175f}, {3, 0.35f, 0.15f}, {6, 0.35f, 0.175f}};

const SpeedRow& RowOf(int32_t shipType)
{
    return SpeedRows[shipType >= 0 && shipType < ShipTypeCount ? shipType : Id(ShipType::MkI)];
}

} // namespace

int32_t MaxSpeedLevel(int32_t shipType)
{
    return RowOf(shipType).levels;
}

float ShipSpeed(int32_t shipType, int32_t level)
{
    const SpeedRow& row = RowOf(shipType);
    return row.base + row.perLevel * static_cast<float>(level);
}
