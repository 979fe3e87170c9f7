#include "input/menu_step.hpp"

#include "input/input_state.hpp"

#include <gtest/gtest.h>

TEST(MenuStep, WrapsAtBothEndsAndStepsInside)
{
    EXPECT_EQ(StepMenu(0, +1, 3), 1);
    EXPECT_EQ(StepMenu(3, +1, 3), 0);
    EXPECT_EQ(StepMenu(0, -1, 3), 3);
    EXPECT_EQ(StepMenu(2, -1, 3), 1);
    // A single-item menu stays put either way.
    EXPECT_EQ(StepMenu(0, +1, 0), 0);
    EXPECT_EQ(StepMenu(0, -1, 0), 0);
}

TEST(MenuStep, MenuKeyOrShipDirectionPressedThisTickOnly)
{
    InputState input;
    EXPECT_FALSE(MenuDownPressed(input));
    input.DOWN.Set(true);
    EXPECT_TRUE(MenuDownPressed(input));
    EXPECT_FALSE(MenuUpPressed(input));
    input.DOWN.Advance(); // held: no longer a press
    EXPECT_FALSE(MenuDownPressed(input));
    input.MenuLeft.Set(true);
    EXPECT_TRUE(MenuLeftPressed(input));
    EXPECT_FALSE(MenuRightPressed(input));
    input.RIGHT.Set(true);
    EXPECT_TRUE(MenuRightPressed(input));
    input.MenuUp.Set(true);
    EXPECT_TRUE(MenuUpPressed(input));
}
