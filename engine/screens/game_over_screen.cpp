// "GAME OVER" for three seconds, then a fade to white into the intro story; the next game
// starts from the first stage again.
#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "core/screen_size.hpp"
#include "engine/screens/ending_screen.hpp"
#include "game/screen_drawing.hpp"

namespace {

constexpr uint32_t GameOverTicks = 150;

} // namespace

void Engine::EnterGameOver()
{
    ShowPictures(PictureSet::None);
    CleanupStage();
    SetState(GameOver);
    clock.ResetClock();
    StartFade(FadeBlack, FadeClearBlack, 100);
    stateTicks = 0;
}

void Engine::UpdateGameOver()
{
    ++stateTicks;
    if (FadesChangedScreen())
        return;
    if (stateTicks == GameOverTicks) {
        StartFade(FadeClearBlack, FadeWhite, 75, &Engine::EnterIntroStory);
        stageIndex = 1;
    }
}

void Engine::RenderGameOver(float)
{
    BeginScreen(0.0f, 0.0f, 0.0f);
    BitmapFont& font = mainFont;
    font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    font.SetAlignment(TextAlignment::Centre);
    font.SetScale(2.0f, 2.0f);
    font.DrawText("GAME OVER", ScreenCentreX, 180.0f);
    DrawFades();
}
