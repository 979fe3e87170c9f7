#pragma once
// Command-line options for tests, tools and scripted runs. None of them changes behaviour
// unless given.
#include <array>
#include <functional>
#include <istream>
#include <string>
#include <vector>

struct ScriptedEvent {
    long tick = 0;    // dispatched before the update of this tick (ticks count from 1)
    int keyCode = 0;  // a key code of the key-name table
    bool down = true;
};

struct ScreenshotRequest {
    long tick = 0;
    std::string file;
};

// A game started straight away instead of the shell (--play and its settings); -1 leaves a
// setting as the game starts it.
struct PlayRequest {
    int stage = 0; // 0: no --play
    long tick = 0;
    int difficulty = -1;
    int ship = -1;
    int orbPod = -1;
    int gunPod = -1;
    // --colours: red, green, blue and saturation of the primary, secondary and cockpit colours.
    bool hasColours = false;
    std::array<std::array<float, 4>, 3> colours{};
};

struct AutomationOptions {
    bool skipSetup = false;
    bool fixedStep = false;
    bool headless = false;
    // Start in the stage editor (its stage files 1..8 may then be played with --play).
    bool editor = false;
    long quitAfter = -1; // -1: run until the player quits
    std::string inputFile;
    std::string traceFile;
    std::vector<ScreenshotRequest> screenshots;
    std::vector<ScriptedEvent> script; // sorted by tick, file order kept within a tick
    PlayRequest play;
    // --record-demo: the demo file a game started by --play records.
    std::string recordDemo;
    // Called after every tick, once its trace line is written: a tool that steers the game
    // from inside (the autopilot) sets it. Never set by an option.
    std::function<void()> afterTick;
};

// The options of this run, parsed once by main.
AutomationOptions& Automation();
