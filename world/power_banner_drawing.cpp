#include "engine/engine.hpp"
#include "graphics/gl_draw.hpp"
#include "graphics/math_utils.hpp"
#include "world/power_banner.hpp"

#include <GL/gl.h>

void PowerBanner::Draw(float interpolation, int pass)
{
    if (pass != 0)
        return;
    Engine& engine = *TheEngine;
    const float px = Lerp(x, prevX, interpolation);
    const float py = Lerp(y, prevY, interpolation);
    engine.shaders.Use(ShaderProgram::PassThroughTexture);
    engine.shaders.SetSampler("texUnit0", 0, texture);
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, texture);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, health);
    DrawTexturedQuad(px - 128.0f, py - 64.0f, px + 128.0f, py + 64.0f);
    engine.shaders.UseProgram(0);
    glDisable(GL_TEXTURE_2D);
    engine.mainFont.SetScale(1.0f, 1.0f);
    engine.mainFont.SetAlignment(1);
    engine.mainFont.SetColour(1.0f, 1.0f, 1.0f, health);
    engine.mainFont.DrawText("WARNING!", x, y + 50.0f);
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
