// Mode 6: the new generator's delay and count and its template's properties; DONE places it,
// "Record Pattern" places it and flies its pattern in the running stage.
#include "editor/editor_buttons.hpp"
#include "engine/editor/editor_modes.hpp"
#include "editor/editor_texts.hpp"
#include "editor/placement_time.hpp"
#include "editor/property_step.hpp"
#include "engine/engine.hpp"
#include "world/control_entity.hpp"
#include "world/entity.hpp"

#include <algorithm>

namespace {

void ChangeRow(EditorState& editor, int direction, bool fast)
{
    Generator& pending = editor.pendingGenerator;
    const int32_t row = editor.editorSelection;
    if (row == DelayRow) {
        if (direction > 0) {
            ++pending.delay;
            pending.tickCounter = pending.delay;
        } else if (pending.delay > 0) {
            // Unsigned: below 0 it would wait for ever.
            --pending.delay;
        }
    } else if (row == CountRow) {
        pending.count += direction;
    } else if (row >= FirstPropertyRow) {
        const size_t index = static_cast<size_t>(row - FirstPropertyRow);
        if (index < editor.properties.size())
            StepProperty(editor.properties[index], direction, fast);
    }
}

bool AlreadyPlaced(const Engine& engine, const std::shared_ptr<Entity>& entity)
{
    for (const auto& list : engine.world.generators)
        for (const Generator& placed : list)
            if (placed.templateEntity == entity)
                return true;
    return false;
}

// Objects fixed to the scenery are released just before they scroll into view.
void SettleFixedObjectTime(Engine& engine, bool moveStageClock)
{
    EditorState& editor = engine.editor;
    Generator& pending = editor.pendingGenerator;
    if (!editor.pendingEntity->keepOnRestart || pending.timeIndex == 0)
        return;
    pending.timeIndex =
        FixedObjectTime(engine.world.scrollManipulators, *editor.pendingEntity, pending.layer, pending.timeIndex);
    if (moveStageClock)
        engine.stateTicks = pending.timeIndex;
}

// Into its layer's master list, kept in time order. A template placed before (by a
// recording, which places it as it starts) is moved, not placed twice.
void PlacePendingGenerator(Engine& engine)
{
    EditorState& editor = engine.editor;
    const Generator& pending = editor.pendingGenerator;
    for (auto& list : engine.world.generators)
        std::erase_if(list, [&](const Generator& placed) { return placed.templateEntity == pending.templateEntity; });
    if (pending.layer < 1 || pending.layer > 4)
        return;
    std::vector<Generator>& list = engine.world.generators[static_cast<size_t>(pending.layer - 1)];
    list.push_back(pending);
    std::stable_sort(list.begin(), list.end(),
                     [](const Generator& a, const Generator& b) { return a.timeIndex < b.timeIndex; });
}

void StartPatternRecording(Engine& engine, const EntityProperty& action)
{
    EditorState& editor = engine.editor;
    auto* control = dynamic_cast<ControlEntity*>(editor.pendingEntity.get());
    if (!control)
        return;
    SettleFixedObjectTime(engine, true);
    if (action.boolValue)
        *action.boolValue = 1;
    control->StartRecording();
    editor.editorMode = TimeIndexMode;
    editor.editorSelection = 0;

    const Generator& pending = editor.pendingGenerator;
    editor.savedX = control->x;
    editor.savedY = control->y;
    engine.checkpointTime = 0;
    engine.NewGame();
    engine.BuildStageAt(engine.stateTicks);
    control->layer = pending.layer;
    control->Spawn(pending.x, pending.y);
    PlacePendingGenerator(engine);
    editor.recordedEntity = editor.pendingEntity;
    editor.recordedLayer = pending.layer;
    engine.savedStateTicks = static_cast<int32_t>(engine.stateTicks);
    engine.SetState(Play);
    editor.recordingPattern = true;
}

} // namespace

void StepProperties(Engine& engine)
{
    const InputState& input = engine.input;
    EditorState& editor = engine.editor;
    if (!editor.pendingEntity) {
        editor.editorMode = TimeIndexMode;
        return;
    }
    const int32_t lastRow = FirstPropertyRow + static_cast<int32_t>(editor.properties.size()) - 1;
    StepRows(input, editor.editorSelection, std::max<int32_t>(lastRow, PropertiesDoneRow));
    editor.pendingGenerator.layer = engine.editLayer;

    const bool fast = Held(input.FIRE);
    if (Held(input.MenuRight))
        ChangeRow(editor, +1, fast);
    if (Held(input.MenuLeft))
        ChangeRow(editor, -1, fast);

    if (!Pressed(input.Select))
        return;
    const int32_t row = editor.editorSelection;
    if (row == PropertiesDoneRow) {
        // A recording placed it already, its time settled then.
        if (!AlreadyPlaced(engine, editor.pendingEntity))
            SettleFixedObjectTime(engine, false);
        PlacePendingGenerator(engine);
        editor.editorMode = TimeIndexMode;
        editor.editorSelection = 0;
        return;
    }
    const size_t index = static_cast<size_t>(row - FirstPropertyRow);
    if (row >= FirstPropertyRow && index < editor.properties.size() &&
        editor.properties[index].kind == static_cast<int32_t>(PropertyKind::Action))
        StartPatternRecording(engine, editor.properties[index]);
}
