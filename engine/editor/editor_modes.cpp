#include "engine/editor/editor_modes.hpp"

#include "editor/editor_buttons.hpp"
#include "engine/engine.hpp"
#include "world/control_entity.hpp"
#include "world/entity.hpp"

#include <array>

namespace {

using ModeStep = void (*)(Engine&);

constexpr std::array<ModeStep, EditorModeCount> ModeSteps = {
    &StepStageChoice, &StepMainMenu,   &StepTimeIndex, &StepManipulator,    &StepEntityType,
    &StepPlacement,   &StepProperties, &StepRemoval,   &StepWaterPlacement, &StepWaterRect,
};

// Play has stopped the recording and put the entity back where it stood. The template then
// starts over as a loaded one would: spawned afresh at its place, its pattern played from
// its first record, so copies released before the next save replay exactly what was flown.
void SettleRecordedEntity(EditorState& editor)
{
    if (editor.recordingPattern || !editor.recordedEntity)
        return;
    Entity& recorded = *editor.recordedEntity;
    recorded.Spawn(editor.savedX, editor.savedY);
    recorded.x = recorded.prevX = editor.savedX;
    recorded.y = recorded.prevY = editor.savedY;
    if (auto* control = dynamic_cast<ControlEntity*>(&recorded)) {
        control->patternTick = 0;
        control->control = ControlRecord{};
    }
    editor.recordedEntity.reset();
}

} // namespace

void StepEditor(Engine& engine)
{
    if (engine.FadesChangedScreen())
        return;
    EditorState& editor = engine.editor;
    SettleRecordedEntity(editor);
    if (Pressed(engine.input.Escape)) {
        if (editor.editorMode == StageChoiceMode) {
            engine.EnterTitle();
            return;
        }
        // Whatever was being set up is dropped; only what was already placed stays.
        editor.editorMode = TimeIndexMode;
        editor.editorSelection = 0;
        editor.pendingEntity.reset();
        editor.properties.clear();
        return;
    }
    const int32_t mode = editor.editorMode;
    if (mode >= 0 && mode < EditorModeCount)
        ModeSteps[static_cast<size_t>(mode)](engine);
}

void OpenEditor(Engine& engine)
{
    engine.fromEditor = true;
    engine.editLayer = 4;
    engine.stateTicks = 0;
    engine.acceptInput = true;
    engine.editor.editorMode = StageChoiceMode;
    engine.editor.editorSelection = 0;
    engine.SetState(Editor);
}
