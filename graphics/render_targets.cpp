#include "graphics/render_targets.hpp"
#include "core/screen_size.hpp"

#include "core/log.hpp"
#include "core/process_flags.hpp"
#include "graphics/full_screen_quad.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/shader_set.hpp"

#include <GL/glew.h>
#include <algorithm>
#include <cmath>

GLuint CreateTargetTexture(int width, int height)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, texture);
    glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_RECTANGLE_ARB, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, 0);
    return texture;
}

bool AttachTarget(GLuint frameBuffer, GLuint texture)
{
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, frameBuffer);
    glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_RECTANGLE_ARB, texture, 0);
    return glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT;
}

namespace {
GLint windowFrameBuffer = -1;
}

void RememberWindowFrameBuffer()
{
    if (windowFrameBuffer < 0)
        glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &windowFrameBuffer);
}

uint32_t WindowFrameBuffer() { return windowFrameBuffer > 0 ? static_cast<uint32_t>(windowFrameBuffer) : 0; }

void BindWindowFrameBuffer() { glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, WindowFrameBuffer()); }

RenderTargets::~RenderTargets() { Release(); }

void RenderTargets::Release()
{
    if (frameBufferA || frameBufferB) {
        const GLuint buffers[2] = {frameBufferA, frameBufferB};
        glDeleteFramebuffersEXT(2, buffers);
    }
    if (textureA || textureB) {
        const GLuint textures[2] = {textureA, textureB};
        glDeleteTextures(2, textures);
    }
    textureA = textureB = frameBufferA = frameBufferB = 0;
}

bool RenderTargets::Create(int width_, int height_)
{
    Log& log = GameLog();
    log.Write("\n[Initializing Frame Buffers]\n");
    if (LowSpecMode) {
        log.Write("Disabled for low spec!\n");
        return true;
    }
    RememberWindowFrameBuffer();
    Release();
    width = width_;
    height = height_;
    textureA = CreateTargetTexture(width, height);
    textureB = CreateTargetTexture(width, height);
    GLuint buffer = 0;
    glGenFramebuffersEXT(1, &buffer);
    frameBufferA = buffer;
    const bool completeA = AttachTarget(frameBufferA, textureA);
    bool completeB = false;
    if (completeA) {
        glGenFramebuffersEXT(1, &buffer);
        frameBufferB = buffer;
        completeB = AttachTarget(frameBufferB, textureB);
    }
    if (!completeA || !completeB) {
        log.Write("Failed to create Frame Buffer Object!\n");
        BindWindowFrameBuffer();
        return false;
    }
    current = false;
    log.Write("Complete...\n\n");
    BindWindowFrameBuffer();
    return true;
}

void RenderTargets::Swap(ShaderSet& shaders, bool copyPrevious)
{
    if (LowSpecMode)
        return;
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, current ? frameBufferB : frameBufferA);
    glViewport(0, 0, width, height);
    current = !current;
    if (!copyPrevious)
        return;

    // A plain copy, whatever state the caller left: no blending, no depth, white.
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    SetProjection(ScreenWidth, ScreenHeight);
    shaders.Use(ShaderProgram::PassThroughRectangle);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_TEXTURE_RECTANGLE_ARB);
    shaders.SetSamplerRect("texUnit0", 0, OtherTexture());
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, OtherTexture());
    DrawFullScreenQuad(width, height);
    shaders.UseProgram(0);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

void RenderTargets::Rebind()
{
    if (LowSpecMode)
        return;
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, current ? frameBufferA : frameBufferB);
    glViewport(0, 0, width, height);
}

void RenderTargets::CopyToOther(float left, float bottom, float right, float top)
{
    if (LowSpecMode)
        return;
    const int x0 = std::max(0, static_cast<int>(std::floor(left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(bottom)));
    const int x1 = std::min(width, static_cast<int>(std::ceil(right)));
    const int y1 = std::min(height, static_cast<int>(std::ceil(top)));
    if (x1 <= x0 || y1 <= y0)
        return;
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, OtherTexture());
    glCopyTexSubImage2D(GL_TEXTURE_RECTANGLE_ARB, 0, x0, y0, x0, y0, x1 - x0, y1 - y0);
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, 0);
}

void RenderTargets::BindTexture(ShaderSet& shaders, int unit, bool other)
{
    if (LowSpecMode)
        return;
    shaders.SetSamplerRect("texUnit0", unit, other ? OtherTexture() : DrawTexture());
}
