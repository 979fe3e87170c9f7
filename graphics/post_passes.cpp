#include "graphics/post_passes.hpp"

#include "graphics/pass_timer.hpp"
#include "core/screen_size.hpp"

#include "core/process_flags.hpp"
#include "graphics/bloom_present.hpp"
#include "graphics/full_screen_quad.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/plain_drawing.hpp"
#include "graphics/render_targets.hpp"
#include "graphics/shader_set.hpp"

#include <GL/glew.h>
#include <cmath>

namespace {

// The render-target pixel under a logical point.
void TargetCoord(const RenderTargets& targets, float x, float y)
{
    glMultiTexCoord2f(GL_TEXTURE0, x * targets.width / ScreenWidth, targets.height - y * targets.height / ScreenHeight);
}

void BeginRectangleUnit0()
{
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_RECTANGLE_ARB);
}

void UnbindUnits()
{
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, 0);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
}

// A distortion pass draws over part of the scene with samples of the scene displaced by up to
// `reach` target pixels. Plainly it swaps targets, which copies the whole scene; instead the
// parts it can sample (each rectangle it draws, widened by the reach and a pixel for the
// filter) are copied into the other target and the pass draws into the scene's own target.
// Either way the other target's texture is the one to sample.
void BeginDistortion(ShaderSet& shaders, RenderTargets& targets)
{
    if (PlainDrawing())
        targets.Swap(shaders, true);
    else
        targets.Rebind();
}

void CopySampledPart(RenderTargets& targets, float left, float top, float right, float bottom, float reach)
{
    if (PlainDrawing())
        return;
    const float sx = static_cast<float>(targets.width) / ScreenWidth;
    const float sy = static_cast<float>(targets.height) / ScreenHeight;
    const float margin = reach + 2.0f;
    // Target rows count from the bottom.
    targets.CopyToOther(left * sx - margin, targets.height - bottom * sy - margin, right * sx + margin,
                        targets.height - top * sy + margin);
}

} // namespace

void ShockwavePass(ShaderSet& shaders, RenderTargets& targets, const std::vector<ShockWave>& waves, uint32_t shockWaveMap)
{
    if (LowSpecMode || !ShadersEnabled || waves.empty())
        return;
    for (const ShockWave& wave : waves) {
        BeginDistortion(shaders, targets);
        CopySampledPart(targets, wave.x - wave.radius, wave.y - wave.radius, wave.x + wave.radius, wave.y + wave.radius,
                        std::fabs(wave.intensity));
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        SetProjection(ScreenWidth, ScreenHeight);
        shaders.Use(ShaderProgram::Shockwave);
        BeginRectangleUnit0();
        targets.BindTexture(shaders, 0, true);
        shaders.SetSampler("texUnit1", 1, shockWaveMap);
        shaders.SetFloat("intensity", wave.intensity);
        const float left = wave.x - wave.radius, right = wave.x + wave.radius;
        const float top = wave.y - wave.radius, bottom = wave.y + wave.radius;
        glBegin(GL_QUADS);
        TargetCoord(targets, left, top);
        glMultiTexCoord2f(GL_TEXTURE1, 0.0f, 1.0f);
        glVertex2f(left, top);
        TargetCoord(targets, right, top);
        glMultiTexCoord2f(GL_TEXTURE1, 1.0f, 1.0f);
        glVertex2f(right, top);
        TargetCoord(targets, right, bottom);
        glMultiTexCoord2f(GL_TEXTURE1, 1.0f, 0.0f);
        glVertex2f(right, bottom);
        TargetCoord(targets, left, bottom);
        glMultiTexCoord2f(GL_TEXTURE1, 0.0f, 0.0f);
        glVertex2f(left, bottom);
        glEnd();
        UnbindUnits();
    }
    shaders.UseProgram(0);
    BindWindowFrameBuffer();
}

