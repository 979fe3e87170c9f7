#include "graphics/sheet_drawing.hpp"

#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "graphics/sprite_sheet.hpp"

#include <GL/gl.h>

void DrawSheetCell(const SpriteSheet& sheet, int index, float x, float y, float halfWidth, float halfHeight,
                   float degrees)
{
    const CellCoord cell = sheet.Cell(index);
    Vec2 forward, side;
    AngleVectors(degrees, forward, side);
    const auto corner = [&](float u, float v, float cx, float cy) {
        glTexCoord2f(u, v);
        glVertex2f(x + forward.x * cx + side.x * cy, y + forward.y * cx + side.y * cy);
    };
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, sheet.texture);
    glBegin(GL_QUADS);
    corner(cell.u, cell.v, -halfWidth, -halfHeight);
    corner(cell.u + sheet.cellU, cell.v, halfWidth, -halfHeight);
    corner(cell.u + sheet.cellU, cell.v + sheet.cellV, halfWidth, halfHeight);
    corner(cell.u, cell.v + sheet.cellV, -halfWidth, halfHeight);
    glEnd();
}
