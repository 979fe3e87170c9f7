#pragma once
// The editor's tile cursor: where it starts (the tile under the top-left corner of the
// edited layer's view) and how the arrow keys move it over the map.
class Engine;

// The cursor at the camera's tile of the layer, the camera scaled by the layer's parallax
// (layer 1 moves at half, layer 2 at three quarters of the play layer's speed).
void PlaceCursorAtCamera(Engine& engine, int layer);
// Arrows pressed: one tile per press, kept within 0..mapWidth columns and 0..mapHeight rows.
void MoveCursor(Engine& engine);
// The cursor's world position on its layer: 30 pixels per tile.
float CursorX(const Engine& engine);
float CursorY(const Engine& engine);
