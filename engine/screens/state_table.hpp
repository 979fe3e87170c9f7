#pragma once
// The update and render operations SetState installs for each GameState number.
#include "engine/engine.hpp"

struct ScreenOps {
    Engine::UpdateOp update;
    Engine::RenderOp render;
};

// Null for a number outside 0..13.
const ScreenOps* ScreenFor(int32_t number);
