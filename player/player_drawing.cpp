// How the ship, its tail, orb and pods, and the power-ups look.
#include "world/play_context.hpp"
#include "player/ship_settings.hpp"
#include "graphics/shader_set.hpp"
#include "graphics/shared_sheets.hpp"
#include "player/player.hpp"
#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "graphics/sheet_drawing.hpp"
#include "player/power_up.hpp"

#include <GL/gl.h>
#include <algorithm>

namespace {

constexpr float ShipHalfSize = 40.0f;

void DrawCell(const SpriteSheet& sheet, int index, float x, float y, float halfWidth, float halfHeight,
              float degrees = 0.0f)
{
    if (sheet.texture != 0)
        DrawSheetCell(sheet, index, x, y, halfWidth, halfHeight, degrees);
}

// A soft additive disc from the particle sheet: the glow pulse and the force charge.
void DrawGlow(float x, float y, float half, float r, float g, float b, float a)
{
    const SpriteSheet& particles = CurrentPlay().sheets.particleSheet;
    SetBlend(GL_SRC_ALPHA, GL_ONE);
    glColor4f(r, g, b, a);
    DrawCell(particles, 0, x, y, half, half);
}

} // namespace

void Player::Draw(float interpolation, int pass)
{
    if (pass > 0 || health <= 0.0f)
        return;
    PlayContext& play = CurrentPlay();
    const float px = Lerp(x, prevX, interpolation);
    const float py = Lerp(y, prevY, interpolation);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (const TailSegment& segment : tail)
        DrawCell(tailSheet, static_cast<int>(segment.phase), Lerp(segment.x, segment.prevX, interpolation),
                 Lerp(segment.y, segment.prevY, interpolation), 10.0f, 10.0f);

    const int cell = std::clamp(static_cast<int>(frame), 0, 15);
    for (size_t layer = 0; layer < layers.size(); ++layer) {
        const ShipColour& colour = play.ship.colours[layer];
        play.shaders.Use(ShaderProgram::Saturation);
        play.shaders.SetFloat("saturation", colour.saturation);
        play.shaders.SetSampler("texUnit0", 0, layers[layer].texture);
        glColor4f(colour.red, colour.green, colour.blue, 1.0f);
        DrawCell(layers[layer], cell, px, py, ShipHalfSize, ShipHalfSize);
    }
    play.shaders.UseProgram(0);
    glEnable(GL_TEXTURE_2D);

    DrawGlow(px - 18.0f, py + 2.0f, 6.0f + glowPulse * 0.4f, 0.4f, 0.7f, 1.0f, 0.5f);
    if (ForceCharge > 0) {
        const float charge = static_cast<float>(ForceCharge) * 0.01f;
        DrawGlow(px + 14.0f, py, 4.0f + 14.0f * charge, 0.3f + 0.7f * charge, 0.8f, 1.0f, 0.4f + 0.4f * charge);
    }

    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (GunPod& pod : pods)
        pod.Draw(interpolation, pass);
    if (orb.present)
        orb.Draw(interpolation, pass);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

void Orb::Draw(float interpolation, int pass)
{
    if (pass > 0 || !present)
        return;
    const float px = Lerp(x, prevX, interpolation);
    const float py = Lerp(y, prevY, interpolation);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    // The energy loop by the frame; the full-charge cell once the weapon is ready.
    const int cell = charge >= 100 ? 6 : static_cast<int>(frame);
    DrawCell(sheet, cell, px, py, 20.0f, 20.0f);
    DrawGlow(px, py, 14.0f + 6.0f * static_cast<float>(charge) * 0.01f, 0.5f, 0.8f, 1.0f, 0.5f);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void GunPod::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const float px = Lerp(x, prevX, interpolation);
    const float py = Lerp(y, prevY, interpolation);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    // The roll by the frame; the arrival flash blinks over it while the pod is new.
    const int cell = flash > 0 && flash % 10 < 5 ? 15 : static_cast<int>(frame);
    DrawCell(sheet, cell, px, py, 16.0f, 16.0f);
}

void PowerUp::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const float px = Lerp(x, prevX, interpolation);
    const float py = Lerp(y, prevY, interpolation);
    const int cell = static_cast<int>(frame);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawCell(sheet, cell, px, py, 24.0f, 24.0f);
    SetBlend(GL_SRC_ALPHA, GL_ONE);
    DrawCell(glow, cell, px, py, 24.0f, 24.0f);
    SetBlend(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
