#include "enemies/serpent_body.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "world/play_context.hpp"
#include "world/activation_window.hpp"

namespace {

// Tuning: the blasts along the body, on every second segment.
constexpr float SegmentFireball = 48.0f;
constexpr float SegmentGlow = 32.0f;

} // namespace

SerpentBody::SerpentBody(const SerpentBuild& build) : build_(build)
{
    keepOnRestart = 0;
    active = 0;
    circles.push_back(Circle{build.headRadius, 0.0f, 0.0f, 0.0f, 0.0f});
}

void SerpentBody::SpawnBody(float sx, float sy, float healthValue)
{
    angle = StartHeading(startTop != 0);
    PlaceAtSpawn(*this, sx, sy, healthValue);
    LayBody(body, build_.segments, x, y, angle, build_.spacing);
    BodyCircles(circles, body, x, y, build_.headRadius, build_.bodyRadius);
    lastX = x;
    lastY = y;
}

void SerpentBody::Aim(float degrees)
{
    angle = prevAngle = degrees;
    LayBody(body, build_.segments, x, y, angle, build_.spacing);
    BodyCircles(circles, body, x, y, build_.headRadius, build_.bodyRadius);
}

void SerpentBody::Think()
{
    if (x != lastX || y != lastY)
        ShiftBody(body, x - lastX, y - lastY);
    SteerByPattern(*this, build_.turnDegrees);
    MoveAlongHeading(*this, build_.speed);
    lastX = x;
    lastY = y;
    TrailBody(body, x, y, build_.spacing);
    BodyCircles(circles, body, x, y, build_.headRadius, build_.bodyRadius);
    StepFiring();
}

void SerpentBody::UpdateActivation(float cameraX, float cameraY)
{
    // The head may leave the screen while the body still winds across it.
    const float reach = build_.spacing * static_cast<float>(build_.segments) + 64.0f;
    ApplyActivationWindow(*this, cameraX, cameraY, reach, reach);
}

void SerpentBody::Destroyed()
{
    for (size_t i = 0; i < body.size(); i += 2)
        AddBlastAt(*this, body[i].x, body[i].y, SegmentFireball, SegmentGlow);
    ExplodeEnemy(*this, {.score = build_.score});
}

void SerpentBody::DrawSerpent(float interpolation, const SpriteSheet& head, float headHalf,
                              const SpriteSheet& segment, const SpriteSheet* tail, float segmentHalf) const
{
    for (size_t i = body.size(); i-- > 0;) {
        const BodySegment& s = body[i];
        const SpriteSheet& picture = tail && i + 1 == body.size() ? *tail : segment;
        DrawEnemyCell(*this, picture, 0,
                      {Lerp(s.x, s.prevX, interpolation), Lerp(s.y, s.prevY, interpolation), segmentHalf,
                       segmentHalf, s.angle});
    }
    DrawEnemyCell(*this, head, 0,
                  {InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), headHalf, headHalf,
                   InterpolatedAngle(*this, interpolation)});
}
