// The Editor screen: its update runs the current mode's step, its render draws the mode.
#include "editor/editor_drawing.hpp"
#include "editor/editor_modes.hpp"
#include "engine/engine.hpp"

void Engine::UpdateEditor() { StepEditor(*this); }

void Engine::RenderEditor(float fraction) { DrawEditor(*this, fraction); }
