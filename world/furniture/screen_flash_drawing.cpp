#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "core/screen_size.hpp"
#include "world/furniture/screen_flash.hpp"

#include <GL/gl.h>

namespace {

constexpr float HalfWidth = ScreenWidth / 2.0f;
constexpr float HalfHeight = ScreenHeight / 2.0f;

} // namespace

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
    glVertex2f(px - HalfWidth, py - HalfHeight);
    glVertex2f(px + HalfWidth, py - HalfHeight);
    glVertex2f(px + HalfWidth, py + HalfHeight);
    glVertex2f(px - HalfWidth, py + HalfHeight);
    glEnd();
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
