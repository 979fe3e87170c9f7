#include "graphics/gl_draw.hpp"

#include <GL/glew.h>
#include <GL/glu.h>
#include <cstdio>

void SetProjection(float width, float height)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(0.0, width, height, 0.0, 1.0, 3.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -2.0f);
    glScalef(2.0f, 2.0f, 2.0f);
}

void BindTexture(unsigned target, uint32_t texture)
{
    glEnable(target);
    glBindTexture(target, texture);
}

void SetBlend(unsigned source, unsigned destination)
{
    glEnable(GL_BLEND);
    glBlendFunc(source, destination);
}

void BindTextureUnit(int unit, uint32_t texture)
{
    glActiveTexture(GL_TEXTURE0 + unit);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
}

void SetTextureFilter(int minFilter, int magFilter)
{
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
}

void SetTextureWrap(int wrapS, int wrapT)
{
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapS);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapT);
}

void CheckGLError()
{
    if (GLenum error = glGetError(); error != GL_NO_ERROR)
        std::fprintf(stderr, "OpenGL Error: %s\n", reinterpret_cast<const char*>(gluErrorString(error)));
}

void DrawTexturedQuad(float left, float top, float right, float bottom)
{
    DrawTexturedQuad(left, top, right, bottom, 0.0f, 0.0f, 1.0f, 1.0f);
}

void DrawTexturedQuad(float left, float top, float right, float bottom, float u0, float v0, float u1, float v1)
{
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v0);
    glVertex2f(left, top);
    glTexCoord2f(u1, v0);
    glVertex2f(right, top);
    glTexCoord2f(u1, v1);
    glVertex2f(right, bottom);
    glTexCoord2f(u0, v1);
    glVertex2f(left, bottom);
    glEnd();
}
