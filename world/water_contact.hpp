#pragma once
// How a hit circle meets a stage's water rectangle, and the splash it makes at the surface.
#include "world/geometry.hpp"

// The circle touches the water body (the rectangle's edges; its centre members are not
// carried over, so the circle is probed on its side facing the world origin).
bool CircleTouchesWater(const Circle& circle, const Rect& water);
// The circle touches the strip from 8 pixels above to 8 pixels below the water's top edge.
bool CircleTouchesWaterSurface(const Circle& circle, const Rect& water);
// Adds a water splash (life 75, count 5) at the point to the engine's effects.
void EmitWaterSplash(float x, float y);
