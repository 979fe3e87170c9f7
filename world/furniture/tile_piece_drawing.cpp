#include "world/furniture/tile_piece_drawing.hpp"

#include "graphics/gl_draw.hpp"
#include "graphics/sprite_sheet.hpp"

#include <GL/gl.h>

#include <utility>

void DrawTilePiece(const SpriteSheet& sheet, int cell, float left, float top, bool flipX, bool flipY)
{
    if (sheet.cellCount == 0)
        return;
    const CellCoord c = sheet.Cell(cell);
    float u0 = c.u, u1 = c.u + sheet.cellU;
    float v0 = c.v, v1 = c.v + sheet.cellV;
    if (flipX)
        std::swap(u0, u1);
    if (flipY)
        std::swap(v0, v1);
    const float w = sheet.cellPixelWidth * 30.0f / 32.0f;
    const float h = sheet.cellPixelHeight * 30.0f / 32.0f;
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, sheet.texture);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v0);
    glVertex2f(left, top);
    glTexCoord2f(u1, v0);
    glVertex2f(left + w, top);
    glTexCoord2f(u1, v1);
    glVertex2f(left + w, top + h);
    glTexCoord2f(u0, v1);
    glVertex2f(left, top + h);
    glEnd();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
