// The controls screen's rows: movement with its jumps and wraps, capture, sensitivity.
#include "input/controls_menu.hpp"
#include "input_test_support.hpp"

#include <gtest/gtest.h>

using testing_support::TestInput;

namespace {

// One tick: press, step the menu, advance.
ControlsMenuStep Tick(TestInput& input, int32_t& row, KeyCode key)
{
    input.OnKey(key, true);
    const ControlsMenuStep step = StepControlsMenu(input, row);
    input.OnKey(key, false);
    input.AdvanceButtons();
    input.AdvanceButtons();
    return step;
}

} // namespace

TEST(ControlsMenu, DownSkipsTheSecondaryColumnAndWraps)
{
    TestInput input;
    int32_t row = 0;
    std::vector<int32_t> visited;
    for (int i = 0; i < 13; ++i) {
        EXPECT_TRUE(Tick(input, row, Key::Down).moved);
        visited.push_back(row);
    }
    EXPECT_EQ(visited, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 21, 22, 0}));
    row = 19;
    Tick(input, row, Key::Down);
    EXPECT_EQ(row, 20);
}

TEST(ControlsMenu, UpWrapsFromTheTopAndPassesThroughTheSecondaryColumn)
{
    TestInput input;
    int32_t row = 0;
    Tick(input, row, Key::Up);
    EXPECT_EQ(row, 22);
    row = 20;
    Tick(input, row, Key::Up);
    EXPECT_EQ(row, 19);
}

TEST(ControlsMenu, RightAndLeftMoveBetweenColumnsAndChangeSensitivityOnItsRow)
{
    TestInput input;
    int32_t row = 3;
    EXPECT_TRUE(Tick(input, row, Key::Right).moved);
    EXPECT_EQ(row, 13);
    Tick(input, row, Key::Right); // no third column
    EXPECT_EQ(row, 13);
    EXPECT_TRUE(Tick(input, row, Key::Left).moved);
    EXPECT_EQ(row, 3);
    Tick(input, row, Key::Left);
    EXPECT_EQ(row, 3);

    row = SensitivityRow;
    input.sensitivity = 99;
    Tick(input, row, Key::Right);
    EXPECT_EQ(input.sensitivity, 100);
    Tick(input, row, Key::Right);
    EXPECT_EQ(input.sensitivity, 100);
    input.sensitivity = 51;
    EXPECT_FALSE(Tick(input, row, Key::Left).moved);
    Tick(input, row, Key::Left);
    EXPECT_EQ(input.sensitivity, 50);
    EXPECT_EQ(row, SensitivityRow);
}

TEST(ControlsMenu, SelectCapturesIntoTheRowsSlotAndTheNextKeyBinds)
{
    TestInput input;
    int32_t row = 4;
    Tick(input, row, Key::Return);
    ASSERT_TRUE(input.bindingPending);
    Tick(input, row, Key::Escape); // cannot be bound, does not cancel
    EXPECT_TRUE(input.bindingPending);
    Tick(input, row, 102);
    EXPECT_FALSE(input.bindingPending);
    EXPECT_EQ(input.FIRE.primary, 102);
    EXPECT_EQ(row, 4);

    row = 14;
    Tick(input, row, Key::Return);
    EXPECT_FALSE(input.bindingToPrimary);
    input.OnJoyAxis(1, 32767); // a pad direction binds too
    EXPECT_EQ(input.FIRE.secondary, Key::JoyDown);
    EXPECT_EQ(input.FIRE.primary, 102);

    row = SensitivityRow;
    Tick(input, row, Key::Return);
    EXPECT_FALSE(input.bindingPending);
}

TEST(ControlsMenu, AutofireTogglesAndBackLeaves)
{
    TestInput input;
    int32_t row = AutofireRow;
    Tick(input, row, Key::Return);
    EXPECT_TRUE(input.autofire);
    Tick(input, row, 32);
    EXPECT_FALSE(input.autofire);
    row = BackRow;
    EXPECT_TRUE(Tick(input, row, Key::Return).leave);
    EXPECT_FALSE(Tick(input, row, Key::Down).leave);
}
