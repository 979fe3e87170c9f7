// The Editor screen: its update runs the current mode's step, its render draws the mode.
#include "engine/editor/editor_drawing.hpp"
#include "engine/editor/editor_modes.hpp"
#include "engine/engine.hpp"

void Engine::UpdateEditor() { StepEditor(*this); }

void Engine::RenderEditor(float fraction) { DrawEditor(*this, fraction); }
