#include "engine/play/hud_drawing.hpp"
#include "core/screen_size.hpp"

#include "engine/engine.hpp"
#include "game/game_flow_globals.hpp"
#include "game/gauge_drawing.hpp"
#include "game/screen_drawing.hpp"
#include "graphics/gl_draw.hpp"
#include "player/ship_type.hpp"

#include <GL/glew.h>
#include <algorithm>
#include <cstdio>

namespace {

// The speedometer's lit steps come first, the same steps unlit eight cells later.
constexpr int UnlitSpeedCells = 8;

const char* const OrbWeaponNames[OrbWeaponCount] = {"LASER", "ARC", "BIO", "TRAWLER", "PULSE", "MAGMA", "BOOMER"};

void DrawGauges(Engine& engine, float a)
{
    SpriteSheet frames;
    frames.Setup(engine.textureCache.Get(InterfaceSheet, GL_CLAMP_TO_EDGE), 16, 16, 256, 256);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    BindTexture(GL_TEXTURE_2D, frames.texture);
    glColor4f(1.0f, 1.0f, 1.0f, a);
    DrawGaugeFrame(frames, 224.0f, 416.0f, 440.0f, 456.0f);
    DrawGaugeFrame(frames, 240.0f, 400.0f, 460.0f, 476.0f);
    glDisable(GL_TEXTURE_2D);

    const Player& player = engine.player;
    DrawGaugeBar(240.0f, 444.0f, 452.0f, player.ForceCharge, 160.0f, GaugeFlash(player.ForceCharge, engine.flashCycle),
                 a);
    if (player.OrbOut()) {
        const int32_t charge = player.orb.charge;
        DrawGaugeBar(256.0f, 464.0f, 472.0f, charge, 128.0f, GaugeFlash(charge, engine.flashCycle), a);
    }
}

void DrawLabels(Engine& engine, float a)
{
    BitmapFont& font = engine.secondFont;
    font.SetColour(1.0f, 1.0f, 0.0f, a);
    font.SetScale(0.5f, 0.375f);
    font.SetAlignment(TextAlignment::Centre);
    font.DrawText("FORCE", ScreenCentreX, 441.0f);
    const Player& player = engine.player;
    if (player.OrbOut()) {
        const int32_t kind = std::clamp(player.orb.weaponKind, 0, OrbWeaponCount - 1);
        font.DrawText(OrbWeaponNames[kind], ScreenCentreX, 461.0f);
    }
}

void DrawSpeedCells(Engine& engine, float a)
{
    const SpriteSheet& sheet = engine.sheets.speedometerSheet;
    const int32_t levels = MaxSpeedLevel(engine.ship.ShipType);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    BindTexture(GL_TEXTURE_2D, sheet.texture);
    glColor4f(1.0f, 1.0f, 1.0f, a);
    for (int32_t i = 0; i < levels; ++i) {
        const int cell = i < engine.player.SpeedLevel ? i : i + UnlitSpeedCells;
        const float x = 10.0f + 16.0f * static_cast<float>(i);
        DrawSheetQuad(sheet, cell, x, 460.0f, x + 16.0f, 476.0f);
    }
    glDisable(GL_TEXTURE_2D);
}

void DrawScoreBand(Engine& engine, float a)
{
    FillRect(0.0f, 0.0f, ScreenWidth, 40.0f, 0.0f, 0.0f, 0.0f, 0.5f * a);
    BitmapFont& small = engine.secondFont;
    small.SetColour(1.0f, 1.0f, 1.0f, a);
    small.SetScale(0.75f, 0.75f);
    small.SetAlignment(TextAlignment::Left);
    small.DrawText("1UP", 200.0f, 10.0f);
    small.DrawText("HISCORE", 400.0f, 10.0f);

    BitmapFont& large = engine.mainFont;
    if (demoMode) {
        large.SetColour(0.0f, engine.menuPulse.value, 1.0f, a);
        large.SetScale(1.0f, 1.0f);
        large.SetAlignment(TextAlignment::Centre);
        large.DrawText("DEMO MODE", ScreenCentreX, 400.0f);
    }
    char text[32];
    large.SetColour(1.0f, 1.0f, 1.0f, a);
    large.SetScale(0.75f, 0.75f);
    large.SetAlignment(TextAlignment::Right);
    std::snprintf(text, sizeof text, "%.8i", engine.score);
    large.DrawText(text, 380.0f, 10.0f);
    std::snprintf(text, sizeof text, "%.8i", engine.scores.scores[0]);
    large.DrawText(text, 630.0f, 10.0f);
}

void DrawPauseMenu(Engine& engine)
{
    BitmapFont& font = engine.mainFont;
    font.SetScale(1.0f, 1.0f);
    font.SetAlignment(TextAlignment::Centre);
    const char* const items[] = {"RESUME", "QUIT"};
    for (int i = 0; i < 2; ++i) {
        if (i == engine.menuSelection)
            font.SetColour(0.0f, engine.menuPulse.value, 1.0f, 1.0f);
        else
            font.SetColour(0.0f, 1.0f, 1.0f, 1.0f);
        font.DrawText(items[i], ScreenCentreX, 220.0f + 40.0f * static_cast<float>(i));
    }
}

} // namespace

float GaugeFlash(int32_t charge, int32_t flashCycle)
{
    if (charge < 100)
        return 0.0f;
    return std::min(static_cast<float>(flashCycle) / 10.0f, 1.0f);
}

void DrawHud(Engine& engine)
{
    const float a = engine.gameOverFade ? 1.0f - engine.gameOverLevel : 1.0f;
    SetProjection(ScreenWidth, ScreenHeight);
    glDisable(GL_DEPTH_TEST);
    engine.shaders.UseProgram(0);
    FillRect(239.0f, 439.0f, 401.0f, 457.0f, 0.0f, 0.0f, 0.0f, 0.75f * a);
    FillRect(255.0f, 459.0f, 385.0f, 477.0f, 0.0f, 0.0f, 0.0f, 0.75f * a);
    DrawGauges(engine, a);
    DrawLabels(engine, a);
    DrawSpeedCells(engine, a);
    DrawScoreBand(engine, a);
    if (engine.paused)
        DrawPauseMenu(engine);
    glDisable(GL_BLEND);
}

void DrawDebugOverlay(Engine& engine)
{
    const StageWorld& world = engine.world;
    BitmapFont& font = engine.mainFont;
    font.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    font.SetScale(0.5f, 0.5f);
    font.SetAlignment(TextAlignment::Left);
    char text[96];
    std::snprintf(text, sizeof text, "TIME INDEX: %i", static_cast<int>(engine.stateTicks));
    font.DrawText(text, 10.0f, 50.0f);
    std::snprintf(text, sizeof text, "EDIT LAYER: %i", engine.editLayer);
    font.DrawText(text, 10.0f, 65.0f);
    std::snprintf(text, sizeof text, "ACTIVE ENTS L1:(%i) L2:(%i) L3:(%i) L4:(%i)",
                  static_cast<int>(world.entityLayers[0].size()), static_cast<int>(world.entityLayers[1].size()),
                  static_cast<int>(world.entityLayers[2].size()), static_cast<int>(world.entityLayers[3].size()));
    font.DrawText(text, 10.0f, 80.0f);
}
