#include "game/gauge_drawing.hpp"

#include "graphics/sprite_sheet.hpp"

#include <GL/gl.h>

namespace {

constexpr int GaugeLeftCap = 0;
constexpr int GaugeMiddle = 1;
constexpr int GaugeRightCap = 2;

} // namespace

void DrawSheetQuad(const SpriteSheet& sheet, int index, float x0, float y0, float x1, float y1)
{
    const CellCoord cell = sheet.Cell(index);
    glBegin(GL_QUADS);
    glTexCoord2f(cell.u, cell.v);
    glVertex2f(x0, y0);
    glTexCoord2f(cell.u + sheet.cellU, cell.v);
    glVertex2f(x1, y0);
    glTexCoord2f(cell.u + sheet.cellU, cell.v + sheet.cellV);
    glVertex2f(x1, y1);
    glTexCoord2f(cell.u, cell.v + sheet.cellV);
    glVertex2f(x0, y1);
    glEnd();
}

void DrawGaugeFrame(const SpriteSheet& sheet, float left, float right, float top, float bottom)
{
    DrawSheetQuad(sheet, GaugeLeftCap, left, top, left + 16.0f, bottom);
    DrawSheetQuad(sheet, GaugeMiddle, left + 16.0f, top, right - 16.0f, bottom);
    DrawSheetQuad(sheet, GaugeRightCap, right - 16.0f, top, right, bottom);
}

void DrawGaugeBar(float left, float top, float bottom, int32_t charge, float width, float c, float a)
{
    const float length = static_cast<float>(charge) * 0.01f * width;
    glBegin(GL_QUADS);
    glColor4f(c, c / 2.0f, 1.0f - c, 0.75f * a);
    glVertex2f(left, top);
    glColor4f(c, 1.0f, 1.0f - c, 0.75f * a);
    glVertex2f(left + length, top);
    glVertex2f(left + length, bottom);
    glColor4f(c, c / 2.0f, 1.0f - c, 0.75f * a);
    glVertex2f(left, bottom);
    glEnd();
}
