#include "core/automation.hpp"
#include "core/screen_size.hpp"
#include "engine/engine.hpp"
#include "engine/frame_count_mark.hpp"
#include "engine/frame_pacer.hpp"
#include "core/process_flags.hpp"
#include "engine/screenshot.hpp"
#include "engine/trace_writer.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/pass_timer.hpp"
#include "input/event_routing.hpp"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL/SDL.h>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

double Seconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

void Engine::RunFrameLoop()
{
    float accumulator = 0.0f;
    if (quitRequested)
        return;
    const AutomationOptions& automation = Automation();
    bool quitTickReached = false;
    // A virtual clock keeps no display time: scripted runs go as fast as they can.
    FramePacer pacer(vsync && !automation.fixedStep);
    do {
        clock.UpdateClock();
        accumulator += clock.Delta();
        RunDueTicks(
            accumulator, TickLength,
            [&] {
                RunTick();
                if (automation.quitAfter >= 0 && ticksSinceLaunch >= automation.quitAfter) {
                    quitRequested = true;
                    quitTickReached = true;
                }
            },
            // --quit-after stops at exactly its tick even when a frame holds more.
            [&] { return quitTickReached; });

        if (!automation.headless) {
            RenderFrame(paused ? 1.0f : accumulator / TickLength);
            const double swapStart = Seconds();
            SDL_GL_SwapBuffers();
            EndPassFrame("swap");
            MarkPresentedFrame();
            const double wait = pacer.AfterSwap(swapStart, Seconds());
            SDL_Delay(wait > 0.001 ? static_cast<Uint32>(wait * 1000.0) : 1);
        }
    } while (!quitRequested);
}

void Engine::RunTick()
{
    ++ticksSinceLaunch;
    if (!Automation().headless)
        PollEvents();
    DispatchScriptedEvents();
    (this->*updateOp)();
    // step: advance the buttons
    input.AdvanceButtons();
    if (trace_)
        trace_->WriteTick(*this);
    if (const auto& afterTick = Automation().afterTick)
        afterTick();
}

void Engine::RenderFrame(float fraction)
{
    (this->*renderOp)(fraction);
    if (GLenum error = glGetError(); error != GL_NO_ERROR)
        std::fprintf(stderr, "OpenGL Error: %s\n", reinterpret_cast<const char*>(gluErrorString(error)));
    // step: FPS overlay
    if (showFps) {
        SetProjection(ScreenWidth, ScreenHeight);
        glDisable(GL_DEPTH_TEST);
        mainFont.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        mainFont.SetScale(0.5f, 0.5f);
        mainFont.SetBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        mainFont.SetAlignment(TextAlignment::Left);
        mainFont.DrawText("FPS " + std::to_string(clock.FramesPerSecond()), 15.0f, 450.0f);
    }
    TakeDueScreenshots();
}

void Engine::TakeDueScreenshots()
{
    const auto& requests = Automation().screenshots;
    screenshotsTaken_.resize(requests.size(), false);
    for (size_t i = 0; i < requests.size(); ++i) {
        if (screenshotsTaken_[i] || requests[i].tick > ticksSinceLaunch)
            continue;
        screenshotsTaken_[i] = true;
        if (!SaveWindowPng(requests[i].file, width, height))
            std::fprintf(stderr, "skyreaver: cannot save screenshot %s\n", requests[i].file.c_str());
    }
}

void Engine::PollEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        DispatchEvent(event);
}

void Engine::DispatchScriptedEvents()
{
    const auto& script = Automation().script;
    while (nextScriptedEvent_ < script.size() && script[nextScriptedEvent_].tick <= ticksSinceLaunch) {
        const ScriptedEvent& scripted = script[nextScriptedEvent_++];
        SDL_Event event{};
        // Pad names become joystick events, which a script delivers even without a pad.
        if (ScriptedPadEvent(scripted.keyCode, scripted.down, event)) {
            RouteInputEvent(input, event, true);
            continue;
        }
        event.type = scripted.down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = scripted.down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = static_cast<SDLKey>(scripted.keyCode);
        // Key-down events carry the character, as SDL's Unicode translation gives it.
        if (scripted.down && scripted.keyCode > 0 && scripted.keyCode < 128)
            event.key.keysym.unicode = static_cast<Uint16>(scripted.keyCode);
        DispatchEvent(event);
    }
}

void Engine::DispatchEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        quitRequested = true;
        break;
    // keys and joystick: the input handlers
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_JOYAXISMOTION:
    case SDL_JOYHATMOTION:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        RouteInputEvent(input, event, joystickPresent);
        break;
    default:
        break;
    }
}
