#include "engine/engine.hpp"
#include "core/screen_size.hpp"

#include "audio/sample_table.hpp"

#include "audio/audio_system.hpp"
#include "engine/editor/editor_start.hpp"
#include "core/automation.hpp"
#include "engine/launch_settings.hpp"
#include "engine/play_installation.hpp"
#include "core/log.hpp"
#include "core/process_flags.hpp"
#include "core/settings_file.hpp"
#include "engine/trace_writer.hpp"
#include "engine/play/game_start.hpp"
#include "game/score_file.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/precache.hpp"
#include "graphics/video_cache.hpp"
#include "input/joystick_discovery.hpp"
#include "input/screenshot_key.hpp"

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <cstdlib>
#include <ctime>

Engine* TheEngine = nullptr;

namespace {

bool ReadFlag(const char* key)
{
    // Absent keys read as off: the launcher rewrites every key just before the engine starts.
    int value = 0;
    Settings().IntSetting(EngineConfigPath(), key, value);
    return value != 0;
}

// For the start-up benchmark: the wall-clock time at which the first frame was presented,
// in nanoseconds, written to the file named by SKYREAVER_FIRST_FRAME_MARK.
void MarkFirstFrame()
{
    const char* path = std::getenv("SKYREAVER_FIRST_FRAME_MARK");
    if (!path || !*path)
        return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (FILE* file = std::fopen(path, "w")) {
        std::fprintf(file, "%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fclose(file);
    }
}

} // namespace

Engine::Engine(int width_, int height_)
    : width(width_), height(height_), updateOp(&Engine::UpdateIdle), renderOp(&Engine::RenderClear)
{
    GameLog().Write("Intiailzing Engine!\n");
    TheEngine = this;
    play_ = std::make_unique<PlayInstallation>(*this);
    quitRequested = false;
    paused = false;
    clock.SetFixedStep(Automation().fixedStep);
    clock.ResetClock();

    if (!StartUp())
        return;
    RunFrameLoop();
}

Engine::Engine(Detached) : updateOp(&Engine::UpdateIdle), renderOp(&Engine::RenderClear)
{
    TheEngine = this;
    play_ = std::make_unique<PlayInstallation>(*this);
}

Engine::~Engine()
{
    if (TheEngine == this)
        TheEngine = nullptr;
}

bool Engine::StartUp()
{
    const bool headless = Automation().headless;

    Settings().ForgetCreatedFiles();
    showFps = ReadFlag("ShowFPS");
    scanLines = ReadFlag("ScanLines");
    bloom = ReadFlag("Bloom");
    fullscreen = ReadFlag("Fullscreen");
    vsync = ReadFlag("Vsync");

    // step: joystick discovery
    joystickPresent = !headless && DiscoverJoysticks();
    startStage = 1;

    // step: shaders
    if (!headless && ShadersEnabled && !BuildShaders()) {
        GameLog().Write("Failed to Initialize Shaders.\n");
        GameLog().Write("Switching to ShaderLess mode.\n");
        ShadersEnabled = false;
        LowSpecMode = true;
    }
    // step: render targets
    if (!headless && !CreateRenderTargets()) {
        GameLog().Write("Failed to Initialize Frame Buffers.\n");
        return false;
    }
    // step: video formats, audio, volumes
    RegisterVideoFormats();
    InitAudio();
    LoadVolumes(musicVolume, sampleVolume);
    SetVolumes(musicVolume, sampleVolume);
    // step: control configuration, high scores
    if (headless) {
        input.enableUnicode = nullptr; // no window: nothing translates keys
    } else {
        input.takeScreenshot = SaveKeyScreenshot;
    }
    input.ResetInputDefaults();
    scores = HighScoreTable{};
    LoadOrCreateScores(scores);
    // step: precache
    if (!PrecacheGraphics(sheets, mainFont, secondFont))
        return false;
    // step: sample table (first precache of the process only)
    if (!LoadSampleTable(samples))
        return false;

    if (!headless) {
        glShadeModel(GL_SMOOTH);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        // step: "Loading..." text
        SetProjection(ScreenWidth, ScreenHeight);
        mainFont.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        mainFont.SetScale(0.75f, 0.75f);
        mainFont.SetAlignment(TextAlignment::Centre);
        mainFont.DrawText("Loading...", 570.0f, 450.0f);
        SDL_GL_SwapBuffers();
        MarkFirstFrame();
    }

    // The loading screen stays up for at least three seconds from the start of construction.
    while (clock.Elapsed() < 3.0f)
        clock.UpdateClock();

    if (!Automation().traceFile.empty()) {
        trace_ = std::make_unique<TraceWriter>(Automation().traceFile);
        if (!trace_->IsOpen())
            std::fprintf(stderr, "skyreaver: cannot write trace file %s\n", Automation().traceFile.c_str());
    }

    // step: first screen (installed directly, then its entry runs)
    stageIndex = 1;
    difficulty = DifficultyId(Difficulty::Rookie);
    acceptInput = true;
    stateTicks = 0;
    fromEditor = false;
    if (Automation().editor) {
        StartInEditor(*this, Automation().play);
    } else if (Automation().play.stage != 0) {
        if (!BeginRequestedGame(*this, Automation().play))
            return false;
    } else {
        SetState(Banner);
        EnterBanner();
    }
    if (quitRequested)
        return false;
    // step: initial player-ship parameters
    return true;
}

void Engine::UpdateIdle() {}

void Engine::RenderClear(float)
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
