// Real key presses: xdotool types into an SDL window on the test display, and the events
// SDL delivers go through the same routing as the frame loop's.
#include "input/event_routing.hpp"
#include "input_test_support.hpp"
#include "support/required.hpp"

#include <SDL/SDL.h>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

class RealWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            SKIP_UNLESS_REQUIRED("needs a display (make test runs under xvfb-run)");
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        title_ = "skyreaver-input-" + std::to_string(getpid());
        SDL_WM_SetCaption(title_.c_str(), title_.c_str());
        ASSERT_NE(SDL_SetVideoMode(320, 240, 0, SDL_SWSURFACE), nullptr) << SDL_GetError();
        // The real Unicode switch: the typed-name test depends on it.
        input_.enableUnicode = [](bool on) { SDL_EnableUNICODE(on ? 1 : 0); };
        Pump([] { return false; }, 300); // let the window map
        const std::string focus = "xdotool search --sync --name '" + title_ + "' windowfocus --sync";
        ASSERT_EQ(std::system(focus.c_str()), 0);
    }
    void TearDown() override { SDL_Quit(); }

    void Xdotool(const std::string& arguments)
    {
        const std::string command = "xdotool " + arguments;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    // Routes every event SDL delivers until `done` holds or the time runs out.
    bool Pump(const std::function<bool()>& done, int milliseconds = 3000)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < until) {
            SDL_Event event;
            while (SDL_PollEvent(&event))
                RouteInputEvent(input_, event, false);
            if (done())
                return true;
            SDL_Delay(5);
        }
        return done();
    }

    testing_support::TestInput input_;
    std::string title_;
};

} // namespace

TEST_F(RealWindow, KeysFromTheDisplayReachTheButtons)
{
    Xdotool("keydown z");
    ASSERT_TRUE(Pump([&] { return input_.FIRE.state != ButtonState::Idle; }));
    EXPECT_TRUE(input_.FIRE.JustPressed());
    EXPECT_TRUE(input_.Select.JustPressed());
    input_.AdvanceButtons();
    Xdotool("keyup z");
    ASSERT_TRUE(Pump([&] { return input_.FIRE.JustReleased(); }));
    input_.AdvanceButtons();

    Xdotool("key Left");
    ASSERT_TRUE(Pump([&] { return input_.LEFT.JustReleased(); }));
    EXPECT_TRUE(input_.MenuLeft.JustReleased());
    EXPECT_EQ(input_.Select.state, ButtonState::Idle);

    Xdotool("key 3");
    ASSERT_TRUE(Pump([&] { return input_.editLayer == 3; }));
}

TEST_F(RealWindow, TypedNameArrivesThroughUnicodeTranslation)
{
    char name[6] = "AAAAA";
    input_.BeginTextEntry(name, 5);
    Xdotool("type --delay 20 'sk'");
    Xdotool("key Return");
    ASSERT_TRUE(Pump([&] { return !input_.textEntryActive; }));
    EXPECT_STREQ(name, "SK");
    EXPECT_EQ(input_.FIRE.state, ButtonState::Idle);
}
