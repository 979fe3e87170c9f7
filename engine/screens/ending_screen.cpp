// The Ending screen's entry, tick and frame around the scene of game/ending_scene.
#include "engine/screens/ending_screen.hpp"
#include "core/screen_size.hpp"

#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "core/process_flags.hpp"
#include "game/credits.hpp"
#include "game/ending_scene.hpp"
#include "game/game_flow_globals.hpp"
#include "game/screen_drawing.hpp"
#include "engine/screens/shell_media.hpp"
#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "graphics/sheet_drawing.hpp"
#include "player/player_sheets.hpp"
#include "game/ship_select_pictures.hpp"

#include <GL/gl.h>

namespace {

const char* const EndingMusic = "Sound/Congratulations.ogg";
// The ending's ship kinds 1..3 are the Mk I, Mk II and Mk III pictures.
constexpr int EndingShipKinds = 3;
constexpr int ShipLayers = 3;
// The level-flight frame of the ships' bank sheets.
constexpr int LevelFrame = 8;
constexpr float StarSize = 32.0f;

// Rebuilt by every EnterEnding; kept afterwards so the high-score table can stand over it.
EndingScene endingScene;

// 0..2 for ship kinds 1..3.
int KindIndex(int32_t kind)
{
    return kind < 1 ? 0 : (kind > EndingShipKinds ? EndingShipKinds - 1 : kind - 1);
}

const SheetSpec& ShipLayer(int32_t kind, int layer)
{
    return PlayerSheets::ShipLayers[static_cast<size_t>(KindIndex(kind))][static_cast<size_t>(layer)];
}

// Nearer ships (the faster phases) are drawn larger.
float ShipHalfSize(int32_t phase)
{
    return 32.0f - 4.0f * static_cast<float>(phase & 3);
}

void DrawStars(Engine& engine, float fraction)
{
    const uint32_t texture = engine.screenPictures.Get(StarSheetPicture);
    if (texture == 0)
        return;
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE);
    BindTexture(GL_TEXTURE_2D, texture);
    SetTextureFilter(GL_LINEAR, GL_LINEAR);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    const float cellU = 1.0f / float(StarCells);
    const float half = StarSize * 0.5f;
    for (const EndingStar& star : endingScene.stars) {
        const float x = Lerp(star.x, star.prevX, fraction);
        const float y = Lerp(star.y, star.prevY, fraction);
        const float u = float(star.cell) * cellU;
        DrawTexturedQuad(x - half, y - half, x + half, y + half, u, 0.0f, u + cellU, 1.0f);
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

// Farthest phase first, so nearer ships pass in front.
void DrawFleet(Engine& engine, float fraction)
{
    SpriteSheet layers[EndingShipKinds][ShipLayers];
    for (int kind = 1; kind <= EndingShipKinds; ++kind)
        for (int layer = 0; layer < ShipLayers; ++layer) {
            const SheetSpec& picture = ShipLayer(kind, layer);
            layers[kind - 1][layer].Setup(engine.screenPictures.Get(picture.file), picture.columns,
                                          picture.rows, picture.width, picture.height);
        }
    ShaderSet& shaders = ShellShaders(engine);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (int32_t phase = 3; phase >= 0; --phase)
        for (const EndingShip& ship : endingScene.fleet) {
            if (ship.phase != phase)
                continue;
            const float x = Lerp(ship.x, ship.prevX, fraction);
            const float y = Lerp(ship.y, ship.prevY, fraction);
            const float half = ShipHalfSize(ship.phase);
            for (int layer = 0; layer < ShipLayers; ++layer) {
                const SpriteSheet& sheet = layers[KindIndex(ship.kind)][layer];
                if (sheet.texture == 0)
                    continue;
                const ShipColour& colour = ship.colours[static_cast<size_t>(layer)];
                shaders.Use(ShaderProgram::Saturation);
                shaders.SetFloat("saturation", colour.saturation);
                shaders.SetSampler("texUnit0", 0, sheet.texture);
                glColor4f(colour.red, colour.green, colour.blue, 1.0f);
                DrawSheetCell(sheet, LevelFrame, x, y, half, half);
            }
        }
    shaders.UseProgram(0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

void DrawCredits(Engine& engine, float fraction)
{
    BitmapFont& small = engine.secondFont;
    small.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    small.SetScale(0.75f, 0.75f);
    small.SetAlignment(TextAlignment::Centre);
    const float roll = Lerp(endingScene.roll, endingScene.prevRoll, fraction);
    for (const CreditLine& line : EndingCredits()) {
        const float y = roll + line.offset;
        if (y < -40.0f || y > ScreenHeight)
            continue;
        small.DrawText(line.text, ScreenCentreX, y);
    }
}

} // namespace

void DrawEndingScene(Engine& engine, float fraction)
{
    BeginScreen(0.0f, 0.0f, 0.0f);
    DrawStars(engine, fraction);
    DrawFleet(engine, fraction);
    DrawCredits(engine, fraction);
}

void Engine::EnterEnding()
{
    CleanupStage();
    ShowPictures(PictureSet::Ending);
    if (!music.Load(EndingMusic, true))
        quitRequested = true;

    stageIndex = 4;
    demoMode = false;
    SetState(Ending);
    TickLength = DefaultTickLength;
    stateTicks = 0;
    BuildEndingScene(endingScene);

    StartFade(FadeBlack, FadeClearBlack, 25);
    clock.ResetClock();
    music.Play();
}

void Engine::UpdateEnding()
{
    ++stateTicks;
    if (FadesChangedScreen())
        return;
    switch (EndingOutcomeAt(stateTicks, score, scores)) {
    case EndingOutcome::HiScore:
        EnterHiScore();
        break;
    case EndingOutcome::GameOver:
        StartFade(FadeClearBlack, FadeWhite, 50, &Engine::EnterGameOver);
        break;
    case EndingOutcome::Stay:
        break;
    }
    StepEndingScene(endingScene);
}

void Engine::RenderEnding(float fraction)
{
    DrawEndingScene(*this, fraction);
    DrawFades();
}
