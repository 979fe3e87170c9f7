#include "engine/play/play_tick.hpp"

#include "audio/audio_system.hpp"
#include "core/automation.hpp"
#include "world/stage_count.hpp"
#include "engine/engine.hpp"
#include "engine/play/collision_pass.hpp"
#include "engine/play/demo_playback.hpp"
#include "game/game_flow_globals.hpp"
#include "engine/screens/shell_media.hpp"
#include "input/menu_step.hpp"
#include "world/control_entity.hpp"
#include "world/generator_queue.hpp"
#include "world/scroll_manipulator.hpp"
#include "world/water_rectangles.hpp"

namespace {

constexpr int32_t FlashCycleLength = 20;

bool DemoAbortPressed(const InputState& input)
{
    return input.Escape.JustPressed() || input.PAUSE.JustPressed() || input.FIRE.JustPressed() ||
           input.FIRE2.JustPressed() || input.FIRE3.JustPressed() || input.Select.JustPressed();
}

void Pause(Engine& engine)
{
    engine.paused = true;
    PauseAudio(true);
}

// Escape in play started from the editor: back to the editor at the time index it left.
void ReturnToEditor(Engine& engine)
{
    StopAllAudio();
    engine.SetState(Editor);
    engine.stateTicks = static_cast<uint32_t>(engine.savedStateTicks);
    EditorState& editor = engine.editor;
    editor.editorMode = editor.recordingPattern ? 6 : 1;
    SetStartCamera(engine.world, engine.stateTicks);
    if (editor.recordingPattern && editor.recordedEntity) {
        Entity& recorded = *editor.recordedEntity;
        if (auto* control = dynamic_cast<ControlEntity*>(&recorded))
            control->StopRecording();
        recorded.x = recorded.prevX = editor.savedX;
        recorded.y = recorded.prevY = editor.savedY;
    }
    editor.recordingPattern = false;
}

EffectScene SceneOf(const Engine& engine)
{
    EffectScene scene;
    const StageWorld& world = engine.world;
    scene.cameraDx = world.camera.x - world.previousCamera.x;
    scene.cameraDy = world.camera.y - world.previousCamera.y;
    const Player& player = engine.player;
    scene.shipX = player.x;
    scene.shipY = player.y;
    scene.shipPrevX = player.prevX;
    scene.shipPrevY = player.prevY;
    scene.shipInWater = player.inWater != 0;
    scene.orbWeapon = player.orb.weaponKind;
    return scene;
}

} // namespace

void Engine::UpdatePlay()
{
    RunPlayTick(*this);
}

bool StepGameOverFade(Engine& engine)
{
    if (!engine.gameOverFade)
        return false;
    engine.gameOverLevel += 0.01f;
    engine.greyscale = true;
    if (engine.gameOverLevel >= 1.0f) {
        engine.gameOverLevel = 1.0f;
        if (engine.acceptInput) {
            engine.acceptInput = false;
            if (demoMode || engine.score > engine.scores.scores[HighScoreTable::Places - 1])
                engine.EnterHiScore();
            else if (engine.continues > 0)
                engine.StartFade(FadeClearBlack, FadeBlack, 75, &Engine::EnterContinue);
            else
                engine.StartFade(FadeClearWhite, FadeWhite, 25, &Engine::EnterGameOver);
        }
    }
    engine.greyscaleAmount = engine.gameOverLevel;
    return true;
}

void RunPauseMenu(Engine& engine)
{
    const InputState& input = engine.input;
    if (input.FIRE.JustPressed() || input.Select.JustPressed()) {
        if (engine.menuSelection == 0) {
            engine.paused = false;
            PauseAudio(false);
        } else {
            engine.StartFade(FadeClearWhite, FadeWhite, 25, &Engine::EnterTitle);
            engine.acceptInput = false;
            StopAllAudio();
        }
        return;
    }
    if (input.MenuUp.JustPressed() || input.UP.JustPressed())
        engine.menuSelection = 0;
    if (input.MenuDown.JustPressed() || input.DOWN.JustPressed())
        engine.menuSelection = 1;
}

void AdvanceWorld(Engine& engine)
{
    StageWorld& world = engine.world;
    Effects& effects = engine.effects;
    EditorState& editor = engine.editor;

    if (editor.recordingPattern && editor.recordedEntity)
        editor.recordedEntity->Update();

    ++engine.stateTicks;
    StepCamera(world, engine.stateTicks);

    ActivateAllDue(world, engine.stateTicks);
    RunGenerators(world);

    UpdateEntityLists(world);

    AdvanceShots(engine.shots.playerShots, effects);
    AdvanceShots(engine.shots.enemyShots, effects);

    TickImpactSparks(effects);
    AdvanceShockWaves(effects);
    // Without a window nobody sees the panels' frames, and decoding one per tick would cost the
    // headless simulation most of its speed; nothing in the world depends on them.
    if (!Automation().headless)
        engine.videoCache.AdvanceAll();

    if (++engine.flashCycle > FlashCycleLength)
        engine.flashCycle = 0;

    engine.player.Update();
    // A ship recording a demo keeps what its record step saw, as its playback will.
    if (!editor.recordingPattern && !demoMode && !engine.player.recording)
        engine.player.control.controls = LiveControls(engine.input);

    ++demoTickCounter;
    if (RecordingDemo() && demoTickCounter > DemoLength) {
        SaveRecordedDemo(engine);
        engine.quitRequested = true;
    }
    if (demoMode && demoTickCounter == DemoLength)
        engine.StartGameOver();

    AdvanceExplosions(world);
    const EffectScene scene = SceneOf(engine);
    TickTrails(effects, scene.cameraDx, scene.cameraDy);

    RunCollisionPass(engine);
    ForgetDeadTargets(engine.shots.playerShots);

    TickEmitters(effects, scene);

    if (demoShipLost) {
        demoShipLost = false;
        engine.StartGameOver();
    }
}

void RunPlayTick(Engine& engine)
{
    InputState& input = engine.input;
    UpdateWater(engine.world);

    if (demoMode && engine.acceptInput && DemoAbortPressed(input)) {
        engine.fades.clear();
        engine.StartFade(FadeClearWhite, FadeWhite, 25, &Engine::EnterTitle);
        engine.acceptInput = false;
        return;
    }
    if (engine.FadesChangedScreen())
        return;
    if (engine.stageIndex == EndingStageIndex)
        return;
    if (StepGameOverFade(engine))
        return;

    if (engine.acceptInput && input.Escape.JustPressed()) {
        if (engine.fromEditor) {
            ReturnToEditor(engine);
            return;
        }
        Pause(engine);
    }
    if (input.PAUSE.JustPressed() && !engine.paused)
        Pause(engine);
    engine.menuPulse.Step();
    if (engine.paused) {
        RunPauseMenu(engine);
        return;
    }
    AdvanceWorld(engine);
}
