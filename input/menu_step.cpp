#include "input/menu_step.hpp"

#include "input/input_state.hpp"

void IdleSelectAndFire(InputState& input)
{
    input.Select.state = ButtonState::Idle;
    input.FIRE.state = ButtonState::Idle;
    input.FIRE2.state = ButtonState::Idle;
    input.FIRE3.state = ButtonState::Idle;
}

bool MenuDownPressed(const InputState& input)
{
    return input.MenuDown.JustPressed() || input.DOWN.JustPressed();
}

bool MenuUpPressed(const InputState& input)
{
    return input.MenuUp.JustPressed() || input.UP.JustPressed();
}

bool MenuLeftPressed(const InputState& input)
{
    return input.MenuLeft.JustPressed() || input.LEFT.JustPressed();
}

bool MenuRightPressed(const InputState& input)
{
    return input.MenuRight.JustPressed() || input.RIGHT.JustPressed();
}

int32_t StepMenu(int32_t selection, int32_t delta, int32_t last)
{
    const int32_t next = selection + delta;
    return next > last ? 0 : next < 0 ? last : next;
}
