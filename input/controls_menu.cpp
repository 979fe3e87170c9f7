#include "input/controls_menu.hpp"

#include "input/input_state.hpp"

#include <algorithm>

namespace {

bool Either(const InputButton& a, const InputButton& b)
{
    return a.JustPressed() || b.JustPressed();
}

} // namespace

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
    if (Either(input.MenuDown, input.DOWN)) {
        // Down from the primary column skips the secondary one, reached with right.
        ++row;
        if (row == ActionCount)
            row = SensitivityRow;
        if (row > BackRow)
            row = 0;
        step.moved = true;
    }
    if (Either(input.MenuUp, input.UP)) {
        if (--row < 0)
            row = BackRow;
        step.moved = true;
    }
    if (row >= 0 && row < ActionCount && Either(input.MenuRight, input.RIGHT)) {
        row += ActionCount;
        step.moved = true;
    } else if (row >= ActionCount && row < SensitivityRow && Either(input.MenuLeft, input.LEFT)) {
        row -= ActionCount;
        step.moved = true;
    } else if (row == SensitivityRow) {
        if (Either(input.MenuRight, input.RIGHT))
            ++input.sensitivity;
        if (Either(input.MenuLeft, input.LEFT))
            --input.sensitivity;
        input.sensitivity = std::clamp(input.sensitivity, 50, 100);
    }
    return step;
}
