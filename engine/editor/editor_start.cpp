// The start-up option --editor: the game opens in the stage editor instead of the banner,
// or, with --play, plays a stage from the editor's point of view (Escape leads to the
// editor's main menu at the time index played from).
#include "editor/editor_camera.hpp"
#include "engine/editor/editor_modes.hpp"
#include "engine/editor/editor_start.hpp"
#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "engine/play/game_start.hpp"

void StartInEditor(Engine& engine, const PlayRequest& request)
{
    OpenEditor(engine);
    if (request.stage == 0)
        return;
    ApplyPlaySettings(engine, request);
    engine.stageIndex = request.stage;
    // As when the stage is chosen by hand: one that cannot load leaves the editor at the
    // stage choice.
    if (!LoadStageForEditing(engine))
        return;
    engine.editor.editorMode = MainMenuMode;
    engine.stateTicks = static_cast<uint32_t>(request.tick);
    FollowTimeIndex(engine.world, engine.stateTicks);
    PlayFromHere(engine);
}
