#pragma once
// The words of the editor's screens, shared by its logic (row counts) and its drawing.
#include "game/entity_registry.hpp"

#include <array>
#include <cstdint>

inline constexpr const char* StageChoiceTitle = "SELECT STAGE TO EDIT";
inline constexpr int32_t EditableStages = 8;

inline constexpr const char* MainMenuTitle = "SELECT AN EDIT OPTION";
inline constexpr std::array<const char*, 8> MainMenuRows = {
    "PLAY FROM HERE", "EDIT TIME INDEX", "ENTITIES",    "SCROLL MANIPULATOR",
    "REMOVE ENTITY",  "WATER PLANES",    "SAVE MAP",    "LOAD A DIFFERENT MAP",
};
enum MainMenuRow : int32_t {
    PlayFromHereRow = 0,
    EditTimeIndexRow,
    EntitiesRow,
    ScrollManipulatorRow,
    RemoveEntityRow,
    WaterPlanesRow,
    SaveMapRow,
    LoadDifferentMapRow,
};

inline constexpr const char* TimeIndexHelp = "UP/DOWN = TICKS & LEFT/RIGHT = SECONDS.";
inline constexpr const char* TimeIndexSelectHelp = "SELECT = EDIT.";

inline constexpr const char* ManipulatorTitle = "SCROLL MANIPULATOR";
inline constexpr std::array<const char*, 3> ManipulatorLabels = {"ACCELERATION X: %.2f", "ACCELERATION Y: %.2f",
                                                                  "ACCELERATE TICKS: %i"};
inline constexpr int32_t ManipulatorDoneRow = 3;

inline constexpr const char* EntityTypeTitle = "SELECT ENTITY";
// The entity types the editor offers: ids 0..30 of the registry, by their editor names.
inline constexpr int32_t LastEditorEntityType = EditorEntityTypeCount - 1;

inline constexpr const char* GeneratorTitle = "GENERATOR PROPERTIES";
inline constexpr const char* DelayLabel = "Delay between spawns: %.i";
inline constexpr const char* CountLabel = "Number of Entitys To Spawn: %.i";
inline constexpr const char* PropertiesHeading = "ENTITY PROPERTIES";
enum PropertiesRow : int32_t { DelayRow = 0, CountRow = 1, PropertiesDoneRow = 2, FirstPropertyRow = 3 };

inline constexpr const char* WaterTitle = "WATER RECT PROPERTIES";
inline constexpr std::array<const char*, 4> WaterLabels = {"SCALE X: %.2f", "SCALE Y: %.2f", "POS X: %.2f",
                                                            "POS Y: %.2f"};
inline constexpr int32_t WaterDoneRow = 4;

inline constexpr const char* DoneLabel = "DONE";
