#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "world/furniture/check_point.hpp"

#include <GL/gl.h>

void CheckPoint::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const float px = Lerp(x, prevX, interpolation);
    const float py = Lerp(y, prevY, interpolation);
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, texture);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawTexturedQuad(px - 20.0f, py - 20.0f, px + 20.0f, py + 20.0f);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
