#include "engine/editor/editor_cursor.hpp"

#include "editor/editor_buttons.hpp"
#include "engine/engine.hpp"
#include "world/stage_map.hpp"

#include <algorithm>
#include <cmath>

void PlaceCursorAtCamera(Engine& engine, int layer)
{
    const CameraPoint view = LayerCameraOf(engine.world.camera, layer);
    engine.editor.cursorColumn = std::trunc(view.x / static_cast<float>(TileSize));
    engine.editor.cursorRow = std::trunc(view.y / static_cast<float>(TileSize));
}

void MoveCursor(Engine& engine)
{
    const InputState& input = engine.input;
    EditorState& editor = engine.editor;
    if (Pressed(input.MenuUp))
        editor.cursorRow -= 1.0f;
    if (Pressed(input.MenuDown))
        editor.cursorRow += 1.0f;
    if (Pressed(input.MenuLeft))
        editor.cursorColumn -= 1.0f;
    if (Pressed(input.MenuRight))
        editor.cursorColumn += 1.0f;
    editor.cursorRow = std::clamp(editor.cursorRow, 0.0f, static_cast<float>(engine.world.mapHeight));
    editor.cursorColumn = std::clamp(editor.cursorColumn, 0.0f, static_cast<float>(engine.world.mapWidth));
}

float CursorX(const Engine& engine) { return static_cast<float>(TileSize) * engine.editor.cursorColumn; }
float CursorY(const Engine& engine) { return static_cast<float>(TileSize) * engine.editor.cursorRow; }
