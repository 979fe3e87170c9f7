#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "world/furniture/screen_flash.hpp"

#include <GL/gl.h>

void ScreenFlash::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const float px = Lerp(x, prevX, interpolation);
    const float py = Lerp(y, prevY, interpolation);
    glDisable(GL_TEXTURE_2D);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(red, green, blue, health);
    glBegin(GL_QUADS);
    glVertex2f(px - 320.0f, py - 240.0f);
    glVertex2f(px + 320.0f, py - 240.0f);
    glVertex2f(px + 320.0f, py + 240.0f);
    glVertex2f(px - 320.0f, py + 240.0f);
    glEnd();
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
