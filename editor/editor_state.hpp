#pragma once
// What the stage editor keeps between its ticks and across play started from it: the mode
// and highlighted row, the tile cursor, the manipulator, water rectangle, generator and
// template being set up, and the pattern being recorded for one entity. Held by value as
// Engine::editor. The time index it edits is the Engine's stateTicks; the layer it edits is
// the Engine's editLayer.
//
// The pending entity becomes the pending generator's template: both point at one entity,
// which the master list shares once the generator is placed. The recorded entity is that
// same template while play records its pattern; it lives outside the layer lists then.
#include "world/entity_property.hpp"
#include "world/generator.hpp"
#include "world/geometry.hpp"
#include "world/scroll_manipulator.hpp"

#include <cstdint>
#include <memory>
#include <vector>

class Entity;

struct EditorState {
    EditorState();
    ~EditorState();

    int32_t editorMode = 0;
    int32_t editorSelection = 0;
    ScrollManipulator pendingManipulator;
    // The tile cursor of placement, removal and water placement, in whole tiles.
    float cursorColumn = 0.0f;
    float cursorRow = 0.0f;
    // The rectangle being sized; a copy of it is the water list's last element.
    Rect pendingWater;
    // Pointers into the pending entity's fields, rebuilt when an entity type is chosen.
    std::vector<EntityProperty> properties;
    Generator pendingGenerator;
    std::shared_ptr<Entity> pendingEntity;
    // The row "SELECT ENTITY" opens on: the type chosen last.
    int32_t lastEntityType = 0;

    // Play records the live buttons into this entity's pattern while it is set.
    bool recordingPattern = false;
    // The entity being recorded, its layer and where it stood before the recording.
    std::shared_ptr<Entity> recordedEntity;
    int32_t recordedLayer = 0;
    float savedX = 0.0f;
    float savedY = 0.0f;
};
