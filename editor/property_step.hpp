#pragma once
// A property row's change in the editor: Right (+1) or Left (-1), faster while FIRE is held.
// Integers stay inside the range their loader accepts.
#include "world/entity_property.hpp"

void StepProperty(const EntityProperty& property, int direction, bool fast);
