#pragma once
// An InputState with the default bindings and no file, window or Unicode switch behind it.
#include "input/input_state.hpp"

#include <vector>

namespace testing_support {

struct TestInput : InputState {
    std::vector<bool> unicodeCalls;
    int screenshots = 0;

    TestInput()
    {
        // The defaults without Controls.dat: the same values ResetInputDefaults writes first.
        const KeyCode defaults[ActionCount][2] = {
            {276, 323}, {275, 324}, {273, 325}, {274, 326}, {122, 327},
            {120, 328}, {99, 329},  {97, 332},  {115, 333}, {19, 19},
        };
        for (int action = 0; action < ActionCount; ++action)
            BindKey(action, true, defaults[action][0]), BindKey(action, false, defaults[action][1]);
        enableUnicode = [this](bool on) { unicodeCalls.push_back(on); };
        takeScreenshot = [this] { ++screenshots; };
    }

    void Tap(KeyCode code)
    {
        OnKey(code, true);
        OnKey(code, false);
    }
};

} // namespace testing_support