void WaterPass(ShaderSet& shaders, RenderTargets& targets, const std::vector<WaterRect>& water, float scroll,
               uint32_t waterMap, uint32_t waterSurface)
{
    if (water.empty())
        return;
    const float w = scroll;
    if (!LowSpecMode) {
        BeginDistortion(shaders, targets);
        // The ripple map moves a sample by up to 5 target pixels either way.
        for (const WaterRect& r : water)
            CopySampledPart(targets, r.left, r.top, r.right, r.bottom, 5.0f);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        SetProjection(ScreenWidth, ScreenHeight);
        shaders.Use(ShaderProgram::WaterRipple);
        BeginRectangleUnit0();
        targets.BindTexture(shaders, 0, true);
        shaders.SetSampler("texUnit1", 1, waterMap);
        glBegin(GL_QUADS);
        for (const WaterRect& r : water) {
            const float s1 = w + (r.right - r.left) / 256.0f;
            const float t1 = w + (r.bottom - r.top) / 256.0f;
            glColor4f(0.25f, 0.25f, 0.25f, 1.0f);
            TargetCoord(targets, r.left, r.top);
            glMultiTexCoord2f(GL_TEXTURE1, w, w);
            glVertex2f(r.left, r.top);
            TargetCoord(targets, r.right, r.top);
            glMultiTexCoord2f(GL_TEXTURE1, s1, w);
            glVertex2f(r.right, r.top);
            glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
            TargetCoord(targets, r.right, r.bottom);
            glMultiTexCoord2f(GL_TEXTURE1, s1, t1);
            glVertex2f(r.right, r.bottom);
            TargetCoord(targets, r.left, r.bottom);
            glMultiTexCoord2f(GL_TEXTURE1, w, t1);
            glVertex2f(r.left, r.bottom);
        }
        glEnd();
        UnbindUnits();
        shaders.UseProgram(0);
    }

    glDisable(GL_DEPTH_TEST);
    SetProjection(ScreenWidth, ScreenHeight);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    for (const WaterRect& r : water) {
        glColor4f(0.0f, 0.25f, 0.5f, 0.25f);
        glVertex2f(r.left, r.top);
        glVertex2f(r.right, r.top);
        glColor4f(0.0f, 0.5f, 1.0f, 0.25f);
        glVertex2f(r.right, r.bottom);
        glVertex2f(r.left, r.bottom);
    }
    glEnd();

    SetBlend(GL_ONE, GL_ONE);
    shaders.Use(ShaderProgram::PassThroughTexture);
    glEnable(GL_TEXTURE_2D);
    shaders.SetSampler("texUnit0", 0, waterSurface);
    glBindTexture(GL_TEXTURE_2D, waterSurface);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    for (const WaterRect& r : water) {
        const float s0 = 5.0f * w;
        const float s1 = s0 + (r.right - r.left) / 32.0f;
        glMultiTexCoord2f(GL_TEXTURE0, s0, 0.0f);
        glVertex2f(r.left, r.top - 4.0f);
        glMultiTexCoord2f(GL_TEXTURE0, s1, 0.0f);
        glVertex2f(r.right, r.top - 4.0f);
        glMultiTexCoord2f(GL_TEXTURE0, s1, 1.0f);
        glVertex2f(r.right, r.top + 4.0f);
        glMultiTexCoord2f(GL_TEXTURE0, s0, 1.0f);
        glVertex2f(r.left, r.top + 4.0f);
    }
    glEnd();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    shaders.UseProgram(0);
    if (!LowSpecMode)
        BindWindowFrameBuffer();
}

void PostPass(ShaderSet& shaders, RenderTargets& targets, bool greyscale, float greyscaleAmount, bool bloom)
{
    if (LowSpecMode)
        return;
    if (greyscale) {
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        // The quad replaces every pixel of the new target: nothing to copy into it first, and
        // nothing to copy back after.
        targets.Swap(shaders, PlainDrawing());
        SetProjection(ScreenWidth, ScreenHeight);
        shaders.Use(ShaderProgram::ToGreyscale);
        BeginRectangleUnit0();
        targets.BindTexture(shaders, 0, true);
        shaders.SetFloat("amount", greyscaleAmount);
        DrawFullScreenQuad(targets.width, targets.height);
        UnbindUnits();
        if (PlainDrawing())
            targets.Swap(shaders, true);
        shaders.UseProgram(0);
        BindWindowFrameBuffer();
    }
    MarkPass("greyscale");
    if (bloom && !BloomInPresent(shaders)) {
        targets.Swap(shaders, true);
        SetProjection(ScreenWidth, ScreenHeight);
        shaders.UseProgram(0);
        glDisable(GL_DEPTH_TEST);
        BeginRectangleUnit0();
        glBindTexture(GL_TEXTURE_RECTANGLE_ARB, targets.OtherTexture());
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glColor4f(0.75f, 0.75f, 0.75f, 1.0f);
        SetBlend(GL_SRC_COLOR, GL_ONE);
        DrawFullScreenQuad(targets.width, targets.height, 1.0f);
        glDisable(GL_BLEND);
        UnbindUnits();
        BindWindowFrameBuffer();
    }
    MarkPass("bloom");
}

void Present(ShaderSet& shaders, RenderTargets& targets, bool scanLines, bool fullscreen, bool bloom)
{
    if (LowSpecMode)
        return;
    BindWindowFrameBuffer();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    SetProjection(ScreenWidth, ScreenHeight);
    if (bloom && BloomInPresent(shaders)) {
        shaders.Use(scanLines ? ShaderProgram::BloomScanlinePresent : ShaderProgram::BloomPresent);
        shaders.SetVec2("size", static_cast<float>(targets.width), static_cast<float>(targets.height));
    } else {
        shaders.Use(scanLines ? ShaderProgram::ScanlineRectangle : ShaderProgram::PassThroughRectangle);
    }
    shaders.SetFloat("scan", fullscreen ? 2.0f : 3.0f);
    BeginRectangleUnit0();
    targets.BindTexture(shaders, 0, false);
    // Also bound for the fixed pipeline, which has no sampler to set.
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, targets.DrawTexture());
    DrawFullScreenQuad(targets.width, targets.height);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    shaders.UseProgram(0);
}
