// Mode 1: the editor's main menu, and the ways it leaves the stage's time line: play from the
// time index, save, load another stage.
#include "editor/editor_buttons.hpp"
#include "editor/editor_camera.hpp"
#include "engine/editor/editor_cursor.hpp"
#include "engine/editor/editor_modes.hpp"
#include "editor/editor_texts.hpp"
#include "engine/engine.hpp"
#include "core/log.hpp"
#include "world/entity_file.hpp"

namespace {

constexpr int32_t LastMainMenuRow = static_cast<int32_t>(MainMenuRows.size()) - 1;

// The manipulator set up in mode 3 starts here and now, moving as the camera moves now.
void SetUpManipulator(Engine& engine)
{
    EditorState& editor = engine.editor;
    const StageWorld& world = engine.world;
    ScrollManipulator& pending = editor.pendingManipulator;
    pending = ScrollManipulator{};
    pending.startTime = engine.stateTicks;
    pending.positionX = world.camera.x;
    pending.positionY = world.camera.y;
    pending.accelerateTicks = 1;
    const CameraPoint velocity = ScrollVelocityAt(world.scrollManipulators, engine.stateTicks);
    pending.velocityX = velocity.x;
    pending.velocityY = velocity.y;
}

} // namespace

void PlayFromHere(Engine& engine)
{
    engine.savedStateTicks = static_cast<int32_t>(engine.stateTicks);
    engine.SetState(Play);
    engine.checkpointTime = 0;
    engine.NewGame();
    engine.BuildStageAt(engine.stateTicks);
}

bool SaveEditedStage(Engine& engine)
{
    if (!engine.SaveEntityFile())
        return false;
    GameLog().Writef("%s saved.\n", EntitySavePath(engine.stageIndex).c_str());
    return true;
}

void StepMainMenu(Engine& engine)
{
    EditorState& editor = engine.editor;
    StepRows(engine.input, editor.editorSelection, LastMainMenuRow);
    if (!Pressed(engine.input.Select))
        return;
    switch (editor.editorSelection) {
    case PlayFromHereRow:
        PlayFromHere(engine);
        break;
    case EditTimeIndexRow:
        editor.editorMode = TimeIndexMode;
        break;
    case EntitiesRow:
        editor.editorMode = EntityTypeMode;
        editor.editorSelection = editor.lastEntityType;
        break;
    case ScrollManipulatorRow:
        editor.editorMode = ManipulatorMode;
        editor.editorSelection = 0;
        SetUpManipulator(engine);
        break;
    case RemoveEntityRow:
        editor.editorMode = RemovalMode;
        PlaceCursorAtCamera(engine, engine.editLayer);
        editor.pendingGenerator = Generator{};
        break;
    case WaterPlanesRow:
        editor.editorMode = WaterPlacementMode;
        PlaceCursorAtCamera(engine, 3);
        break;
    case SaveMapRow:
        SaveEditedStage(engine);
        break;
    case LoadDifferentMapRow:
        editor.editorMode = StageChoiceMode;
        editor.pendingEntity.reset();
        editor.properties.clear();
        engine.CleanupStage();
        break;
    default:
        break;
    }
}
