#include "world/play_context.hpp"
#include "graphics/bitmap_font.hpp"
#include "graphics/shader_set.hpp"
#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "world/furniture/power_banner.hpp"

#include <GL/gl.h>

void PowerBanner::Draw(float interpolation, int pass)
{
    if (pass != 0)
        return;
    PlayContext& play = CurrentPlay();
    const float px = Lerp(x, prevX, interpolation);
    const float py = Lerp(y, prevY, interpolation);
    play.shaders.Use(ShaderProgram::PassThroughTexture);
    play.shaders.SetSampler("texUnit0", 0, texture);
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, texture);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, health);
    DrawTexturedQuad(px - 128.0f, py - 64.0f, px + 128.0f, py + 64.0f);
    play.shaders.UseProgram(0);
    glDisable(GL_TEXTURE_2D);
    play.mainFont.SetScale(1.0f, 1.0f);
    play.mainFont.SetAlignment(TextAlignment::Centre);
    play.mainFont.SetColour(1.0f, 1.0f, 1.0f, health);
    play.mainFont.DrawText("WARNING!", x, y + 50.0f);
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
