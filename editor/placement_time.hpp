#pragma once
// When a generator of an object fixed to the scenery is released: at the last tick before its
// spawn point scrolls into the activation window, however late in the stage the designer
// placed it, so it is already standing when it comes into view.
#include "world/scroll_manipulator.hpp"

#include <cstdint>
#include <vector>

class Entity;

// Steps back from `timeIndex` one tick at a time, asking the entity's own activation rule
// with the layer's camera, until the entity is outside the window or the stage's start is
// reached. The entity's active flag and health are as before afterwards.
uint32_t FixedObjectTime(const std::vector<ScrollManipulator>& path, Entity& entity, int layer, uint32_t timeIndex);
