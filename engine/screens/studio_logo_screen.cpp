// The studio logo with its music and four white flashes; it also watches for the secret
// entry to the cheats screen, showing one icon per press in a black band at the top.
#include "audio/audio_system.hpp"
#include "core/screen_size.hpp"
#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "game/screen_drawing.hpp"
#include "game/secret_entry.hpp"
#include "engine/screens/shell_media.hpp"
#include "graphics/gl_draw.hpp"

#include <GL/gl.h>

namespace {


// The first of the seven buttons pressed this tick, or -1.
int32_t FirstPress(const InputState& input)
{
    const InputButton* order[] = {&input.LEFT, &input.RIGHT, &input.UP,   &input.DOWN,
                                  &input.FIRE, &input.FIRE2, &input.FIRE3};
    for (int32_t i = 0; i < 7; ++i)
        if (order[i]->JustPressed())
            return i;
    return -1;
}

} // namespace

void Engine::EnterStudioLogo()
{
    ShowPictures(PictureSet::StudioLogo);
    StartFade(FadeBlack, FadeClearBlack, 25);
    stateTicks = 0;
    acceptInput = true;
    input.Select.state = ButtonState::Idle;
    SetState(StudioLogo);
    StopAllAudio();
    if (!PlayMusic(*this, "Sound/Moorhaven.ogg", false))
        quitRequested = true;
    clock.ResetClock();
}

void Engine::UpdateStudioLogo()
{
    if (FadesChangedScreen())
        return;
    ++stateTicks;
    if (stateTicks == 100 || stateTicks == 150 || stateTicks == 170 || stateTicks == 250)
        StartFade(FadeWhite, FadeClearBlack, 20);
    if (!acceptInput)
        return;
    if (stateTicks == 350) {
        StartFade(FadeClearBlack, FadeBlack, 25, &Engine::EnterIntroStory);
        acceptInput = false;
        return;
    }
    if (stateTicks > 350)
        return;
    const int32_t press = FirstPress(input);
    if (press < 0)
        return;
    const SecretOutcome outcome = RecordSecretPress(shell.secretPresses, press);
    if (outcome == SecretOutcome::Waiting)
        return;
    StartFade(FadeClearBlack, FadeBlack, 25,
              outcome == SecretOutcome::Cheats ? &Engine::EnterCheats : &Engine::EnterIntroStory);
    acceptInput = false;
}

void Engine::RenderStudioLogo(float)
{
    BeginScreen(1.0f, 1.0f, 1.0f);
    DrawPictureWithStrips(screenPictures.Get(pictures::StudioLogo), 512);
    FillRect(0.0f, 0.0f, ScreenWidth, 40.0f, 0.0f, 0.0f, 0.0f, 1.0f);

    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    BindTexture(GL_TEXTURE_2D, screenPictures.Get(pictures::PressIcons));
    SetTextureFilter(GL_NEAREST, GL_NEAREST);
    glBegin(GL_QUADS);
    for (size_t i = 0; i < shell.secretPresses.size(); ++i) {
        const int32_t cell = shell.secretPresses[i];
        const float u = float(cell % 4) / 4.0f, v = float(cell / 4) / 2.0f;
        const float x = 32.0f + 35.0f * float(i);
        glTexCoord2f(u, v);
        glVertex2f(x, 4.0f);
        glTexCoord2f(u + 0.25f, v);
        glVertex2f(x + 32.0f, 4.0f);
        glTexCoord2f(u + 0.25f, v + 0.5f);
        glVertex2f(x + 32.0f, 36.0f);
        glTexCoord2f(u, v + 0.5f);
        glVertex2f(x, 36.0f);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    DrawFades();
}
