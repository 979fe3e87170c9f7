#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "world/furniture/sliding_door.hpp"

#include <GL/gl.h>

#include <algorithm>

void SlidingDoor::Draw(float interpolation, int pass)
{
    if (pass > 0 || sheet.cellCount == 0)
        return;
    const float px = Lerp(x, prevX, interpolation);
    const float py = Lerp(y, prevY, interpolation);
    const int32_t segments = std::clamp(size, 1, MaxSize);
    const float step = upsideDown ? 32.0f : -32.0f;
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, sheet.texture);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    for (int32_t i = 0; i < segments; ++i) {
        const CellCoord c = sheet.Cell(i == segments - 1 ? 1 : 0);
        float v0 = c.v, v1 = c.v + sheet.cellV;
        // The end cell's lip faces the way the door stacks.
        if (!upsideDown)
            std::swap(v0, v1);
        const float cy = py + step * static_cast<float>(i);
        glTexCoord2f(c.u, v0);
        glVertex2f(px - 16.0f, cy - 16.0f);
        glTexCoord2f(c.u + sheet.cellU, v0);
        glVertex2f(px + 16.0f, cy - 16.0f);
        glTexCoord2f(c.u + sheet.cellU, v1);
        glVertex2f(px + 16.0f, cy + 16.0f);
        glTexCoord2f(c.u, v1);
        glVertex2f(px - 16.0f, cy + 16.0f);
    }
    glEnd();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
