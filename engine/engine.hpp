#pragma once
// The one engine object: owns everything that lives longer than a frame and runs the
// fixed-tick frame loop. Its constructor runs the whole game before it returns.
#include "engine/frame_clock.hpp"

#include <cstdio>
#include <memory>
#include <vector>

union SDL_Event;
class TraceWriter;

class Engine {
public:
    using UpdateOp = void (Engine::*)();
    using RenderOp = void (Engine::*)(float fraction);

    Engine(int width, int height);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void RunFrameLoop();

    // Window size in pixels.
    int width = 0;
    int height = 0;
    bool quitRequested = false;
    // While set, the render operation receives a fraction of exactly 1.0.
    bool paused = false;
    bool scanLines = false;
    bool showFps = false;
    bool bloom = false;
    bool fullscreen = false;
    int startStage = 1;
    bool acceptInput = true;
    bool fromEditor = false;
    int musicVolume = 75;
    int sampleVolume = 100;
    bool joystickPresent = false;

    // --- input: text entry and the logical buttons ---

    // The current screen: installed by the state machine.
    UpdateOp updateOp;
    RenderOp renderOp;

    // --- game flow: menu selection, difficulty, fades ---

    // --- graphics: first sprite sheets and loose textures ---

    FrameClock clock;

    // --- graphics: shader set, fonts, texture and video caches ---

    // --- world: layers, lists, stage data, second sprite sheets ---

    // --- audio: music tracks and the sample table ---

    // --- graphics: render targets ---

    // Ticks run by the frame loop since launch (the first tick is 1).
    long ticksSinceLaunch = 0;
    // False when start-up stopped before the frame loop (a failed render target or asset).
    bool startupComplete = false;

private:
    // Constructor steps; false leaves the constructor without running a frame.
    bool StartUp();
    void RunTick();
    void RenderFrame(float fraction);
    void PollEvents();
    void DispatchScriptedEvents();
    void DispatchEvent(const SDL_Event& event);
    void TakeDueScreenshots();

    // Until the first screen is installed: nothing to update, a cleared window.
    void UpdateIdle();
    void RenderClear(float fraction);

    size_t nextScriptedEvent_ = 0;
    std::vector<bool> screenshotsTaken_;
    std::unique_ptr<TraceWriter> trace_;
};

// The process-wide engine, set at the start of its constructor.
extern Engine* TheEngine;
