#pragma once
// The stage editor's logic: one step function per mode, in a table keyed by editorMode, each
// reading the tick's buttons from the Engine's input and changing the Engine's editor
// fields, stage world and game flow. Nothing here draws, so every mode runs without a window.
//
// "Pressed" below is a button's JustPressed (one action per key press), "held" its Held
// state (one action per tick while the key stays down, from the tick after the press).
#include <cstdint>

class Engine;

enum EditorMode : int32_t {
    StageChoiceMode = 0,
    MainMenuMode = 1,
    TimeIndexMode = 2,
    ManipulatorMode = 3,
    EntityTypeMode = 4,
    PlacementMode = 5,
    PropertiesMode = 6,
    RemovalMode = 7,
    WaterPlacementMode = 8,
    WaterRectMode = 9,
};
inline constexpr int32_t EditorModeCount = 10;

// One tick of the editor screen: fades, the end of a finished recording, Escape, then the
// current mode's step.
void StepEditor(Engine& engine);

// The modes, by number.
void StepStageChoice(Engine& engine);
void StepMainMenu(Engine& engine);
void StepTimeIndex(Engine& engine);
void StepManipulator(Engine& engine);
void StepEntityType(Engine& engine);
void StepPlacement(Engine& engine);
void StepProperties(Engine& engine);
void StepRemoval(Engine& engine);
void StepWaterPlacement(Engine& engine);
void StepWaterRect(Engine& engine);

// Opens the editor at the stage choice with the stage editor's play rules on (the start-up
// option --editor).
void OpenEditor(Engine& engine);
// Loads the stage of stageIndex for editing. A stage without its map file, or one that
// fails to load, leaves the editor at the stage choice with a log line naming the file;
// the program goes on.
bool LoadStageForEditing(Engine& engine);
// Plays the loaded stage from the time index; Escape in play comes back to the main menu at
// that index.
void PlayFromHere(Engine& engine);
// Saves the stage entity file of stageIndex (through a temporary file); false keeps the
// previous file and logs why.
bool SaveEditedStage(Engine& engine);
