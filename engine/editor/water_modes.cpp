// Modes 8 and 9: a water rectangle placed on a tile, then sized and moved in half-tile steps.
#include "editor/editor_buttons.hpp"
#include "engine/editor/editor_cursor.hpp"
#include "engine/editor/editor_modes.hpp"
#include "editor/editor_texts.hpp"
#include "engine/engine.hpp"

#include <algorithm>

namespace {

constexpr float WaterStep = 7.5f;

// Changes one row of the rectangle; its half sizes stay at least one step, so the water never
// turns inside out.
void ChangeWater(Rect& water, int32_t row, float delta)
{
    float halfWidth = water.halfWidth;
    float halfHeight = water.halfHeight;
    float centreX = water.centreX;
    float centreY = water.centreY;
    switch (row) {
    case 0: halfWidth = std::max(halfWidth + delta, WaterStep); break;
    case 1: halfHeight = std::max(halfHeight + delta, WaterStep); break;
    case 2: centreX += delta; break;
    case 3: centreY += delta; break;
    default: return;
    }
    water = RectFromSize(2.0f * halfWidth, 2.0f * halfHeight, centreX, centreY);
}

} // namespace

void StepWaterPlacement(Engine& engine)
{
    EditorState& editor = engine.editor;
    MoveCursor(engine);
    if (!Pressed(engine.input.Select))
        return;
    editor.editorMode = WaterRectMode;
    editor.editorSelection = 0;
    editor.pendingWater = RectFromSize(30.0f, 30.0f, CursorX(engine) + 15.0f, CursorY(engine) + 15.0f);
    engine.world.water.push_back(editor.pendingWater);
}

void StepWaterRect(Engine& engine)
{
    const InputState& input = engine.input;
    EditorState& editor = engine.editor;
    StepRows(input, editor.editorSelection, WaterDoneRow);
    float delta = 0.0f;
    if (Pressed(input.MenuRight))
        delta += WaterStep;
    if (Pressed(input.MenuLeft))
        delta -= WaterStep;
    if (delta != 0.0f) {
        ChangeWater(editor.pendingWater, editor.editorSelection, delta);
        if (!engine.world.water.empty())
            engine.world.water.back() = editor.pendingWater;
    }
    if (Pressed(input.Select)) {
        editor.editorMode = MainMenuMode;
        editor.editorSelection = 0;
    }
}
