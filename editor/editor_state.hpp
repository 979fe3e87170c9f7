#pragma once
// What the stage editor keeps between its screen and play started from it: the mode, the
// time index it returns to, and the pattern being recorded for one entity. Held by value as
// Engine::editor.
#include <cstdint>
#include <memory>

class Entity;

struct EditorState {
    EditorState();
    ~EditorState();

    int32_t editorMode = 0;
    // Play records the ship's controls into this entity's pattern while it is set.
    bool recordingPattern = false;
    // The entity being recorded, held here (outside the layer lists) while recorded; its
    // layer and where it stood before the recording.
    std::unique_ptr<Entity> recordedEntity;
    int32_t recordedLayer = 0;
    float savedX = 0.0f;
    float savedY = 0.0f;
};
