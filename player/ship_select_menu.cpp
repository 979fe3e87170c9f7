#include "player/ship_select_menu.hpp"

#include "input/input_state.hpp"
#include "input/menu_step.hpp"

#include <algorithm>

namespace {

constexpr int32_t LastShip = ShipTypeCount - 1;
constexpr int32_t LastColourSet = 2;
constexpr int32_t LastPodType = 2;

// Rows -2..5 through StepMenu's 0..last.
int32_t StepRow(int32_t row, int32_t delta)
{
    return StepMenu(row - ShipRow, delta, OrbPodRow - ShipRow) + ShipRow;
}

void StepSetting(int32_t row, ShipSelectState& screen, ShipSettings& ship, int32_t delta)
{
    switch (row) {
    case ShipRow:
        ship.ShipType = StepMenu(ship.ShipType, delta, LastShip);
        break;
    case ColourSetRow:
        screen.colourSet = StepMenu(screen.colourSet, delta, LastColourSet);
        break;
    case GunPodRow:
        ship.gunPodType = StepMenu(ship.gunPodType, delta, LastPodType);
        break;
    case OrbPodRow:
        ship.orbPodType = StepMenu(ship.orbPodType, delta, LastPodType);
        break;
    default:
        if (float* channel = ChannelOf(ship, screen.colourSet, row)) {
            const float next = delta > 0 ? *channel + ChannelStep : *channel - ChannelStep;
            *channel = std::clamp(next, 0.0f, ChannelLimit(row));
        }
        break;
    }
}

} // namespace

bool ShipUnlocked(int32_t shipType, bool bonusShips)
{
    return shipType != Id(ShipType::Butterfly) || bonusShips;
}

float ChannelLimit(int32_t row)
{
    return row == RedRow || row == GreenRow ? 1.0f : 2.0f;
}

float* ChannelOf(ShipSettings& ship, int32_t colourSet, int32_t row)
{
    ShipColour& colour = ship.colours[static_cast<size_t>(colourSet >= 0 && colourSet <= LastColourSet ? colourSet : 0)];
    switch (row) {
    case RedRow: return &colour.red;
    case GreenRow: return &colour.green;
    case BlueRow: return &colour.blue;
    case SaturationRow: return &colour.saturation;
    default: return nullptr;
    }
}

ShipSelectStep StepShipSelectMenu(const InputState& input, int32_t& row, ShipSelectState& screen, ShipSettings& ship,
                                  bool bonusShips)
{
    ShipSelectStep step;
    if (input.Escape.JustPressed()) {
        step.leave = true;
        return step;
    }
    if (row < ShipRow || row > OrbPodRow)
        row = ShipRow;
    if (MenuDownPressed(input)) {
        row = StepRow(row, +1);
        step.moved = true;
    }
    if (MenuUpPressed(input)) {
        row = StepRow(row, -1);
        step.moved = true;
    }
    if (MenuLeftPressed(input)) {
        StepSetting(row, screen, ship, -1);
        step.moved = true;
    }
    if (MenuRightPressed(input)) {
        StepSetting(row, screen, ship, +1);
        step.moved = true;
    }
    if (input.Select.JustPressed() && ShipUnlocked(ship.ShipType, bonusShips))
        step.launch = true;
    return step;
}

float NextShipSelectPhase(float phase)
{
    const float next = phase + 0.5f;
    return next >= 32.0f ? next - 32.0f : next;
}
