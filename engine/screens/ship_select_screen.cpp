// The ship selection screen between the title and play: the ship, its three colour sets,
// the gun pod and orb pod types; Select launches into play, Escape returns to the title.
#include "audio/audio_system.hpp"
#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "input/menu_step.hpp"
#include "engine/screens/shell_media.hpp"
#include "engine/screens/ship_select_drawing.hpp"
#include "player/ship_select_menu.hpp"
#include "game/ship_select_pictures.hpp"

namespace {

const char* const SelectMusic = "Sound/Custom.mp3";
constexpr int32_t SelectFadeTicks = 25;
// The star background drifts left by moving the camera right.
constexpr float CameraDrift = 1.75f;

} // namespace

void Engine::EnterShipSelect()
{
    if (!Automation().headless)
        ShowShipSelectLoading(*this);
    SetState(ShipSelect);
    menuSelection = ShipRow;
    shipSelect = ShipSelectState{};
    menuPulse.Reset();
    stateTicks = 0;
    world.camera = world.previousCamera = CameraPoint{};

    ShowPictures(PictureSet::ShipSelect);
    if (!PlayMusic(*this, SelectMusic, true))
        quitRequested = true;
    StartFade(FadeBlack, FadeClearBlack, SelectFadeTicks);
    acceptInput = true;
    IdleSelectAndFire(input);
}

void Engine::UpdateShipSelect()
{
    ++stateTicks;
    if (FadesChangedScreen())
        return;

    if (acceptInput) {
        const ShipSelectStep step = StepShipSelectMenu(input, menuSelection, shipSelect, ship, cheats.bonusShips);
        if (step.leave) {
            StartFade(FadeClearBlack, FadeBlack, SelectFadeTicks, &Engine::EnterTitle);
            acceptInput = false;
            music.Stop();
        } else {
            if (step.moved)
                PlayEffect(*this, SoundId::MenuMove);
            if (step.launch) {
                music.Stop();
                PlayEffect(*this, SoundId::MenuSelect);
                StartFade(FadeClearBlack, FadeBlack, SelectFadeTicks, &Engine::StartGame);
                acceptInput = false;
            }
        }
    }

    shipSelect.phase = NextShipSelectPhase(shipSelect.phase);
    world.previousCamera = world.camera;
    world.camera.x += CameraDrift;
    menuPulse.Step();
}
