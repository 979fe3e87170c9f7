#pragma once
// Drives the real setup window: a private X display per test (so parallel tests never click
// each other's windows), the game started in the background, and xdotool for the input.
#include "support/game_run.hpp"

#include <string>
#include <sys/types.h>

namespace testing_support {

// An Xvfb server of its own, on the first free display number.
class PrivateDisplay {
public:
    PrivateDisplay();
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

    bool Ok() const { return !name_.empty(); }
    const std::string& Name() const { return name_; } // e.g. ":3"

    // Runs a shell command on this display; returns its standard output.
    std::string Run(const std::string& command) const;
    // The id of the visible window whose title is exactly `title`, or "" after `seconds`.
    std::string WaitForWindow(const std::string& title, int seconds) const;
    // A left click at (x, y) inside the window.
    void Click(const std::string& window, int x, int y) const;
    // Keyboard focus to the window, then the keys (xdotool names) typed one by one.
    void Keys(const std::string& window, const std::string& keys) const;
    // What a window manager sends when the close box is clicked: WM_DELETE_WINDOW.
    bool RequestClose(const std::string& window) const;

private:
    pid_t server_ = -1;
    std::string name_;
};

// The game started in the background on a display, its output collected in the scratch dir.
class BackgroundGame {
public:
    BackgroundGame(const ScratchDir& dir, const PrivateDisplay& display, const std::string& arguments,
                   int timeoutSeconds = 60);
    ~BackgroundGame();
    BackgroundGame(const BackgroundGame&) = delete;
    BackgroundGame& operator=(const BackgroundGame&) = delete;

    // Waits for the process to end; false when it is still running after `seconds`.
    bool Wait(int seconds);
    bool Running();
    int ExitStatus() const { return exitStatus_; }
    std::string Output() const;

private:
    std::filesystem::path outputFile_;
    pid_t pid_ = -1;
    int exitStatus_ = -1;
};

} // namespace testing_support
