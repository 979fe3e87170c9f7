#include "engine/play/stage_drawing.hpp"
#include "core/screen_size.hpp"

#include "engine/engine.hpp"
#include "engine/play/far_layer_cache.hpp"
#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "world/entity.hpp"
#include "world/stage_map.hpp"

#include <GL/glew.h>
#include <SDL/SDL.h>

namespace {

constexpr float TieBreak = 0.01f;

CameraPoint InterpolatedLayerCamera(const StageWorld& world, int layer, float t)
{
    const CameraPoint camera{Lerp(world.camera.x, world.previousCamera.x, t),
                             Lerp(world.camera.y, world.previousCamera.y, t)};
    return LayerCameraOf(camera, layer);
}

const std::vector<int16_t>* PlaneOf(const StageWorld& world, int layer)
{
    switch (layer) {
    case 1: return &world.farPlane;
    case 2: return &world.middlePlane;
    case 3: return &world.playPlane;
    case 4: return &world.frontPlane;
    default: return nullptr;
    }
}

void DrawTilePass(const StageWorld& world, const std::vector<int16_t>& plane, const SpriteSheet& sheet,
                  const TileWindow& window, bool glow)
{
    // The cell's 30-pixel picture sits inside a 1-pixel border.
    const float border = sheet.textureWidth > 0 ? 1.0f / static_cast<float>(sheet.textureWidth) : 0.0f;
    const float inner = sheet.textureWidth > 0 ? 30.0f / static_cast<float>(sheet.textureWidth) : 0.0f;
    glBegin(GL_QUADS);
    for (int c = window.firstColumn; c < window.endColumn; ++c) {
        for (int r = window.firstRow; r < window.endRow; ++r) {
            const int code = plane[static_cast<size_t>(r) * static_cast<size_t>(world.mapWidth) + c];
            if (code <= 0 || (glow ? code < 992 : code > 991))
                continue;
            const CellCoord cell = sheet.Cell(code);
            const float u = cell.u + border;
            const float v = cell.v + border;
            const float x = static_cast<float>(TileSize * c);
            const float y = static_cast<float>(TileSize * r);
            glTexCoord2f(u, v);
            glVertex2f(x, y);
            glTexCoord2f(u + inner, v);
            glVertex2f(x + 30.0f, y);
            glTexCoord2f(u + inner, v + inner);
            glVertex2f(x + 30.0f, y + 30.0f);
            glTexCoord2f(u, v + inner);
            glVertex2f(x, y + 30.0f);
        }
    }
    glEnd();
}

// The plain tiles blended over what is there, then the glowing ones added.
void DrawTileLayer(const StageWorld& world, const std::vector<int16_t>& plane, const SpriteSheet& sheet,
                   const TileWindow& window, ShaderSet& shaders)
{
    shaders.Use(ShaderProgram::PassThroughTexture);
    shaders.SetSampler("texUnit0", 0, sheet.texture);
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, sheet.texture);
    SetTextureFilter(GL_NEAREST, GL_NEAREST);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawTilePass(world, plane, sheet, window, false);
    SetBlend(GL_ONE, GL_ONE);
    DrawTilePass(world, plane, sheet, window, true);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    shaders.UseProgram(0);
}

} // namespace

// The 640 x 480 view of a layer, translated by its interpolated parallax camera; undone by
// glPopMatrix.
CameraPoint PushLayerView(const StageWorld& world, int layer, float t)
{
    const CameraPoint camera = InterpolatedLayerCamera(world, layer, t);
    SetProjection(ScreenWidth, ScreenHeight);
    glPushMatrix();
    glTranslatef(-camera.x, -camera.y, 0.0f);
    return camera;
}


void DrawProgressFrame(Engine& engine, const char* text)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetProjection(ScreenWidth, ScreenHeight);
    engine.mainFont.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    engine.mainFont.SetScale(0.75f, 0.75f);
    engine.mainFont.SetAlignment(TextAlignment::Centre);
    engine.mainFont.DrawText(text, 570.0f, 450.0f);
    SDL_GL_SwapBuffers();
}

