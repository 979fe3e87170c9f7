#include "input/controls_menu.hpp"

#include "input/menu_step.hpp"
#include "input/input_state.hpp"

#include <algorithm>

ControlsMenuStep StepControlsMenu(InputState& input, int32_t& row)
{
    ControlsMenuStep step;
    if (input.Select.JustPressed()) {
        if (row == BackRow) {
            step.leave = true;
        } else if (row == AutofireRow) {
            input.autofire = !input.autofire;
        } else if (row >= 0 && row < SensitivityRow) {
            // The next key or pad direction going down becomes the binding.
            input.bindingPending = true;
            input.bindingAction = static_cast<ActionIndex>(row);
            input.bindingToPrimary = row < ActionCount;
        }
    }
    if (MenuDownPressed(input)) {
        // Down from the primary column skips the secondary one, reached with right.
        ++row;
        if (row == ActionCount)
            row = SensitivityRow;
        if (row > BackRow)
            row = 0;
        step.moved = true;
    }
    if (MenuUpPressed(input)) {
        if (--row < 0)
            row = BackRow;
        step.moved = true;
    }
    if (row >= 0 && row < ActionCount && MenuRightPressed(input)) {
        row += ActionCount;
        step.moved = true;
    } else if (row >= ActionCount && row < SensitivityRow && MenuLeftPressed(input)) {
        row -= ActionCount;
        step.moved = true;
    } else if (row == SensitivityRow) {
        if (MenuRightPressed(input))
            ++input.sensitivity;
        if (MenuLeftPressed(input))
            --input.sensitivity;
        input.sensitivity = std::clamp(input.sensitivity, 50, 100);
    }
    return step;
}
