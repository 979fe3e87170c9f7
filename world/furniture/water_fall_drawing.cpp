#include "world/play_context.hpp"
#include "graphics/shader_set.hpp"
#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "world/furniture/water_fall.hpp"

#include <GL/gl.h>

void WaterFall::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    PlayContext& play = CurrentPlay();
    const float px = Lerp(x, prevX, interpolation) + offsetX;
    const float py = Lerp(y, prevY, interpolation) + offsetY;
    const float left = px - fallWidth / 2.0f, right = px + fallWidth / 2.0f;
    const float top = py - fallHeight / 2.0f, bottom = py + fallHeight / 2.0f;
    // The picture repeats down the fall once per 256 pixels and runs with the phase.
    const float scroll = -Lerp(phase, prevPhase, interpolation);
    const float repeats = fallHeight / 256.0f;

    glDisable(GL_TEXTURE_2D);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.5f, 1.0f, 0.25f);
    DrawTexturedQuad(left, top, right, bottom);

    play.shaders.Use(ShaderProgram::PassThroughTexture);
    play.shaders.SetSampler("texUnit0", 0, picture);
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, picture);
    // The streaks are stored with straight alpha: their brightness is the alpha.
    SetBlend(GL_SRC_ALPHA, GL_ONE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawTexturedQuad(left, top, right, bottom, 0.0f, scroll, 1.0f, scroll + repeats);
    play.shaders.UseProgram(0);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