void DrawTiles(Engine& engine, int layer, float interpolation)
{
    const StageWorld& world = engine.world;
    const std::vector<int16_t>* plane = PlaneOf(world, layer);
    if (!plane || plane->size() != static_cast<size_t>(world.mapWidth) * static_cast<size_t>(world.mapHeight))
        return;
    const SpriteSheet& sheet = layer <= 2 ? world.farSheet : world.nearSheet;
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    const CameraPoint camera = PushLayerView(world, layer, interpolation);
    const TileWindow window = VisibleTiles(camera.x, camera.y, world.mapWidth, world.mapHeight);
    // A camera half-way between pixels (common: many scroll speeds move a layer half a pixel
    // a tick) puts pixel centres exactly on texel edges, where rounding picks either texel and
    // can pick differently tile by tile. A hundredth of a pixel more settles every such tie
    // the same way, whether the tiles are drawn one by one or through the far layer's cache.
    glTranslatef(-TieBreak, -TieBreak, 0.0f);
    FarLayerCache& cache = engine.farLayerCache;
    if (layer == 1 && cache.Usable()) {
        bool drawn = !cache.Stale(sheet.texture, window, *plane, world.mapWidth);
        if (!drawn && cache.BeginRedraw()) {
            DrawTileLayer(world, *plane, sheet, window, engine.shaders);
            cache.EndRedraw();
            drawn = true;
        }
        if (drawn) {
            cache.Draw(engine.shaders);
            glPopMatrix();
            return;
        }
    }
    DrawTileLayer(world, *plane, sheet, window, engine.shaders);
    glPopMatrix();
}

void DrawLayer(Engine& engine, int layer, float interpolation, int pass, bool earlyPass)
{
    if (layer < 1 || layer > 4)
        return;
    StageWorld& world = engine.world;
    PushLayerView(world, layer, interpolation);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    engine.shaders.UseProgram(0);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (const auto& entity : world.entityLayers[layer - 1]) {
        if ((entity->drawOrder < 0) == earlyPass)
            entity->Draw(interpolation, pass);
    }
    if (layer == 3 && !earlyPass) {
        for (const auto& pickup : world.pickups)
            pickup->Draw(interpolation, pass);
    }
    // The play layer draws it after the ship instead, so that it is last there too.
    if (layer != 3 && !earlyPass)
        DrawRecordedEntity(engine, layer, interpolation);
    glPopMatrix();
}

void DrawRecordedEntity(Engine& engine, int layer, float interpolation)
{
    // Outside the layer lists while the editor records its pattern, drawn last on its layer.
    const EditorState& editor = engine.editor;
    if (editor.recordingPattern && editor.recordedLayer == layer && editor.recordedEntity)
        editor.recordedEntity->Draw(interpolation, 0);
}

void DrawExplosions(Engine& engine, int layer, float interpolation)
{
    if (layer < 1 || layer > 4)
        return;
    const StageWorld& world = engine.world;
    PushLayerView(world, layer, interpolation);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (const Explosion& explosion : world.explosions[layer - 1]) {
        const bool glow = explosion.style == ExplosionStyle::Glow;
        const SpriteSheet& sheet = glow ? engine.sheets.explosionRingSheet : engine.sheets.explosionSheet;
        if (glow)
            SetBlend(GL_ONE, GL_ONE);
        else
            SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        BindTexture(GL_TEXTURE_2D, sheet.texture);
        const int frame = static_cast<int>(explosion.frame);
        const CellCoord cell = sheet.Cell(frame);
        // Only the part of the cell that shows (graphics/cell_extents): the same picture for
        // a fraction of the fill.
        const CellExtent part = sheet.Extent(frame);
        if (part.Empty())
            continue;
        Vec2 forward, side;
        AngleVectors(explosion.angle, forward, side);
        const float hw = explosion.halfWidth;
        const float hh = explosion.halfHeight;
        const auto corner = [&](float fx, float fy) {
            glTexCoord2f(cell.u + fx * sheet.cellU, cell.v + fy * sheet.cellV);
            const float cx = hw * (2.0f * fx - 1.0f), cy = hh * (2.0f * fy - 1.0f);
            glVertex2f(explosion.x + forward.x * cx + side.x * cy, explosion.y + forward.y * cx + side.y * cy);
        };
        glBegin(GL_QUADS);
        corner(part.left, part.top);
        corner(part.right, part.top);
        corner(part.right, part.bottom);
        corner(part.left, part.bottom);
        glEnd();
    }
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

void DrawTemplate(const Generator& generator, float interpolation)
{
    if (generator.templateEntity)
        generator.templateEntity->Draw(interpolation, 0);
}
