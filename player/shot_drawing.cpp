#include "player/shot_drawing.hpp"
#include "graphics/shared_sheets.hpp"
#include "player/shot.hpp"

#include "world/play_context.hpp"
#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "graphics/sheet_drawing.hpp"

#include <GL/gl.h>
#include <cmath>

namespace {

float OrientationDegrees(float orientation)
{
    if (orientation == 1.0f)
        return 180.0f;
    if (orientation == 2.0f)
        return 90.0f;
    if (orientation == 3.0f)
        return 360.0f;
    return 0.0f;
}

void DrawCell(const Shot& shot, float alpha, float degrees)
{
    DrawSheetCell(CurrentPlay().sheets.bulletSheet, static_cast<int>(shot.frame), Lerp(shot.x, shot.prevX, alpha),
                  Lerp(shot.y, shot.prevY, alpha), shot.halfWidth, shot.halfHeight, degrees);
}

} // namespace

void DrawFromSheet(const Shot& shot, float alpha)
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    DrawCell(shot, alpha, OrientationDegrees(shot.orientation));
}

void DrawAlongFlight(const Shot& shot, float alpha)
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const float dx = shot.x - shot.prevX;
    const float dy = shot.y - shot.prevY;
    const float degrees = dx == 0.0f && dy == 0.0f ? 0.0f : std::atan2(dy, dx) * (180.0f / 3.14159265f);
    DrawCell(shot, alpha, degrees);
}

void DrawAsLight(const Shot& shot, float alpha)
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    SetBlend(GL_SRC_ALPHA, GL_ONE);
    DrawCell(shot, alpha, OrientationDegrees(shot.orientation));
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void DrawTintedSpark(const Shot& shot, float alpha)
{
    static const float tints[3][3] = {{0.5f, 1.0f, 0.5f}, {0.0f, 0.5f, 1.0f}, {1.0f, 0.75f, 0.0f}};
    const int style = shot.orientation == 1.0f ? 1 : shot.orientation == 2.0f ? 2 : 0;
    glColor4f(tints[style][0], tints[style][1], tints[style][2], 1.0f);
    SetBlend(GL_ONE, GL_ONE);
    DrawCell(shot, alpha, 0.0f);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
