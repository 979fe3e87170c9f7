#pragma once
// How shots look: a cell of the bullet sheet around the interpolated position, alpha blended
// and turned by the orientation rule, along the flight, or added as light.
struct Shot;

// Orientation 0 as drawn, 1 turned by 180 degrees, 2 by 90, 3 by 360.
void DrawFromSheet(const Shot& shot, float alpha);
// Turned to face the direction of flight.
void DrawAlongFlight(const Shot& shot, float alpha);
// Additive light, turned by the orientation rule.
void DrawAsLight(const Shot& shot, float alpha);
// Additive light tinted by the style kept in the orientation (0 green, 1 blue, 2 orange).
void DrawTintedSpark(const Shot& shot, float alpha);
