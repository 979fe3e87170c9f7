// Pad input: buttons, axis zones from the sensitivity, the hat, and event routing.
#include "input/event_routing.hpp"
#include "input_test_support.hpp"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

using testing_support::TestInput;

namespace {

SDL_Event JoyButton(int index, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.button = static_cast<Uint8>(index);
    return event;
}

SDL_Event JoyAxis(int axis, int value)
{
    SDL_Event event{};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = static_cast<Uint8>(axis);
    event.jaxis.value = static_cast<Sint16>(value);
    return event;
}

SDL_Event JoyHat(int value)
{
    SDL_Event event{};
    event.type = SDL_JOYHATMOTION;
    event.jhat.value = static_cast<Uint8>(value);
    return event;
}

} // namespace

TEST(Joystick, ButtonsBecomePseudoKeysUpToButtonTwenty)
{
    TestInput input;
    RouteInputEvent(input, JoyButton(0, true), true);
    EXPECT_TRUE(input.FIRE.JustPressed());
    EXPECT_TRUE(input.Select.JustPressed());
    RouteInputEvent(input, JoyButton(0, false), true);
    EXPECT_TRUE(input.FIRE.JustReleased());
    input.AdvanceButtons();

    // Index 19 is JOYBUTTON20, the last one that exists.
    input.BindKey(ActionSpeedUp, false, 346);
    RouteInputEvent(input, JoyButton(19, true), true);
    EXPECT_TRUE(input.SPEEDUP.JustPressed());
    RouteInputEvent(input, JoyButton(19, false), true);
    input.AdvanceButtons();
    EXPECT_EQ(input.Select.state, ButtonState::Idle);

    input.BindKey(ActionFire2, false, 347); // MOUSE1: what index 20 would map to
    RouteInputEvent(input, JoyButton(20, true), true);
    EXPECT_EQ(input.FIRE2.state, ButtonState::Idle);
    EXPECT_EQ(input.Select.state, ButtonState::Idle);
}

TEST(Joystick, EventsAreDroppedWithoutAJoystick)
{
    TestInput input;
    RouteInputEvent(input, JoyButton(0, true), false);
    RouteInputEvent(input, JoyAxis(0, -32768), false);
    RouteInputEvent(input, JoyHat(SDL_HAT_UP), false);
    EXPECT_EQ(input.FIRE.state, ButtonState::Idle);
    EXPECT_EQ(input.LEFT.state, ButtonState::Idle);
    EXPECT_EQ(input.UP.state, ButtonState::Idle);
    EXPECT_EQ(input.axisZone[0], 0);
}

TEST(Joystick, AxisCountsOnlyFullDeflectionBelowSensitivityHundred)
{
    for (int sensitivity : {50, 80, 99}) {
        TestInput input;
        input.sensitivity = sensitivity;
        input.OnJoyAxis(0, -32767);
        input.OnJoyAxis(1, 32766);
        EXPECT_EQ(input.LEFT.state, ButtonState::Idle) << sensitivity;
        EXPECT_EQ(input.DOWN.state, ButtonState::Idle) << sensitivity;
        input.OnJoyAxis(0, -32768);
        EXPECT_EQ(input.axisZone[0], -1);
        EXPECT_TRUE(input.LEFT.JustPressed()) << sensitivity;
        EXPECT_EQ(input.Select.state, ButtonState::Idle) << "a direction does not select";
        input.OnJoyAxis(1, 32767);
        EXPECT_EQ(input.axisZone[1], 1);
        EXPECT_TRUE(input.DOWN.JustPressed());
        input.AdvanceButtons();
        input.OnJoyAxis(0, 100);
        EXPECT_EQ(input.axisZone[0], 0);
        EXPECT_TRUE(input.LEFT.JustReleased());
        EXPECT_EQ(input.DOWN.state, ButtonState::Held) << "the other axis is untouched";
    }
}

TEST(Joystick, AxisAtSensitivityHundredCountsFromHalfAndRepressesAtFull)
{
    TestInput input;
    input.sensitivity = 100;
    input.OnJoyAxis(0, 16382);
    EXPECT_EQ(input.axisZone[0], 0);
    input.OnJoyAxis(0, 16383);
    EXPECT_EQ(input.axisZone[0], 1);
    EXPECT_TRUE(input.RIGHT.JustPressed());
    input.AdvanceButtons();
    EXPECT_EQ(input.RIGHT.state, ButtonState::Held);
    // Zone 1 to 2: released and pressed again, a fresh edge.
    input.OnJoyAxis(0, 32767);
    EXPECT_EQ(input.axisZone[0], 2);
    EXPECT_TRUE(input.RIGHT.JustPressed());
    input.AdvanceButtons();
    // Staying in zone 2 presses again, which a held button ignores.
    input.OnJoyAxis(0, 32767);
    EXPECT_EQ(input.RIGHT.state, ButtonState::Held);

    input.OnJoyAxis(1, -16383);
    EXPECT_EQ(input.axisZone[1], 0);
    input.OnJoyAxis(1, -16384);
    EXPECT_EQ(input.axisZone[1], -1);
    EXPECT_TRUE(input.UP.JustPressed());
    input.OnJoyAxis(1, -32768);
    EXPECT_EQ(input.axisZone[1], -2);

    // Straight across from one side to the other releases one and presses the other.
    input.AdvanceButtons();
    input.OnJoyAxis(0, -32768);
    EXPECT_TRUE(input.RIGHT.JustReleased());
    EXPECT_TRUE(input.LEFT.JustPressed());
}

TEST(Joystick, AxesOtherThanTheFirstTwoAreIgnored)
{
    TestInput input;
    input.OnJoyAxis(2, -32768);
    input.OnJoyAxis(3, 32767);
    EXPECT_EQ(input.LEFT.state, ButtonState::Idle);
    EXPECT_EQ(input.Select.state, ButtonState::Idle);
}

