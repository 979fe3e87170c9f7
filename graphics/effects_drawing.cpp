#include "graphics/effects_drawing.hpp"

#include "graphics/gl_draw.hpp"
#include "core/math_utils.hpp"
#include "graphics/shader_set.hpp"
#include "graphics/sprite_sheet.hpp"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

namespace {

void EmitCellQuad(const SpriteSheet& sheet, int cell, const Vec2 corners[4])
{
    const CellCoord c = sheet.Cell(cell);
    glTexCoord2f(c.u, c.v);
    glVertex2f(corners[0].x, corners[0].y);
    glTexCoord2f(c.u + sheet.cellU, c.v);
    glVertex2f(corners[1].x, corners[1].y);
    glTexCoord2f(c.u + sheet.cellU, c.v + sheet.cellV);
    glVertex2f(corners[2].x, corners[2].y);
    glTexCoord2f(c.u, c.v + sheet.cellV);
    glVertex2f(corners[3].x, corners[3].y);
}

void DrawParticles(const EffectEmitter& emitter, float fraction, const SpriteSheet& sheet, bool rotated)
{
    glBegin(GL_QUADS);
    for (const EffectParticle& p : emitter.particles) {
        const float px = Lerp(p.x, p.prevX, fraction);
        const float py = Lerp(p.y, p.prevY, fraction);
        Vec2 forward{1.0f, 0.0f};
        Vec2 side{0.0f, 1.0f};
        if (rotated)
            AngleVectors(p.angle, forward, side);
        const float fx = forward.x * p.halfWidth, fy = forward.y * p.halfWidth;
        const float sx = side.x * p.halfHeight, sy = side.y * p.halfHeight;
        const Vec2 corners[4] = {{px - fx - sx, py - fy - sy},
                                 {px + fx - sx, py + fy - sy},
                                 {px + fx + sx, py + fy + sy},
                                 {px - fx + sx, py - fy + sy}};
        glColor4f(p.red, p.green, p.blue, p.alpha);
        EmitCellQuad(sheet, static_cast<int>(p.frame), corners);
    }
    glEnd();
}

} // namespace

void DrawParticlesFlat(const EffectEmitter& emitter, float fraction, const SpriteSheet& particles)
{
    DrawParticles(emitter, fraction, particles, false);
}

void DrawParticlesRotated(const EffectEmitter& emitter, float fraction, const SpriteSheet& particles)
{
    DrawParticles(emitter, fraction, particles, true);
}

void DrawEmitters(const Effects& effects, float fraction, const SpriteSheet& particles)
{
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, particles.texture);
    SetBlend(GL_SRC_ALPHA, GL_ONE);
    for (const EffectEmitter& emitter : effects.effectEmitters)
        emitter.draw(emitter, fraction, particles);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void DrawTrails(const Effects& effects, float fraction, const SpriteSheet& beams)
{
    glEnable(GL_TEXTURE_2D);
    BindTexture(GL_TEXTURE_2D, beams.texture);
    for (const Trail& trail : effects.trails) {
        if (trail.points.size() < 2)
            continue;
        const CellCoord cell = beams.Cell(trail.cell);
        const float top = cell.v;
        const float bottom = cell.v + beams.cellV;
        const float half = beams.cellPixelHeight * 0.5f * trail.widthScale;
        float u = trail.scrollOffset;
        glBegin(GL_TRIANGLE_STRIP);
        for (size_t i = 0; i < trail.points.size(); ++i) {
            const TrailPoint& p = trail.points[i];
            const TrailPoint& q = trail.points[i + 1 < trail.points.size() ? i + 1 : i - 1];
            const float px = Lerp(p.x, p.prevX, fraction), py = Lerp(p.y, p.prevY, fraction);
            const float qx = Lerp(q.x, q.prevX, fraction), qy = Lerp(q.y, q.prevY, fraction);
            float dx = qx - px, dy = qy - py;
            const float length = std::sqrt(dx * dx + dy * dy);
            if (length > 0.0f) {
                dx /= length;
                dy /= length;
            }
            // Perpendicular to the segment towards the neighbour.
            const float nx = -dy * half, ny = dx * half;
            const bool swap = p.flip != trail.flip;
            glColor4f(p.red, p.green, p.blue, p.alpha);
            glTexCoord2f(u, swap ? bottom : top);
            glVertex2f(px + nx, py + ny);
            glTexCoord2f(u, swap ? top : bottom);
            glVertex2f(px - nx, py - ny);
            if (i + 1 < trail.points.size())
                u += length / 128.0f;
        }
        glEnd();
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void DrawImpactSparks(const Effects& effects, ShaderSet& shaders, const SpriteSheet& splash,
                      const SpriteSheet& bullets)
{
    constexpr float Tints[4][4] = {{1, 1, 1, 1}, {1, 1, 0, 1}, {0, 1, 1, 1}, {1, 0, 1, 1}};
    glEnable(GL_TEXTURE_2D);
    SetBlend(GL_ONE, GL_ONE);
    for (const ImpactSpark& spark : effects.impactSparks) {
        const SpriteSheet& sheet = spark.style == 0 ? splash : bullets;
        BindTexture(GL_TEXTURE_2D, sheet.texture);
        shaders.SetSampler("texUnit0", 0, sheet.texture);
        const float* tint = Tints[spark.style];
        glColor4f(tint[0], tint[1], tint[2], tint[3]);
        const float h = spark.halfSize;
        const Vec2 corners[4] = {{spark.x - h, spark.y - h},
                                 {spark.x + h, spark.y - h},
                                 {spark.x + h, spark.y + h},
                                 {spark.x - h, spark.y + h}};
        glBegin(GL_QUADS);
        if (spark.style == 0) {
            // The splash picture holds four 32-pixel frames, one per age step, though the
            // shared sheet is cut in three.
            const float u = 0.25f * static_cast<float>(std::clamp(static_cast<int>(spark.age), 0, 3));
            glTexCoord2f(u, 0.0f);
            glVertex2f(corners[0].x, corners[0].y);
            glTexCoord2f(u + 0.25f, 0.0f);
            glVertex2f(corners[1].x, corners[1].y);
            glTexCoord2f(u + 0.25f, 1.0f);
            glVertex2f(corners[2].x, corners[2].y);
            glTexCoord2f(u, 1.0f);
            glVertex2f(corners[3].x, corners[3].y);
        } else {
            EmitCellQuad(sheet, static_cast<int>(spark.age), corners);
        }
        glEnd();
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
