#pragma once
// One cell of a sprite sheet as a quad centred on (x, y), turned by `degrees` about its
// centre (clockwise on screen); a negative half size mirrors the cell on that axis. Uses the
// current colour, blend mode and program.
class SpriteSheet;

void DrawSheetCell(const SpriteSheet& sheet, int index, float x, float y, float halfWidth, float halfHeight,
                   float degrees = 0.0f);
