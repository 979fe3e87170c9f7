// Mode 2: moving along the stage's time line, a tick or a second at a time.
#include "editor/editor_buttons.hpp"
#include "editor/editor_camera.hpp"
#include "engine/editor/editor_modes.hpp"
#include "engine/engine.hpp"

namespace {

constexpr uint32_t TicksPerSecond = 50;

} // namespace

void StepTimeIndex(Engine& engine)
{
    const InputState& input = engine.input;
    uint32_t& timeIndex = engine.stateTicks;
    if (Held(input.MenuUp) && timeIndex > 0)
        --timeIndex;
    if (Held(input.MenuDown))
        ++timeIndex;
    if (Held(input.MenuLeft) && timeIndex > TicksPerSecond)
        timeIndex -= TicksPerSecond;
    if (Held(input.MenuRight))
        timeIndex += TicksPerSecond;
    FollowTimeIndex(engine.world, timeIndex);
    if (Pressed(input.Select)) {
        engine.editor.editorMode = MainMenuMode;
        engine.editor.editorSelection = 0;
    }
}
