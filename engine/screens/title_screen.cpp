// The title menu: START GAME with its difficulty, CONTROLS, OPTIONS, QUIT, and the demo
// countdown that starts a demo playback after 500 idle ticks.
#include "audio/audio_system.hpp"
#include "core/screen_size.hpp"
#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "core/process_flags.hpp"
#include "input/menu_step.hpp"
#include "engine/play/demo_playback.hpp"
#include "engine/screens/ending_screen.hpp"
#include "game/game_flow_globals.hpp"
#include "game/screen_drawing.hpp"
#include "engine/screens/shell_media.hpp"
#include "graphics/gl_draw.hpp"
#include "game/ship_select_pictures.hpp"
#include "world/difficulty.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>

namespace {

constexpr uint32_t DemoIdleTicks = 500;


float LogoSaturation(uint32_t ticks)
{
    if (ticks < 90)
        return 0.0f;
    if (ticks <= 100)
        return float(ticks - 90) * 0.2f;
    if (ticks <= 110)
        return 2.0f - float(ticks - 100) * 0.1f;
    return 1.0f;
}

} // namespace

void Engine::EnterTitle()
{
    videoCache.Release("Videos/Intro.avi");
    ShowPictures(PictureSet::Title);
    StartFade(FadeWhite, FadeClearWhite, 25);
    stateTicks = 0;
    menuSelection = 0;
    menuPulse.Reset();
    acceptInput = true;
    // A demo left during its game-over fade must not carry the fade into the next game.
    gameOverFade = false;
    paused = false;
    PauseAudio(false);
    if (!PlayMusic(*this, "Sound/Track1.mp3", true))
        quitRequested = true;
    TickLength = DefaultTickLength;
    if (demoMode)
        RestoreDemoSettings(*this);
    idleTicks = 0;
    demoMode = true;
    SetState(Title);
}

void Engine::UpdateTitle()
{
    ++idleTicks;
    ++stateTicks;
    menuPulse.Step();
    if (FadesChangedScreen() || !acceptInput)
        return;

    if (input.Select.JustPressed()) {
        demoMode = false;
        acceptInput = false;
        StopAllAudio();
        PlayEffect(*this, SoundId::MenuSelect);
        static const ScreenFade::Operation choices[] = {&Engine::EnterShipSelect, &Engine::EnterControls,
                                                        &Engine::EnterOptions, &Engine::RequestQuit};
        StartFade(FadeClearBlack, FadeBlack, 25, choices[std::clamp(menuSelection, 0, 3)]);
    }
    if (input.Escape.JustPressed()) {
        StartFade(FadeClearBlack, FadeBlack, 25, &Engine::RequestQuit);
        acceptInput = false;
        StopAllAudio();
    }
    if (MenuDownPressed(input)) {
        idleTicks = 0;
        menuSelection = StepMenu(menuSelection, +1, 3);
        PlayEffect(*this, SoundId::MenuMove);
    }
    if (MenuUpPressed(input)) {
        idleTicks = 0;
        menuSelection = StepMenu(menuSelection, -1, 3);
        PlayEffect(*this, SoundId::MenuMove);
    }
    if (menuSelection == 0) {
        if (MenuRightPressed(input)) {
            difficulty = IsAtLeast(difficulty, Difficulty::Expert) ? DifficultyId(Difficulty::Rookie) : difficulty + 1;
            idleTicks = 0;
        }
        if (MenuLeftPressed(input)) {
            difficulty = IsAtMost(difficulty, Difficulty::Rookie) ? DifficultyId(Difficulty::Expert) : difficulty - 1;
            idleTicks = 0;
            return;
        }
    }
    if (idleTicks == DemoIdleTicks) {
        acceptInput = false;
        demoMode = true;
        StartFade(FadeClearBlack, FadeBlack, 25, &Engine::StartGame);
    }
}

void Engine::RenderTitle(float fraction)
{
    BeginScreen(1.0f, 1.0f, 1.0f);
    ShaderSet& shaders = ShellShaders(*this);

    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    shaders.Use(ShaderProgram::PassThroughTexture);
    DrawPicture(screenPictures.Get(pictures::TitleSplash), -191.5f, -0.5f, 832.5f, 511.5f, true);

    const float t = float(stateTicks) + fraction;
    const float a = std::clamp(t / 120.0f, 0.0f, 1.0f);
    shaders.Use(ShaderProgram::Saturation);
    shaders.SetFloat("saturation", LogoSaturation(stateTicks));
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, a, a);
    DrawPicture(screenPictures.Get(pictures::TitleLogo), 0.5f, 5.0f, 640.5f, 108.0f, true);
    shaders.UseProgram(0);
    glDisable(GL_BLEND);

    static const char* const startItems[DifficultyCount] = {"START GAME [ROOKIE]", "START GAME [NOVICE]",
                                                            "START GAME [EXPERT]"};
    const int32_t shown = std::clamp(difficulty, DifficultyId(Difficulty::Rookie), DifficultyId(Difficulty::Expert));
    const char* const items[] = {startItems[shown], "CONTROLS", "OPTIONS", "QUIT"};
    BitmapFont& font = ShellFont(*this);
    font.SetScale(1.0f, 1.0f);
    font.SetAlignment(TextAlignment::Centre);
    for (int i = 0; i < 4; ++i) {
        if (i == menuSelection)
            font.SetColour(1.0f, menuPulse.value, 0.0f, 1.0f);
        else
            font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        font.DrawText(items[i], ScreenCentreX, 200.0f + 30.0f * float(i));
    }

    const int countdown = 10 - int(idleTicks / 50);
    if (countdown > 0) {
        char text[32];
        std::snprintf(text, sizeof text, "DEMO IN %i", countdown);
        font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        font.SetScale(0.5f, 0.5f);
        font.SetAlignment(TextAlignment::Right);
        font.DrawText(text, 620.0f, 450.0f);
    }
    DrawFades();
}
