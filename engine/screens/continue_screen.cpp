// The continue offer after the last life: the continue clip over the whole screen, a
// countdown, and FIRE to go on from the last checkpoint. The clip's end is game over.
#include "engine/engine.hpp"
#include "core/screen_size.hpp"
#include "input/menu_step.hpp"
#include "core/process_flags.hpp"
#include "game/continue_offer.hpp"
#include "game/screen_drawing.hpp"
#include "engine/screens/shell_media.hpp"
#include "graphics/gl_draw.hpp"

#include <GL/gl.h>
#include <algorithm>

namespace {

const char* const ContinueVideo = "Videos/Continue.avi";
const char* const ContinueMusic = "Sound/Continue.mp3";
constexpr int VideoSize = 512;

} // namespace

void Engine::EnterContinue()
{
    VideoTexture* video = videoCache.Get(ContinueVideo, false, VideoSize, VideoSize);
    if (!video)
        quitRequested = true;
    else
        video->Seek(0); // a clip kept from an earlier offer would otherwise start at its end
    music.Free();
    if (!music.Load(ContinueMusic, true)) {
        quitRequested = true;
        return;
    }
    StartFade(FadeBlack, FadeClearBlack, 25);
    savedStateTicks = static_cast<int32_t>(stateTicks);
    stateTicks = 0;
    IdleSelectAndFire(input);
    SetState(Continue);
    acceptInput = true;
    gameOverFade = false;
    clock.ResetClock();
    TickLength = DefaultTickLength;
    music.Play();
}

void Engine::UpdateContinue()
{
    if (acceptInput) {
        videoCache.AdvanceAll();
        ++stateTicks;
    }
    if (FadesChangedScreen())
        return;
    const VideoTexture* video = videoCache.Find(ContinueVideo);
    if (!video || !acceptInput)
        return;
    switch (ChooseContinue(video->Finished(), stateTicks, input.FIRE.JustPressed())) {
    case ContinueChoice::GameOver:
        StartFade(FadeClearBlack, FadeClearBlack, 25, &Engine::EnterGameOver);
        acceptInput = false;
        break;
    case ContinueChoice::Continue:
        StartFade(FadeClearBlack, FadeBlack, 25, &Engine::ContinueGame);
        acceptInput = false;
        break;
    case ContinueChoice::Wait:
        break;
    }
}

void Engine::RenderContinue(float)
{
    BeginScreen(0.0f, 0.0f, 0.0f);
    // Without its clip the offer cannot run out: nothing is promised, the screen stays black.
    const VideoTexture* video = videoCache.Find(ContinueVideo);
    if (!video) {
        DrawFades();
        return;
    }
    DrawVideoFrame(video, ShellShaders(*this), 0.0f, 0.0f, ScreenWidth, ScreenHeight);

    BitmapFont& small = secondFont;
    small.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    small.SetAlignment(TextAlignment::Centre);
    small.SetScale(1.0f, 1.0f);
    small.DrawText("CONTINUE?", ScreenCentreX, 140.0f);

    BitmapFont& large = mainFont;
    large.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    large.SetAlignment(TextAlignment::Centre);
    large.SetScale(2.0f, 2.0f);
    large.DrawText(ContinueCountdownText(stateTicks), ScreenCentreX, ScreenCentreY);

    small.SetScale(0.75f, 0.75f);
    small.DrawText(ContinuesRemainingText(continues, cheats.infiniteContinues), ScreenCentreX, 440.0f);
    DrawFades();
}
