#pragma once
// Moving through a menu, the same on every screen: a direction counts when its menu key or
// the matching ship direction was pressed this tick, and the selection wraps at both ends.
#include <cstdint>

class InputState;

bool MenuDownPressed(const InputState& input);
bool MenuUpPressed(const InputState& input);
bool MenuLeftPressed(const InputState& input);
bool MenuRightPressed(const InputState& input);

// Select and the three fire buttons as if released: a key still held from the last screen's
// choice must not act on the next screen at once.
void IdleSelectAndFire(InputState& input);

// selection + delta, wrapped into 0..last: past the end is 0, before 0 is last.
int32_t StepMenu(int32_t selection, int32_t delta, int32_t last);
