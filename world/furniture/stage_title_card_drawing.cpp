#include "world/play_context.hpp"
#include "graphics/shader_set.hpp"
#include "graphics/shared_sheets.hpp"
#include "core/process_flags.hpp"
#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "world/furniture/stage_title_card.hpp"

#include <GL/glew.h>

void StageTitleCard::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    PlayContext& play = CurrentPlay();
    const float px = Lerp(x, prevX, interpolation);
    const float py = Lerp(y, prevY, interpolation);
    const float b = BottomExtent(ticks);
    play.shaders.Use(ShaderProgram::TwoAlpha);
    play.shaders.SetSampler("texUnit0", 0, texture);
    if (ShadersEnabled)
        play.shaders.SetSampler("texUnit1", 1, play.sheets.barsTexture);
    play.shaders.SetFloat("alpha", WipeAmount(ticks));
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, texture);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, CardAlpha(ticks));
    const float corners[4][2] = {{px - 256.0f, py - 64.0f}, {px + 256.0f, py - 64.0f}, {px + 256.0f, py + b},
                                 {px - 256.0f, py + b}};
    const float unit0[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const float unit1[4][2] = {{0, 0}, {5, 0}, {5, 4}, {0, 4}};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        glMultiTexCoord2f(GL_TEXTURE0, unit0[i][0], unit0[i][1]);
        glMultiTexCoord2f(GL_TEXTURE1, unit1[i][0], unit1[i][1]);
        glVertex2f(corners[i][0], corners[i][1]);
    }
    glEnd();
    play.shaders.UseProgram(0);
    if (ShadersEnabled) {
        glActiveTexture(GL_TEXTURE1);
        glDisable(GL_TEXTURE_2D);
        glActiveTexture(GL_TEXTURE0);
    }
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
