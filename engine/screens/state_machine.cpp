// SetState, the fade list and the shared steps of every shell screen.
#include "engine/engine.hpp"
#include "core/process_flags.hpp"
#include "engine/screens/state_table.hpp"

#include <GL/gl.h>
#include <malloc.h>

// By GameState number.
const ScreenOps* ScreenFor(int32_t number)
{
    if (!IsGameState(number))
        return nullptr;
    static const ScreenOps table[GameStateCount] = {
        {&Engine::UpdateTitle, &Engine::RenderTitle},                 // Title
        {&Engine::UpdateControls, &Engine::RenderControls},           // Controls
        {&Engine::UpdateOptions, &Engine::RenderOptions},             // Options
        {&Engine::UpdateStudioLogo, &Engine::RenderStudioLogo},       // StudioLogo
        {&Engine::UpdateIntroStory, &Engine::RenderIntroStory},       // IntroStory
        {&Engine::UpdateCheats, &Engine::RenderCheats},               // Cheats
        {&Engine::UpdateBanner, &Engine::RenderBanner},               // Banner
        {&Engine::UpdateShipSelect, &Engine::RenderShipSelect},       // ShipSelect
        {&Engine::UpdatePlay, &Engine::RenderPlay},                   // Play
        {&Engine::UpdateContinue, &Engine::RenderContinue},           // Continue
        {&Engine::UpdateGameOver, &Engine::RenderGameOver},           // GameOver
        {&Engine::UpdateHiScore, &Engine::RenderHiScore},             // HiScore
        {&Engine::UpdateEnding, &Engine::RenderEnding},               // Ending
        {&Engine::UpdateEditor, &Engine::RenderEditor},               // Editor
    };
    return &table[number];
}

void Engine::SetState(int32_t number)
{
    const ScreenOps* ops = ScreenFor(number);
    if (!ops)
        return;
    state = number;
    updateOp = ops->update;
    renderOp = ops->render;
    // Screens change after the last one's pictures, videos and decode buffers were let go:
    // hand those pages back instead of keeping them resident for the rest of the run.
    malloc_trim(0);
}

void Engine::StartFade(const FadeColour& from, const FadeColour& to, int32_t duration, ScreenFade::Operation onDone)
{
    fades.push_back(MakeFade(from, to, duration, onDone));
}

void Engine::StartDelayedFade(const FadeColour& from, const FadeColour& to, int32_t duration, int32_t delay,
                              ScreenFade::Operation onDone)
{
    fades.push_back(MakeFade(from, to, duration, onDone, delay));
}

void Engine::ProcessFades()
{
    ::ProcessFades(fades, ShadersEnabled, [this](ScreenFade::Operation done) { (this->*done)(); });
}

bool Engine::FadesChangedScreen()
{
    const UpdateOp self = updateOp;
    ProcessFades();
    return updateOp != self;
}

void Engine::RequestQuit()
{
    quitRequested = true;
}

void Engine::ShowPictures(PictureSet set)
{
    if (!screenPictures.Show(set))
        quitRequested = true;
}
