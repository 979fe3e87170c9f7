#pragma once
// The collision pass of a tick: layer 3 against the ship's shots, the ship, its orb and its
// tail; the enemies' shots against the ship, the orb and the tail; the pick-ups against the
// ship. An entity or shot killed here is only marked; the lists drop it at their next pass.
#include <vector>

class Engine;
struct Circle;

void RunCollisionPass(Engine& engine);
// Whether any of the circles overlaps a circle of radius 5 at (x, y).
bool TouchesSegment(const std::vector<Circle>& circles, float x, float y);