TEST(Joystick, UnboundPseudoKeySelectsAndBindingCapturesIt)
{
    TestInput input;
    input.BindKey(ActionLeft, false, 1);
    input.OnJoyAxis(0, -32768);
    EXPECT_EQ(input.LEFT.state, ButtonState::Idle);
    EXPECT_TRUE(input.Select.JustPressed());

    TestInput binding;
    binding.bindingPending = true;
    binding.bindingAction = ActionFire;
    binding.bindingToPrimary = false;
    binding.OnJoyHat(SDL_HAT_DOWN);
    EXPECT_FALSE(binding.bindingPending);
    EXPECT_EQ(binding.FIRE.secondary, 326);
    EXPECT_EQ(binding.DOWN.state, ButtonState::Idle);
}

TEST(Joystick, PseudoKeyBoundToFireSelectsToo)
{
    TestInput input;
    input.BindKey(ActionFire, false, 325);
    input.BindKey(ActionUp, false, 0);
    input.OnJoyHat(SDL_HAT_UP);
    EXPECT_TRUE(input.FIRE.JustPressed());
    EXPECT_TRUE(input.Select.JustPressed());
    EXPECT_EQ(input.UP.state, ButtonState::Idle);
}

TEST(Joystick, HatDiagonalsPressBothAndCentreReleasesBoth)
{
    TestInput input;
    input.OnJoyHat(SDL_HAT_LEFTUP);
    EXPECT_EQ(input.hatX, -1);
    EXPECT_EQ(input.hatY, -1);
    EXPECT_TRUE(input.LEFT.JustPressed());
    EXPECT_TRUE(input.UP.JustPressed());
    input.AdvanceButtons();
    input.OnJoyHat(SDL_HAT_CENTERED);
    EXPECT_TRUE(input.LEFT.JustReleased());
    EXPECT_TRUE(input.UP.JustReleased());
    EXPECT_EQ(input.hatX, 0);
    EXPECT_EQ(input.hatY, 0);

    input.AdvanceButtons();
    input.OnJoyHat(SDL_HAT_RIGHTDOWN);
    EXPECT_TRUE(input.RIGHT.JustPressed());
    EXPECT_TRUE(input.DOWN.JustPressed());
    input.AdvanceButtons();
    // Rolling to the opposite diagonal only releases both: the hat passes through centre.
    input.OnJoyHat(SDL_HAT_LEFTUP);
    EXPECT_TRUE(input.RIGHT.JustReleased());
    EXPECT_TRUE(input.DOWN.JustReleased());
    EXPECT_EQ(input.LEFT.state, ButtonState::Idle);
    EXPECT_EQ(input.UP.state, ButtonState::Idle);
    EXPECT_EQ(input.hatX, 0);
    EXPECT_EQ(input.hatY, 0);
}

TEST(Joystick, HatPureDirectionKeepsTheOtherAxisHeld)
{
    TestInput input;
    input.OnJoyHat(SDL_HAT_RIGHTUP);
    input.AdvanceButtons();
    input.OnJoyHat(SDL_HAT_UP); // names only the vertical axis
    EXPECT_EQ(input.RIGHT.state, ButtonState::Held);
    EXPECT_EQ(input.hatX, 1);
    EXPECT_EQ(input.UP.state, ButtonState::Held);

    input.OnJoyHat(SDL_HAT_DOWN); // against held up: release only
    EXPECT_TRUE(input.UP.JustReleased());
    EXPECT_EQ(input.DOWN.state, ButtonState::Idle);
    EXPECT_EQ(input.hatY, 0);
    input.OnJoyHat(SDL_HAT_DOWN);
    EXPECT_TRUE(input.DOWN.JustPressed());
    EXPECT_EQ(input.hatY, 1);
    EXPECT_EQ(input.RIGHT.state, ButtonState::Held);

    input.OnJoyHat(SDL_HAT_LEFT);
    EXPECT_TRUE(input.RIGHT.JustReleased());
    EXPECT_EQ(input.hatX, 0);
    EXPECT_EQ(input.hatY, 1);

    input.OnJoyHat(5); // up and down at once: not a hat position
    input.OnJoyHat(15);
    EXPECT_EQ(input.hatX, 0);
    EXPECT_EQ(input.hatY, 1);
}

TEST(Joystick, ScriptedPadNamesBecomeJoystickEvents)
{
    SDL_Event event;
    ASSERT_TRUE(ScriptedPadEvent(346, true, event));
    EXPECT_EQ(event.type, SDL_JOYBUTTONDOWN);
    EXPECT_EQ(event.jbutton.button, 19);
    ASSERT_TRUE(ScriptedPadEvent(323, true, event));
    EXPECT_EQ(event.type, SDL_JOYAXISMOTION);
    EXPECT_EQ(event.jaxis.axis, 0);
    EXPECT_EQ(event.jaxis.value, -32768);
    ASSERT_TRUE(ScriptedPadEvent(326, false, event));
    EXPECT_EQ(event.jaxis.axis, 1);
    EXPECT_EQ(event.jaxis.value, 0);
    EXPECT_FALSE(ScriptedPadEvent(122, true, event));
    EXPECT_FALSE(ScriptedPadEvent(347, true, event));

    TestInput input;
    ASSERT_TRUE(ScriptedPadEvent(325, true, event));
    RouteInputEvent(input, event, true);
    EXPECT_TRUE(input.UP.JustPressed());
    ASSERT_TRUE(ScriptedPadEvent(325, false, event));
    RouteInputEvent(input, event, true);
    EXPECT_TRUE(input.UP.JustReleased());
}
