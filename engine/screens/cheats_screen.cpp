// Cheats, reached by the secret entry on the studio logo: start stage, start weapon, gun
// pods, bonus ships and infinite continues, kept until the program ends.
#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "game/shell_menus.hpp"
#include "core/screen_size.hpp"
#include "input/menu_step.hpp"
#include "player/ship_type.hpp"
#include "world/stage_count.hpp"
#include "game/screen_drawing.hpp"
#include "engine/screens/shell_media.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>

namespace {

// The start weapon: none, then the orb weapons in order.
const char* const WeaponNames[OrbWeaponCount + 1] = {"NONE",    "LASER", "ARC",   "BIO",
                                                     "TRAWLER", "PLASMA", "MAGMA", "BOOMER"};

const char* YesNo(bool on)
{
    return on ? "YES" : "NO";
}

} // namespace

void Engine::EnterCheats()
{
    ShowPictures(PictureSet::Cheats);
    StartFade(FadeBlack, FadeClearBlack, 100);
    menuSelection = 0;
    stateTicks = 0;
    acceptInput = true;
    SetState(Cheats);
}

void Engine::UpdateCheats()
{
    menuPulse.Step();
    if (FadesChangedScreen() || !acceptInput)
        return;
    ++stateTicks;

    if (input.Select.JustPressed() && menuSelection == ReadyRow) {
        acceptInput = false;
        StartFade(FadeClearBlack, FadeWhite, 50, &Engine::EnterTitle);
    }
    if (MenuDownPressed(input)) {
        menuSelection = StepMenu(menuSelection, +1, ReadyRow);
        PlayEffect(*this, SoundId::MenuMove);
    }
    if (MenuUpPressed(input)) {
        menuSelection = StepMenu(menuSelection, -1, ReadyRow);
        PlayEffect(*this, SoundId::MenuMove);
    }
    for (int step : {+1, -1}) {
        const bool pressed = step > 0 ? MenuRightPressed(input) : MenuLeftPressed(input);
        if (pressed)
            StepCheatRow(menuSelection, step, cheats, startStage);
    }
}

void Engine::RenderCheats(float)
{
    BeginScreen(1.0f, 1.0f, 1.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawPicture(screenPictures.Get(pictures::Cheats), -191.5f, -15.5f, 832.5f, 496.5f, false);

    BitmapFont& font = ShellFont(*this);
    font.SetScale(1.0f, 1.0f);
    font.SetAlignment(TextAlignment::Centre);
    font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    font.DrawText("CHEATS", ScreenCentreX, 30.0f);

    char stage[16];
    std::snprintf(stage, sizeof stage, "%i", startStage);
    const char* const labels[] = {"START FROM STAGE", "START WITH ORBPOD", "START WITH GUNPODS?",
                                  "UNLOCK BONUS SHIPS?", "INFINITE CONTINUES?"};
    const char* const values[] = {stage, WeaponNames[std::clamp(cheats.startWeapon, 0, OrbWeaponCount)], YesNo(cheats.allGunPods),
                                  YesNo(cheats.bonusShips), YesNo(cheats.infiniteContinues)};
    for (int i = 0; i <= ReadyRow; ++i) {
        if (i == menuSelection)
            font.SetColour(1.0f, menuPulse.value, 0.0f, 1.0f);
        else
            font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
        if (i == ReadyRow) {
            font.SetAlignment(TextAlignment::Centre);
            font.DrawText("READY", ScreenCentreX, 430.0f);
            continue;
        }
        const float y = 145.0f + 50.0f * float(i);
        font.SetAlignment(TextAlignment::Left);
        font.DrawText(labels[i], 100.0f, y);
        font.DrawText(values[i], 500.0f, y);
    }
    DrawFades();
}
