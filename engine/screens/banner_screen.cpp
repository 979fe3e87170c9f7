// The first screen after start-up: the banner picture on white.
#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "game/screen_drawing.hpp"

#include <GL/gl.h>

namespace {


} // namespace

void Engine::EnterBanner()
{
    ShowPictures(PictureSet::Banner);
}

void Engine::UpdateBanner()
{
    if (FadesChangedScreen())
        return;
    ++stateTicks;
    if (acceptInput && (stateTicks == 150 || (stateTicks > 50 && input.Select.JustPressed()))) {
        StartFade(FadeClearBlack, FadeBlack, 25, &Engine::EnterStudioLogo);
        acceptInput = false;
    }
}

void Engine::RenderBanner(float)
{
    BeginScreen(1.0f, 1.0f, 1.0f);
    DrawPictureWithStrips(screenPictures.Get(pictures::Banner), 512);
    DrawFades();
}
