// The controls screen: the bindings of the ten actions in two columns, pad sensitivity and
// autofire; leaving through BACK saves Controls.dat.
#include "audio/audio_system.hpp"
#include "core/screen_size.hpp"
#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "game/screen_drawing.hpp"
#include "engine/screens/shell_media.hpp"
#include "input/control_config.hpp"
#include "input/controls_menu.hpp"
#include "input/key_names.hpp"

#include <GL/gl.h>
#include <cstdio>

namespace {

const char* const ActionLabels[ActionCount] = {"LEFT", "RIGHT", "UP", "DOWN", "FIRE", "MANIPULATE",
                                               "DETONATE", "SPEED UP", "SPEED DOWN", "SPEED PAUSE"};

} // namespace

void Engine::EnterControls()
{
    ShowPictures(PictureSet::Controls);
    SetState(Controls);
    StartFade(FadeBlack, FadeClearBlack, 100);
    menuSelection = 0;
    menuPulse.Reset();
    acceptInput = true;
    // The title stopped all audio on the way here: its menu music starts again.
    PlayMusic(*this, "Sound/Track1.mp3", true);
}

void Engine::UpdateControls()
{
    menuPulse.Step();
    if (FadesChangedScreen() || !acceptInput)
        return;

    const ControlsMenuStep step = StepControlsMenu(input, menuSelection);
    if (step.leave) {
        StopAllAudio();
        PlayEffect(*this, SoundId::MenuSelect);
        StartFade(FadeClearBlack, FadeWhite, 25, &Engine::EnterTitle);
        // Every key is written afresh; the old file stays if the write fails.
        SaveControls(input);
        acceptInput = false;
    }
    if (step.moved)
        PlayEffect(*this, SoundId::MenuMove);
}

void Engine::RenderControls(float)
{
    BeginScreen(0.0f, 0.0f, 0.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawPicture(screenPictures.Get(pictures::Controls), -191.5f, -15.5f, 832.5f, 496.5f, false);

    BitmapFont& font = ShellFont(*this);
    auto colourFor = [&](int row) {
        if (row != menuSelection)
            font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        else if (input.bindingPending)
            font.SetColour(0.0f, menuPulse.value, 1.0f, 1.0f); // waiting for a key
        else
            font.SetColour(1.0f, menuPulse.value, 0.0f, 1.0f);
    };

    font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    font.SetScale(1.0f, 1.0f);
    font.SetAlignment(TextAlignment::Centre);
    font.DrawText("CONTROLS", ScreenCentreX, 10.0f);

    font.SetScale(0.5f, 0.5f);
    font.SetAlignment(TextAlignment::Left);
    font.DrawText("ACTION", 100.0f, 50.0f);
    font.DrawText("PRIMARY", 325.0f, 50.0f);
    font.DrawText("SECONDARY", 450.0f, 50.0f);
    for (int action = 0; action < ActionCount; ++action) {
        const float y = 100.0f + 30.0f * float(action);
        const InputButton& button = *input.Action(action);
        font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        font.DrawText(ActionLabels[action], 100.0f, y);
        colourFor(action);
        font.DrawText(KeyName(button.primary), 325.0f, y);
        colourFor(action + ActionCount);
        font.DrawText(KeyName(button.secondary), 450.0f, y);
    }

    char text[48];
    font.SetAlignment(TextAlignment::Centre);
    colourFor(SensitivityRow);
    std::snprintf(text, sizeof text, "PAD SENSITIVITY: %.3i", input.sensitivity * 2 - 100);
    font.DrawText(text, ScreenCentreX, 400.0f);
    colourFor(AutofireRow);
    font.DrawText(input.autofire ? "AUTOFIRE: YES" : "AUTOFIRE: NO", ScreenCentreX, 430.0f);
    colourFor(BackRow);
    font.DrawText("BACK", ScreenCentreX, 460.0f);
    DrawFades();
}
