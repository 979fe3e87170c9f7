#include "engine/editor/editor_drawing.hpp"
#include "core/screen_size.hpp"

#include "editor/editor_camera.hpp"
#include "engine/editor/editor_cursor.hpp"
#include "engine/editor/editor_modes.hpp"
#include "editor/editor_texts.hpp"
#include "engine/engine.hpp"
#include "game/screen_drawing.hpp"
#include "graphics/gl_draw.hpp"
#include "world/entity.hpp"
#include "engine/play/stage_drawing.hpp"
#include "world/stage_map.hpp"

#include <GL/glew.h>

#include <cstdio>

namespace {

constexpr float Yellow[4] = {1.0f, 1.0f, 0.0f, 1.0f};

void SetTextStyle(BitmapFont& font, float scale, const float* colour)
{
    font.SetColour(colour[0], colour[1], colour[2], colour[3]);
    font.SetScale(scale, scale);
    font.SetAlignment(TextAlignment::Left);
}

void DrawStageChoice(Engine& engine)
{
    BeginScreen(0.0f, 0.0f, 0.0f);
    DrawEditorPanel(100.0f, 100.0f, 500.0f, 400.0f);
    BitmapFont& font = engine.mainFont;
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    SetTextStyle(font, 0.5f, white);
    font.DrawText(StageChoiceTitle, 150.0f, 120.0f);
    char text[16];
    for (int stage = 1; stage <= EditableStages; ++stage) {
        std::snprintf(text, sizeof text, "%i", stage);
        font.DrawText(text, 150.0f, 130.0f + 20.0f * static_cast<float>(stage));
    }
    SetTextStyle(font, 0.5f, Yellow);
    std::snprintf(text, sizeof text, "%i", engine.stageIndex);
    font.DrawText(text, 150.0f, 130.0f + 20.0f * static_cast<float>(engine.stageIndex));
}

void PrepareEntityDrawing(Engine& engine)
{
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    engine.shaders.UseProgram(0);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

// Every placed generator of the layer, drawn where its template stands.
void DrawPlacedTemplates(Engine& engine, int layer, float f)
{
    PushLayerView(engine.world, layer, f);
    PrepareEntityDrawing(engine);
    for (const Generator& generator : engine.world.generators[static_cast<size_t>(layer - 1)])
        DrawTemplate(generator, f);
    glPopMatrix();
}

bool ShowsCursor(int32_t mode)
{
    return mode == PlacementMode || mode == PropertiesMode || mode == RemovalMode || mode == WaterPlacementMode;
}

// The entity being placed and the cursor tile, on the layer they belong to (water lies on
// the play layer).
void DrawPending(Engine& engine, float f)
{
    const EditorState& editor = engine.editor;
    const int32_t mode = editor.editorMode;
    if (!ShowsCursor(mode))
        return;
    const int layer = mode == WaterPlacementMode ? 3 : engine.editLayer;
    if (layer < 1 || layer > 4)
        return;
    PushLayerView(engine.world, layer, f);
    if (editor.pendingEntity && (mode == PlacementMode || mode == PropertiesMode)) {
        PrepareEntityDrawing(engine);
        editor.pendingEntity->Draw(f, 0);
    }
    const float x = CursorX(engine);
    const float y = CursorY(engine);
    const float tile = static_cast<float>(TileSize);
    DrawOutline(x, y, x + tile, y + tile, Yellow[0], Yellow[1], Yellow[2], Yellow[3]);
    glPopMatrix();
}

// Each manipulator where the camera stands at its start: a box at the screen's centre then,
// labelled with its start time.
void DrawManipulatorMarks(Engine& engine, float f)
{
    PushLayerView(engine.world, 3, f);
    BitmapFont& font = engine.mainFont;
    char text[32];
    for (const ScrollManipulator& m : engine.world.scrollManipulators) {
        const float x = m.positionX + 312.0f;
        const float y = m.positionY + 232.0f;
        DrawOutline(x, y, x + 16.0f, y + 16.0f, Yellow[0], Yellow[1], Yellow[2], Yellow[3]);
        SetTextStyle(font, 0.35f, Yellow);
        std::snprintf(text, sizeof text, "IDX: %i", static_cast<int>(m.startTime));
        font.DrawText(text, x + 22.0f, y + 2.0f);
    }
    glPopMatrix();
}

void DrawWaterOutlines(Engine& engine, float f)
{
    PushLayerView(engine.world, 3, f);
    for (const Rect& water : engine.world.water)
        DrawOutline(water.left, water.top, water.right, water.bottom, 0.2f, 0.6f, 1.0f, 1.0f);
    glPopMatrix();
}

void DrawHeader(Engine& engine)
{
    BitmapFont& font = engine.mainFont;
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    SetTextStyle(font, 0.5f, white);
    char text[96];
    std::snprintf(text, sizeof text, "TIME INDEX: %i", static_cast<int>(engine.stateTicks));
    font.DrawText(text, 10.0f, 10.0f);
    std::snprintf(text, sizeof text, "EDIT LAYER: %i", engine.editLayer);
    font.DrawText(text, 10.0f, 25.0f);
    if (engine.editor.editorMode != TimeIndexMode)
        return;
    font.DrawText(TimeIndexHelp, 200.0f, 10.0f);
    font.DrawText(TimeIndexSelectHelp, 200.0f, 25.0f);
    const CameraPoint camera = engine.world.camera;
    std::snprintf(text, sizeof text, "Scroll Offset X:%.2f Y:%.2f", static_cast<double>(camera.x),
                  static_cast<double>(camera.y));
    font.DrawText(text, 10.0f, 40.0f);
    const CameraPoint velocity = ScrollVelocityAt(engine.world.scrollManipulators, engine.stateTicks);
    std::snprintf(text, sizeof text, "Scroll Velocity X:%.2f Y:%.2f", static_cast<double>(velocity.x),
                  static_cast<double>(velocity.y));
    font.DrawText(text, 10.0f, 60.0f);
}

void DrawStageView(Engine& engine, float f)
{
    BeginScreen(0.0f, 0.0f, 0.0f);
    for (int layer = 1; layer <= 4; ++layer) {
        engine.DrawTiles(layer, f);
        DrawPlacedTemplates(engine, layer, f);
    }
    DrawWaterOutlines(engine, f);
    DrawPending(engine, f);
    DrawManipulatorMarks(engine, f);
    SetProjection(ScreenWidth, ScreenHeight);
    DrawHeader(engine);
    DrawEditorMenu(engine);
}

} // namespace

void DrawOutline(float left, float top, float right, float bottom, float r, float g, float b, float a)
{
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(r, g, b, a);
    glBegin(GL_LINE_LOOP);
    glVertex2f(left + 0.5f, top + 0.5f);
    glVertex2f(right - 0.5f, top + 0.5f);
    glVertex2f(right - 0.5f, bottom - 0.5f);
    glVertex2f(left + 0.5f, bottom - 0.5f);
    glEnd();
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void DrawEditorPanel(float left, float top, float right, float bottom)
{
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    glColor4f(0.0f, 0.5f, 1.0f, 0.3f);
    glVertex2f(left, top);
    glVertex2f(right, top);
    glColor4f(0.0f, 0.0f, 0.5f, 0.3f);
    glVertex2f(right, bottom);
    glVertex2f(left, bottom);
    glEnd();
    DrawOutline(left, top, right, bottom, Yellow[0], Yellow[1], Yellow[2], Yellow[3]);
}

void DrawEditor(Engine& engine, float fraction)
{
    glDisable(GL_DEPTH_TEST);
    engine.shaders.UseProgram(0);
    if (engine.editor.editorMode == StageChoiceMode)
        DrawStageChoice(engine);
    else
        DrawStageView(engine, fraction);
    engine.DrawFades();
}
