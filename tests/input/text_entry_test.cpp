// High-score name entry by keyboard (Unicode) and by pad (stepping through 32..96).
#include "input/event_routing.hpp"
#include "input_test_support.hpp"

#include <SDL/SDL.h>
#include <cstring>
#include <gtest/gtest.h>

using testing_support::TestInput;

namespace {

SDL_Event KeyDown(int sym, int unicode)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = static_cast<SDLKey>(sym);
    event.key.keysym.unicode = static_cast<Uint16>(unicode);
    return event;
}

struct NameEntry : ::testing::Test {
    TestInput input;
    char name[6] = "ACE  ";
    void SetUp() override { input.BeginTextEntry(name, 5); }
};

} // namespace

TEST_F(NameEntry, TypedLettersAreUpperCasedAndTheLastEndsTheEntry)
{
    ASSERT_EQ(input.unicodeCalls, std::vector<bool>{true});
    for (char c : std::string("bo b"))
        input.OnTextKey(c, c);
    EXPECT_TRUE(input.textEntryActive);
    input.OnTextKey('!', '!');
    EXPECT_FALSE(input.textEntryActive);
    EXPECT_STREQ(name, "BO B!");
    EXPECT_EQ(input.unicodeCalls, (std::vector<bool>{true, false}));
    input.OnTextKey('x', 'x'); // after the end: nothing
    EXPECT_STREQ(name, "BO B!");
}

TEST_F(NameEntry, ReturnTerminatesAtThePosition)
{
    input.OnTextKey('j', 'j');
    input.OnTextKey('o', 'o');
    input.OnTextKey(13, 13);
    EXPECT_FALSE(input.textEntryActive);
    EXPECT_STREQ(name, "JO");
    EXPECT_EQ(input.unicodeCalls.back(), false);
}

TEST_F(NameEntry, KeysWithoutCharacterAreIgnoredAndNonAsciiAdvancesWithoutWriting)
{
    input.OnTextKey(304, 0); // shift
    EXPECT_EQ(input.textEntryPosition, 0);
    input.OnTextKey('z', 'z');
    input.OnTextKey(0, 0x00e9); // é
    EXPECT_EQ(input.textEntryPosition, 2);
    input.OnTextKey(0, 0x20ac); // €
    EXPECT_EQ(input.textEntryPosition, 3);
    EXPECT_STREQ(name, "ZCE  ");
}

TEST_F(NameEntry, KeyDownGoesOnlyToTextEntryWhileKeyUpStillReachesTheButtons)
{
    RouteInputEvent(input, KeyDown(122, 'z'), false);
    EXPECT_EQ(input.FIRE.state, ButtonState::Idle);
    EXPECT_EQ(input.Select.state, ButtonState::Idle);
    EXPECT_EQ(name[0], 'Z');
    input.FIRE.state = ButtonState::Held;
    SDL_Event up = KeyDown(122, 0);
    up.type = SDL_KEYUP;
    RouteInputEvent(input, up, false);
    EXPECT_TRUE(input.FIRE.JustReleased());
}

TEST_F(NameEntry, PadStepsWrapBetween32And96AndFireAdvancesCopyingTheCharacter)
{
    name[0] = 96;
    input.UP.state = ButtonState::JustPressed;
    input.OnJoyTextStep();
    EXPECT_EQ(name[0], 32);
    input.UP.state = ButtonState::Held;
    input.OnJoyTextStep();
    EXPECT_EQ(name[0], 32) << "held is not a step";
    input.DOWN.state = ButtonState::JustPressed;
    input.OnJoyTextStep();
    EXPECT_EQ(name[0], 96);
    input.DOWN.state = ButtonState::Idle;

    name[0] = 'a'; // outside the pad's range
    input.UP.state = ButtonState::JustPressed;
    input.OnJoyTextStep();
    EXPECT_EQ(name[0], 32);
    name[0] = 'b';
    input.UP.state = ButtonState::Idle;
    input.DOWN.state = ButtonState::JustPressed;
    input.OnJoyTextStep();
    EXPECT_EQ(name[0], 96);
    input.DOWN.state = ButtonState::Idle;

    name[0] = 'Q';
    input.FIRE.state = ButtonState::JustPressed;
    for (int step = 1; step < 5; ++step) {
        input.OnJoyTextStep();
        EXPECT_EQ(input.textEntryPosition, step);
        EXPECT_EQ(name[step], 'Q');
    }
    EXPECT_TRUE(input.textEntryActive);
    input.OnJoyTextStep();
    EXPECT_FALSE(input.textEntryActive);
    EXPECT_EQ(name[5], 0) << "the terminator stays";
    EXPECT_EQ(input.unicodeCalls.back(), false);
}

TEST_F(NameEntry, PadEventsRunTheTextStepAfterTheirHandler)
{
    SDL_Event event{};
    event.type = SDL_JOYBUTTONDOWN;
    event.jbutton.button = 0; // FIRE
    RouteInputEvent(input, event, true);
    EXPECT_EQ(input.textEntryPosition, 1);
    EXPECT_EQ(name[1], 'A');
    input.AdvanceButtons();

    event = SDL_Event{};
    event.type = SDL_JOYHATMOTION;
    event.jhat.value = SDL_HAT_UP;
    RouteInputEvent(input, event, true);
    EXPECT_EQ(name[1], 'B');
}

TEST(TextEntry, NullBufferNeverWrites)
{
    TestInput input;
    input.textEntryActive = true;
    input.OnTextKey('a', 'a');
    EXPECT_FALSE(input.textEntryActive);
    input.BeginTextEntry(nullptr, 5);
    EXPECT_FALSE(input.textEntryActive);
}
