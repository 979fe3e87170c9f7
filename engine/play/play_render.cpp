// The frame of play, back to front: the far and middle layers, the play layer with its shots,
// trails, entities, the ship and its effects, the post passes, the front layer, the
// composition, then the editor's read-out, the fades and the heads-up display on top.
#include "engine/engine.hpp"
#include "core/screen_size.hpp"
#include "core/process_flags.hpp"
#include "engine/play/hud_drawing.hpp"
#include "engine/play/play_render.hpp"
#include "graphics/effects_drawing.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/pass_timer.hpp"
#include "world/entity.hpp"
#include "engine/play/stage_drawing.hpp"

#include <GL/glew.h>

namespace {

void DrawShots(const ShotList& list, float fraction)
{
    for (const Shot& shot : list)
        if (shot.draw)
            shot.draw(shot, fraction);
}

void DrawBackLayer(Engine& engine, int layer, float f)
{
    engine.DrawTiles(layer, f);
    engine.DrawLayer(layer, f, 0, true);
    engine.DrawLayer(layer, f, 0, false);
    engine.DrawExplosions(layer, f);
}

void DrawPlayLayer(Engine& engine, float f)
{
    engine.DrawTiles(3, f);
    MarkPass("play layer: tiles");
    engine.DrawLayer(3, f, 0, true);

    PushLayerView(engine.world, 3, f);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawShots(engine.shots.enemyShots, f);
    DrawShots(engine.shots.playerShots, f);
    DrawImpactSparks(engine.effects, engine.shaders, engine.sheets.bulletSplashSheet, engine.sheets.bulletSheet);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawTrails(engine.effects, f, engine.sheets.beamSheet);
    SetBlend(GL_SRC_ALPHA, GL_ONE);
    DrawTrails(engine.effects, f, engine.sheets.beamGlowSheet);
    glPopMatrix();

    engine.DrawLayer(3, f, 0, false);
    PushLayerView(engine.world, 3, f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    engine.player.Draw(f, 0);
    DrawRecordedEntity(engine, 3, f);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE);
    DrawEmitters(engine.effects, f, engine.sheets.particleSheet);
    glDisable(GL_BLEND);
    glPopMatrix();
    MarkPass("play layer: sprites, shots, effects");
    engine.DrawExplosions(3, f);
    MarkPass("play layer: explosions");
}

void DrawFrontLayer(Engine& engine, float f)
{
    engine.DrawTiles(4, f);
    engine.DrawLayer(4, f, 0, true);
    engine.DrawLayer(4, f, 0, false);
    MarkPass("front layer: tiles and sprites");
    engine.DrawExplosions(4, f);
    MarkPass("front layer: explosions");
}

} // namespace

void DrawPlayScene(Engine& engine, float f, bool withHud)
{
    BeginPassFrame();
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    // With render targets the composition covers the whole window: clearing it as well would
    // cost a full-screen fill for nothing the player sees.
    if (LowSpecMode)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    SetProjection(ScreenWidth, ScreenHeight);
    engine.SwapTarget(false);
    glClear(GL_COLOR_BUFFER_BIT);

    MarkPass("clear");
    DrawBackLayer(engine, 1, f);
    DrawBackLayer(engine, 2, f);
    MarkPass("far and middle layers");
    DrawPlayLayer(engine, f);

    if (!LowSpecMode)
        BindWindowFrameBuffer();
    const StageWorld& world = engine.world;
    engine.WaterPass(f, world.visibleWater, world.previousWaterScroll, world.waterScroll);
    MarkPass("water");
    engine.SwapTarget(false);
    engine.SwapTarget(false);
    DrawFrontLayer(engine, f);
    if (!LowSpecMode)
        BindWindowFrameBuffer();

    engine.ShockwavePass();
    MarkPass("shock waves");
    engine.PostPass();
    engine.Present();
    MarkPass("present (scan lines, composition)");

    if (engine.fromEditor)
        DrawDebugOverlay(engine);
    if (withHud)
        DrawHud(engine);
}

void Engine::RenderPlay(float fraction)
{
    DrawPlayScene(*this, gameOverFade ? 1.0f : fraction, false);
    DrawFades();
    DrawHud(*this);
    MarkPass("fades and HUD");
}
