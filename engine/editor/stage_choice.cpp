// Mode 0: the stage to edit, 1..8 with wrap-around; Return loads it.
#include "editor/editor_buttons.hpp"
#include "engine/editor/editor_modes.hpp"
#include "editor/editor_texts.hpp"
#include "engine/engine.hpp"
#include "core/log.hpp"
#include "world/stage_map.hpp"

#include <filesystem>

bool LoadStageForEditing(Engine& engine)
{
    const std::string map = MapFilePath(engine.stageIndex);
    std::error_code error;
    if (!std::filesystem::is_regular_file(map, error)) {
        GameLog().Writef("%s: there is no such stage map; choose another stage to edit.\n", map.c_str());
        return false;
    }
    if (!engine.LoadStage()) {
        GameLog().Writef("Stage %i could not be loaded for editing (see above); choose another stage.\n",
                         engine.stageIndex);
        engine.CleanupStage();
        return false;
    }
    return true;
}

void StepStageChoice(Engine& engine)
{
    const InputState& input = engine.input;
    if (Pressed(input.MenuUp) && --engine.stageIndex < 1)
        engine.stageIndex = EditableStages;
    if (Pressed(input.MenuDown) && ++engine.stageIndex > EditableStages)
        engine.stageIndex = 1;
    if (!Pressed(input.Select))
        return;
    if (LoadStageForEditing(engine))
        engine.editor.editorMode = TimeIndexMode;
}
