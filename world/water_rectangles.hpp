#pragma once
// The per-tick step of the stage's water: the surface scroll and the list of rectangles the
// water pass draws, already moved into screen coordinates.
struct StageWorld;

// Scroll + 0.01 (the last value kept for interpolation); visibleWater refilled, in list
// order, with each rectangle that overlaps the screen, less the current camera.
void UpdateWater(StageWorld& world);
