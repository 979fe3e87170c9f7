// Press edges across ticks: what an update sees between the event poll and AdvanceButtons.
#include "input_test_support.hpp"

#include <gtest/gtest.h>

using testing_support::TestInput;

TEST(ButtonState, HeldKeyIsJustPressedForOneTickThenHeldThenReleasedOnce)
{
    TestInput input;
    input.OnKey(122, true);
    EXPECT_EQ(input.FIRE.state, ButtonState::JustPressed);
    input.AdvanceButtons();
    for (int tick = 0; tick < 5; ++tick) {
        input.OnKey(122, true); // key repeat changes nothing
        EXPECT_EQ(input.FIRE.state, ButtonState::Held);
        input.AdvanceButtons();
    }
    input.OnKey(122, false);
    EXPECT_EQ(input.FIRE.state, ButtonState::JustReleased);
    input.AdvanceButtons();
    EXPECT_EQ(input.FIRE.state, ButtonState::Idle);
    input.AdvanceButtons();
    EXPECT_EQ(input.FIRE.state, ButtonState::Idle);
}

TEST(ButtonState, PressAndReleaseWithinOneTickEndsJustReleased)
{
    TestInput input;
    input.Tap(122);
    EXPECT_EQ(input.FIRE.state, ButtonState::JustReleased);
    EXPECT_FALSE(input.FIRE.JustPressed());
    input.AdvanceButtons();
    EXPECT_EQ(input.FIRE.state, ButtonState::Idle);
    // A new press straight after a release is a fresh edge.
    input.OnKey(122, true);
    input.OnKey(122, false);
    input.OnKey(122, true);
    EXPECT_EQ(input.FIRE.state, ButtonState::JustPressed);
}

TEST(ButtonState, UpWithoutDownAndAdvanceOfIdleChangeNothing)
{
    InputButton button;
    EXPECT_EQ(button.state, ButtonState::Idle);
    button.Set(false);
    EXPECT_EQ(button.state, ButtonState::Idle);
    button.Advance();
    EXPECT_EQ(button.state, ButtonState::Idle);
    EXPECT_EQ(static_cast<int>(ButtonState::JustPressed), 0);
    EXPECT_EQ(static_cast<int>(ButtonState::JustReleased), 3);
}

TEST(ButtonState, AdvanceButtonsReachesAllSeventeen)
{
    TestInput input;
    InputButton* all[] = {&input.Escape, &input.PAUSE, &input.MenuDown, &input.MenuUp, &input.Select,
                          &input.MenuRight, &input.MenuLeft, &input.Delete, &input.RIGHT, &input.LEFT,
                          &input.DOWN, &input.UP, &input.FIRE, &input.FIRE2, &input.FIRE3,
                          &input.SPEEDUP, &input.SPEEDDOWN};
    for (InputButton* button : all)
        button->Set(true);
    input.AdvanceButtons();
    for (InputButton* button : all)
        EXPECT_EQ(button->state, ButtonState::Held);
}
