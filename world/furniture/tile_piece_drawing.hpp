#pragma once
// A cell of scenery drawn from its top-left corner, its 32-pixel cells scaled onto the
// 30-pixel tile grid, optionally mirrored; white, alpha blended.
class SpriteSheet;

void DrawTilePiece(const SpriteSheet& sheet, int cell, float left, float top, bool flipX, bool flipY);
