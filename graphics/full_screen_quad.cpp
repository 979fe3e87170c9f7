#include "graphics/full_screen_quad.hpp"
#include "core/screen_size.hpp"

#include <GL/glew.h>

void DrawFullScreenQuad(int targetWidth, int targetHeight, float inset)
{
    const float w = static_cast<float>(targetWidth);
    const float h = static_cast<float>(targetHeight);
    glBegin(GL_QUADS);
    glMultiTexCoord2f(GL_TEXTURE0, inset, h - inset);
    glVertex2f(0.0f, 0.0f);
    glMultiTexCoord2f(GL_TEXTURE0, w - inset, h - inset);
    glVertex2f(ScreenWidth, 0.0f);
    glMultiTexCoord2f(GL_TEXTURE0, w - inset, inset);
    glVertex2f(ScreenWidth, ScreenHeight);
    glMultiTexCoord2f(GL_TEXTURE0, inset, inset);
    glVertex2f(0.0f, ScreenHeight);
    glEnd();
}
