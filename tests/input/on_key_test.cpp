// Keys to logical buttons: binding capture, search order and the fixed per-code rules.
#include "input_test_support.hpp"

#include <gtest/gtest.h>

using testing_support::TestInput;

TEST(OnKey, ZSetsFireAndSelectTogether)
{
    TestInput input;
    input.OnKey(122, true);
    EXPECT_TRUE(input.FIRE.JustPressed());
    EXPECT_TRUE(input.Select.JustPressed());
    input.OnKey(122, false);
    EXPECT_TRUE(input.FIRE.JustReleased());
    EXPECT_TRUE(input.Select.JustReleased());
}

TEST(OnKey, ArrowsSetTheDirectionAndTheMenuButtonButNotSelect)
{
    TestInput input;
    input.OnKey(276, true);
    EXPECT_TRUE(input.LEFT.JustPressed());
    EXPECT_TRUE(input.MenuLeft.JustPressed());
    EXPECT_EQ(input.Select.state, ButtonState::Idle);
    input.OnKey(273, true);
    input.OnKey(274, true);
    input.OnKey(275, true);
    EXPECT_TRUE(input.UP.JustPressed() && input.MenuUp.JustPressed());
    EXPECT_TRUE(input.DOWN.JustPressed() && input.MenuDown.JustPressed());
    EXPECT_TRUE(input.RIGHT.JustPressed() && input.MenuRight.JustPressed());
    EXPECT_EQ(input.Select.state, ButtonState::Idle);
}

TEST(OnKey, PauseIsADirectionMatchAndBoundInBothSlots)
{
    TestInput input;
    EXPECT_EQ(input.PAUSE.primary, 19);
    EXPECT_EQ(input.PAUSE.secondary, 19);
    input.OnKey(19, true);
    EXPECT_TRUE(input.PAUSE.JustPressed());
    EXPECT_EQ(input.Select.state, ButtonState::Idle);
}

TEST(OnKey, ArrowUnboundFromItsDirectionStillDrivesTheMenuButton)
{
    TestInput input;
    input.BindKey(ActionLeft, true, 106); // J
    input.OnKey(276, true);
    EXPECT_EQ(input.LEFT.state, ButtonState::Idle);
    EXPECT_TRUE(input.MenuLeft.JustPressed());
    EXPECT_EQ(input.Select.state, ButtonState::Idle) << "the fixed rule for 276 returns before Select";
    input.OnKey(106, true);
    EXPECT_TRUE(input.LEFT.JustPressed());
    EXPECT_EQ(input.Select.state, ButtonState::Idle);
}

TEST(OnKey, BoundKeyShadowsLaterActionsInSearchOrder)
{
    TestInput input;
    // FIRE comes before UP in the search although UP has the lower action index.
    input.BindKey(ActionUp, true, 107);
    input.BindKey(ActionFire, false, 107);
    input.OnKey(107, true);
    EXPECT_TRUE(input.FIRE.JustPressed());
    EXPECT_EQ(input.UP.state, ButtonState::Idle);
    EXPECT_TRUE(input.Select.JustPressed()) << "a fire-type match still selects";

    // RIGHT comes before SPEEDDOWN: a direction match, so no Select.
    TestInput other;
    other.BindKey(ActionSpeedDown, true, 108);
    other.BindKey(ActionRight + 10, false, 108); // 10..19 name the same actions
    other.OnKey(108, true);
    EXPECT_TRUE(other.RIGHT.JustPressed());
    EXPECT_EQ(other.RIGHT.secondary, 108);
    EXPECT_EQ(other.SPEEDDOWN.state, ButtonState::Idle);
    EXPECT_EQ(other.Select.state, ButtonState::Idle);
}

TEST(OnKey, UnboundKeysReturnAndSpaceSelect)
{
    TestInput input;
    for (KeyCode code : {13, 32, 0, 300, 400, -5}) {
        input.OnKey(code, true);
        EXPECT_TRUE(input.Select.JustPressed()) << code;
        input.OnKey(code, false);
        input.AdvanceButtons();
    }
}

TEST(OnKey, DigitsSetTheEditLayerOnDownAndUpAndNeverSelect)
{
    TestInput input;
    EXPECT_EQ(input.editLayer, 4);
    input.OnKey(50, true);
    EXPECT_EQ(input.editLayer, 2);
    input.OnKey(51, false);
    EXPECT_EQ(input.editLayer, 3);
    input.Tap(49);
    EXPECT_EQ(input.editLayer, 1);
    input.OnKey(52, true);
    EXPECT_EQ(input.editLayer, 4);
    input.OnKey(53, true); // 5 is an ordinary key
    EXPECT_EQ(input.editLayer, 4);
    EXPECT_TRUE(input.Select.JustPressed());

    TestInput bound;
    bound.BindKey(ActionFire, true, 49);
    bound.OnKey(49, true);
    EXPECT_TRUE(bound.FIRE.JustPressed()) << "the binding still fires";
    EXPECT_EQ(bound.Select.state, ButtonState::Idle);
    EXPECT_EQ(bound.editLayer, 1);
}

TEST(OnKey, EscapeDeleteAndF1HaveTheirOwnButtons)
{
    TestInput input;
    input.OnKey(27, true);
    EXPECT_TRUE(input.Escape.JustPressed());
    input.OnKey(127, true);
    EXPECT_TRUE(input.Delete.JustPressed());
    input.OnKey(282, true);
    input.OnKey(282, false);
    EXPECT_EQ(input.screenshots, 1) << "F1 captures on key down only";
    EXPECT_EQ(input.Select.state, ButtonState::Idle);

    InputState noWindow;
    noWindow.takeScreenshot = nullptr;
    noWindow.OnKey(282, true); // headless: nothing to capture, nothing happens
    EXPECT_EQ(noWindow.Select.state, ButtonState::Idle);
}

TEST(OnKey, BindingSwallowsEscapeAndTakesTheNextKeyWhateverItIs)
{
    TestInput input;
    input.bindingPending = true;
    input.bindingAction = ActionFire;
    input.bindingToPrimary = true;
    input.OnKey(27, true);
    EXPECT_TRUE(input.bindingPending);
    EXPECT_EQ(input.Escape.state, ButtonState::Idle);
    EXPECT_EQ(input.FIRE.primary, 122);
    input.OnKey(27, false); // the release of Escape is an ordinary key up
    EXPECT_TRUE(input.bindingPending);

    input.OnKey(1, true); // a code without a name
    EXPECT_FALSE(input.bindingPending);
    EXPECT_EQ(input.FIRE.primary, 1);
    EXPECT_EQ(input.Select.state, ButtonState::Idle) << "the captured key does nothing else";

    input.bindingPending = true;
    input.bindingAction = static_cast<ActionIndex>(ActionPause + 10);
    input.bindingToPrimary = false;
    input.OnKey(120, true); // already X for FIRE2: double bindings are allowed
    EXPECT_EQ(input.PAUSE.secondary, 120);
    EXPECT_EQ(input.PAUSE.primary, 19);
    EXPECT_EQ(input.FIRE2.primary, 120);
}

TEST(OnKey, BindKeyIgnoresIndicesOutsideTheTwoColumns)
{
    TestInput input;
    input.BindKey(20, true, 5);
    input.BindKey(-1, true, 5);
    for (int action = 0; action < ActionCount; ++action) {
        EXPECT_NE(input.Action(action)->primary, 5);
        EXPECT_NE(input.Action(action)->secondary, 5);
    }
    EXPECT_EQ(input.Action(20), nullptr);
    EXPECT_EQ(input.Action(19), &input.PAUSE);
}
