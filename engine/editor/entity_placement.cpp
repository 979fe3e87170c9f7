// Modes 4, 5 and 7: choosing an entity type, placing the new entity on a tile, and removing
// placed entities tile by tile.
#include "editor/editor_buttons.hpp"
#include "engine/editor/editor_cursor.hpp"
#include "engine/editor/editor_modes.hpp"
#include "editor/editor_texts.hpp"
#include "engine/engine.hpp"
#include "core/log.hpp"
#include "world/entity.hpp"
#include "game/entity_registry.hpp"

namespace {

// The new entity of the chosen type, at the camera, with its properties listed; false when
// its pictures cannot be loaded (the editor then stays at the list).
bool BeginPlacement(Engine& engine, int32_t type)
{
    EditorState& editor = engine.editor;
    std::shared_ptr<Entity> entity = CreateEntity(type);
    if (!entity) {
        GameLog().Writef("Entity type %i cannot be placed: it has no class.\n", type);
        return false;
    }
    if (!entity->LoadResources()) {
        GameLog().Writef("Entity type %i (%s) cannot be placed: its pictures did not load.\n", type,
                         std::string(EntityTypeName(type)).c_str());
        return false;
    }
    const CameraPoint camera = engine.world.camera;
    Generator& pending = editor.pendingGenerator;
    pending.x = camera.x;
    pending.y = camera.y;
    pending.type = type;
    pending.timeIndex = engine.stateTicks;
    entity->Spawn(camera.x, camera.y);
    pending.templateEntity = entity;
    editor.pendingEntity = std::move(entity);
    editor.properties.clear();
    editor.pendingEntity->DescribeProperties(editor.properties);
    return true;
}

} // namespace

void StepEntityType(Engine& engine)
{
    EditorState& editor = engine.editor;
    StepRows(engine.input, editor.editorSelection, LastEditorEntityType);
    if (!Pressed(engine.input.Select))
        return;
    editor.lastEntityType = editor.editorSelection;
    PlaceCursorAtCamera(engine, engine.editLayer);
    if (!BeginPlacement(engine, editor.editorSelection))
        return;
    editor.editorMode = PlacementMode;
    editor.editorSelection = 0;
}

void StepPlacement(Engine& engine)
{
    EditorState& editor = engine.editor;
    MoveCursor(engine);
    const float x = CursorX(engine);
    const float y = CursorY(engine);
    if (editor.pendingEntity) {
        Entity& entity = *editor.pendingEntity;
        entity.x = entity.prevX = x;
        entity.y = entity.prevY = y;
    }
    editor.pendingGenerator.x = x;
    editor.pendingGenerator.y = y;
    editor.pendingGenerator.layer = engine.editLayer;
    if (Pressed(engine.input.Select)) {
        editor.editorMode = PropertiesMode;
        editor.editorSelection = 0;
    }
}

void StepRemoval(Engine& engine)
{
    EditorState& editor = engine.editor;
    MoveCursor(engine);
    const int layer = engine.editLayer;
    editor.pendingGenerator.x = CursorX(engine);
    editor.pendingGenerator.y = CursorY(engine);
    editor.pendingGenerator.layer = layer;
    if (!Pressed(engine.input.Select) || layer < 1 || layer > 4)
        return;
    // One per press, the earliest in time first (the list is in time order).
    std::vector<Generator>& list = engine.world.generators[static_cast<size_t>(layer - 1)];
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->layer == layer && it->x == editor.pendingGenerator.x && it->y == editor.pendingGenerator.y) {
            list.erase(it);
            return;
        }
    }
}
