#include "game/screen_drawing.hpp"
#include "core/screen_size.hpp"

#include "graphics/gl_draw.hpp"
#include "graphics/shader_set.hpp"
#include "graphics/video_texture.hpp"

#include <algorithm>

#include <GL/gl.h>

void BeginScreen(float r, float g, float b)
{
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetProjection(ScreenWidth, ScreenHeight);
    glDisable(GL_DEPTH_TEST);
}

void DrawPicture(uint32_t texture, float x0, float y0, float x1, float y1, bool linear)
{
    BindTexture(GL_TEXTURE_2D, texture);
    const GLint filter = linear ? GL_LINEAR : GL_NEAREST;
    SetTextureFilter(filter, filter);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(x0, y0);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(x1, y0);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(x1, y1);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(x0, y1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void DrawPictureWithStrips(uint32_t texture, int textureWidth)
{
    const float left = 64.5f, right = 576.5f, top = -16.0f, bottom = 496.0f;
    // Texel centres of the outermost columns, so the strips repeat exactly those colours.
    const float edge = textureWidth > 0 ? 0.5f / float(textureWidth) : 0.0f;
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    BindTexture(GL_TEXTURE_2D, texture);
    SetTextureFilter(GL_LINEAR, GL_LINEAR);
    SetTextureWrap(GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE);
    glBegin(GL_QUADS);
    glTexCoord2f(edge, 0.0f);
    glVertex2f(0.0f, top);
    glTexCoord2f(edge, 0.0f);
    glVertex2f(left, top);
    glTexCoord2f(edge, 1.0f);
    glVertex2f(left, bottom);
    glTexCoord2f(edge, 1.0f);
    glVertex2f(0.0f, bottom);

    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(left, top);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(right, top);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(right, bottom);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(left, bottom);

    glTexCoord2f(1.0f - edge, 0.0f);
    glVertex2f(right, top);
    glTexCoord2f(1.0f - edge, 0.0f);
    glVertex2f(ScreenWidth, top);
    glTexCoord2f(1.0f - edge, 1.0f);
    glVertex2f(ScreenWidth, bottom);
    glTexCoord2f(1.0f - edge, 1.0f);
    glVertex2f(right, bottom);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void FillRect(float x0, float y0, float x1, float y1, float r, float g, float b, float a)
{
    glDisable(GL_TEXTURE_2D);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(r, g, b, a);
    glBegin(GL_QUADS);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
    glDisable(GL_BLEND);
}

void DrawVideoFrame(const VideoTexture* video, ShaderSet& shaders, float x0, float y0, float x1, float y1)
{
    if (!video || video->Texture() == 0)
        return;
    const float u = float(video->Decoder()->Width()) / float(std::max(video->TextureWidth(), 1));
    const float v = float(video->Decoder()->Height()) / float(std::max(video->TextureHeight(), 1));
    shaders.Use(ShaderProgram::PassThroughTexture);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    BindTexture(GL_TEXTURE_2D, video->Texture());
    DrawTexturedQuad(x0, y0, x1, y1, 0.0f, 0.0f, std::min(u, 1.0f), std::min(v, 1.0f));
    shaders.UseProgram(0);
    glDisable(GL_TEXTURE_2D);
}
