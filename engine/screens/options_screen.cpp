// Options: music and effect volumes, a sound test and a music test.
#include "audio/audio_system.hpp"
#include "core/log.hpp"
#include "core/screen_size.hpp"
#include "audio/sample_table.hpp"
#include "engine/engine.hpp"
#include "engine/launch_settings.hpp"
#include "game/gauge_drawing.hpp"
#include "game/screen_pictures.hpp"
#include "game/shell_menus.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/sprite_sheet.hpp"
#include "input/menu_step.hpp"
#include "game/screen_drawing.hpp"
#include "engine/screens/shell_media.hpp"

#include <GL/gl.h>
#include <cstdio>

namespace {

// The volume sliders' frames, right of their labels.
constexpr float SliderLeft = 400.0f;
constexpr float SliderRight = 600.0f;

} // namespace

void Engine::EnterOptions()
{
    ShowPictures(PictureSet::Options);
    StartFade(FadeBlack, FadeClearBlack, 25);
    menuSelection = 0;
    shell.soundTestIndex = 0;
    shell.musicTestIndex = 0;
    stateTicks = 0;
    acceptInput = true;
    SetState(Options);
}

void Engine::UpdateOptions()
{
    menuPulse.Step();
    if (FadesChangedScreen() || !acceptInput)
        return;
    ++stateTicks;

    if (input.Select.JustPressed()) {
        StopAllAudio();
        if (menuSelection == SoundTestRow) {
            PlayEffect(*this, shell.soundTestIndex);
        } else if (menuSelection == MusicTestRow) {
            const TestTrack& track = MusicTestTrack(shell.musicTestIndex);
            FreeMusic(*this);
            PlayMusic(*this, track.file, track.loop);
        } else if (menuSelection == BackRow) {
            if (!SaveVolumes(musicVolume, sampleVolume))
                GameLog().Writef("Could not save the volumes in %s.\n", EngineConfigPath().c_str());
            StartFade(FadeClearBlack, FadeWhite, 25, &Engine::EnterTitle);
            PlayEffect(*this, SoundId::MenuSelect);
            acceptInput = false;
        }
    }
    const bool down = MenuDownPressed(input);
    const bool up = MenuUpPressed(input);
    if (down || up) {
        if (down)
            menuSelection = StepMenu(menuSelection, +1, OptionRowCount - 1);
        if (up)
            menuSelection = StepMenu(menuSelection, -1, OptionRowCount - 1);
        StopAllAudio(); // moving on silences a running test
        PlayEffect(*this, SoundId::MenuMove);
    }

    for (int step : {+1, -1}) {
        const bool pressed = step > 0 ? MenuRightPressed(input) : MenuLeftPressed(input);
        Volumes volumes{musicVolume, sampleVolume};
        if (pressed && StepOptionRow(menuSelection, step, volumes, shell)) {
            musicVolume = volumes.music;
            sampleVolume = volumes.effects;
            SetVolumes(musicVolume, sampleVolume);
        }
    }
}

void Engine::RenderOptions(float)
{
    BeginScreen(0.0f, 0.0f, 0.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawPicture(screenPictures.Get(pictures::Options), -191.5f, -15.5f, 832.5f, 496.5f, false);

    // Volume sliders: the gauge frame of the interface sheet with the volume's share lit. The
    // frame keeps to the screen: a slider 400 long from x 400 would run off its right edge.
    SpriteSheet frames;
    frames.Setup(screenPictures.Get(InterfaceSheet), 16, 16, 256, 256);
    const int volumes[] = {musicVolume, sampleVolume};
    for (int i = 0; i < 2; ++i) {
        const float top = 195.0f + 50.0f * float(i) + 2.0f;
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        BindTexture(GL_TEXTURE_2D, frames.texture);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        DrawGaugeFrame(frames, SliderLeft, SliderRight, top, top + 16.0f);
        glDisable(GL_TEXTURE_2D);
        DrawGaugeBar(SliderLeft + 16.0f, top + 4.0f, top + 12.0f, volumes[i], SliderRight - SliderLeft - 32.0f, 0.0f,
                     1.0f);
    }
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);

    BitmapFont& font = ShellFont(*this);
    auto colourFor = [&](int item) {
        if (item == menuSelection)
            font.SetColour(1.0f, menuPulse.value, 0.0f, 1.0f);
        else
            font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    };
    font.SetScale(1.0f, 1.0f);
    font.SetAlignment(TextAlignment::Centre);
    font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    font.DrawText("OPTIONS", ScreenCentreX, 30.0f);

    const char* const labels[] = {"MUSIC VOLUME", "SFX VOLUME", "SOUND TEST", "MUSIC TEST"};
    font.SetAlignment(TextAlignment::Left);
    for (int i = 0; i < 4; ++i) {
        colourFor(i);
        font.DrawText(labels[i], 150.0f, 195.0f + 50.0f * float(i));
    }
    char text[32];
    colourFor(SoundTestRow);
    std::snprintf(text, sizeof text, "SFX %i", shell.soundTestIndex);
    font.DrawText(text, 400.0f, 295.0f);
    colourFor(MusicTestRow);
    std::snprintf(text, sizeof text, "TRACK %i", shell.musicTestIndex);
    font.DrawText(text, 400.0f, 345.0f);

    colourFor(BackRow);
    font.SetAlignment(TextAlignment::Centre);
    font.DrawText("BACK", ScreenCentreX, 430.0f);
    DrawFades();
}
