// Mode 3: the acceleration of a new scroll manipulator; DONE adds it to the camera path.
#include "editor/editor_buttons.hpp"
#include "engine/editor/editor_modes.hpp"
#include "editor/editor_texts.hpp"
#include "engine/engine.hpp"

#include <algorithm>

namespace {

constexpr float AccelerationStep = 0.01f;

} // namespace

void StepManipulator(Engine& engine)
{
    const InputState& input = engine.input;
    EditorState& editor = engine.editor;
    ScrollManipulator& pending = editor.pendingManipulator;
    StepRows(input, editor.editorSelection, ManipulatorDoneRow);
    if (Held(input.MenuRight)) {
        switch (editor.editorSelection) {
        case 0: pending.accelerationX += AccelerationStep; break;
        case 1: pending.accelerationY += AccelerationStep; break;
        case 2: ++pending.accelerateTicks; break;
        default: break;
        }
    }
    if (Held(input.MenuLeft)) {
        switch (editor.editorSelection) {
        case 0: pending.accelerationX -= AccelerationStep; break;
        case 1: pending.accelerationY -= AccelerationStep; break;
        case 2:
            if (pending.accelerateTicks > 1)
                --pending.accelerateTicks;
            break;
        default: break;
        }
    }
    if (Pressed(input.Select) && editor.editorSelection == ManipulatorDoneRow) {
        // The camera keeps its place until the time index moves again.
        std::vector<ScrollManipulator>& path = engine.world.scrollManipulators;
        path.push_back(pending);
        std::stable_sort(path.begin(), path.end(), [](const ScrollManipulator& a, const ScrollManipulator& b) {
            return a.startTime < b.startTime;
        });
        editor.editorMode = MainMenuMode;
        editor.editorSelection = 0;
    }
}
