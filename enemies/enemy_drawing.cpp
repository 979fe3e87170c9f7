#include "enemies/enemy_drawing.hpp"
#include "graphics/shader_set.hpp"

#include "world/play_context.hpp"
#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "graphics/sheet_drawing.hpp"
#include "world/entity.hpp"

#include <GL/gl.h>

float LayerShade(int layer)
{
    if (layer == 1)
        return 0.5f;
    if (layer == 2)
        return 0.75f;
    return 1.0f;
}

float InterpolatedX(const Entity& entity, float interpolation) { return Lerp(entity.x, entity.prevX, interpolation); }

float InterpolatedY(const Entity& entity, float interpolation) { return Lerp(entity.y, entity.prevY, interpolation); }

float InterpolatedAngle(const Entity& entity, float interpolation)
{
    float previous = entity.prevAngle;
    while (entity.angle - previous > 180.0f)
        previous += 360.0f;
    while (entity.angle - previous < -180.0f)
        previous -= 360.0f;
    return Lerp(entity.angle, previous, interpolation);
}

void DrawEnemyCell(const Entity& entity, const SpriteSheet& sheet, int cell, const SpritePlacement& at, float shade)
{
    DrawEnemyCellTinted(entity, sheet, cell, at, Tint{shade, shade, shade});
}

void DrawEnemyCellTinted(const Entity& entity, const SpriteSheet& sheet, int cell, const SpritePlacement& at,
                         Tint tint)
{
    if (sheet.texture == 0)
        return;
    PlayContext& play = CurrentPlay();
    const float shade = LayerShade(entity.layer);
    play.shaders.Use(entity.hitFlash >= 1 ? ShaderProgram::DamageFlash : ShaderProgram::PassThroughTexture);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(tint.r * shade, tint.g * shade, tint.b * shade, 1.0f);
    DrawSheetCell(sheet, cell, at.x, at.y, at.halfWidth, at.halfHeight, at.degrees);
    play.shaders.UseProgram(0);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void DrawEnemyGlow(const Entity& entity, const SpriteSheet& glow, int cell, const SpritePlacement& at)
{
    PlayContext& play = CurrentPlay();
    if (glow.texture == 0 || play.flashCycle % 2 == 0)
        return;
    const float tint = LayerShade(entity.layer);
    play.shaders.Use(ShaderProgram::PassThroughTexture);
    glEnable(GL_BLEND);
    SetBlend(GL_ONE, GL_ONE);
    glColor4f(tint, tint, tint, 1.0f);
    DrawSheetCell(glow, cell, at.x, at.y, at.halfWidth, at.halfHeight, at.degrees);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    play.shaders.UseProgram(0);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
