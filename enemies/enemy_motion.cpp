#include "enemies/enemy_motion.hpp"

#include "world/play_context.hpp"
#include "player/control_states.hpp"
#include "world/control_entity.hpp"
#include "world/geometry.hpp"
#include "world/stage_map.hpp"

#include <cmath>

void PlaceAtSpawn(Entity& entity, float sx, float sy, float health)
{
    entity.x = entity.prevX = sx;
    entity.y = entity.prevY = sy;
    entity.prevAngle = entity.angle;
    entity.health = health;
    entity.frame = 0.0f;
    entity.hitFlash = 0;
    entity.active = 0;
    entity.vx = entity.vy = 0.0f;
}

void AdvanceFrame(float& frame, float step, int cells)
{
    const float count = static_cast<float>(cells);
    frame += step;
    while (frame >= count)
        frame -= count;
    while (frame < 0.0f)
        frame += count;
}

bool PatternHeld(const ControlEntity& entity, int control)
{
    const ControlBlock& c = entity.control.controls;
    switch (control) {
    case ControlLeft: return IsHeld(c.LEFT);
    case ControlRight: return IsHeld(c.RIGHT);
    case ControlUp: return IsHeld(c.UP);
    case ControlDown: return IsHeld(c.DOWN);
    case ControlFire: return IsHeld(c.FIRE);
    default: return false;
    }
}

void SteerByPattern(ControlEntity& entity, float degrees)
{
    if (PatternHeld(entity, ControlLeft))
        TurnBy(entity, -degrees);
    if (PatternHeld(entity, ControlRight))
        TurnBy(entity, degrees);
}

void TurnBy(Entity& entity, float degrees)
{
    entity.angle += degrees;
    if (entity.angle < 0.0f)
        entity.angle += 360.0f;
    if (entity.angle >= 360.0f)
        entity.angle -= 360.0f;
}

void MoveAlongHeading(Entity& entity, float speed)
{
    const float radians = Radians(entity.angle);
    entity.x += std::cos(radians) * speed;
    entity.y += std::sin(radians) * speed;
}

float StartHeading(bool startTop) { return startTop ? 90.0f : 270.0f; }

float FeetOnRow(float y)
{
    const float row = std::floor(y / static_cast<float>(TileSize));
    return row * static_cast<float>(TileSize) + static_cast<float>(TileSize - 1);
}

bool Blocked(float x, float y) { return TileBlocks(CurrentPlay().world, x, y); }

float TurnTowards(float facingDegrees, float fromX, float fromY, float targetX, float targetY)
{
    const float toTarget = std::atan2(targetY - fromY, targetX - fromX);
    const float facing = Radians(facingDegrees);
    float difference = toTarget - facing;
    difference = std::atan2(std::sin(difference), std::cos(difference)); // into -pi..pi
    const float rate = 6.5f * (1.0f - std::cos(difference));
    return difference < 0.0f ? -rate : rate;
}

void LayBody(std::vector<BodySegment>& body, int count, float headX, float headY, float headingDegrees,
             float spacing)
{
    body.assign(static_cast<size_t>(count), BodySegment{});
    const float radians = Radians(headingDegrees);
    for (int i = 0; i < count; ++i) {
        BodySegment& s = body[static_cast<size_t>(i)];
        const float back = spacing * static_cast<float>(i + 1);
        s.x = s.prevX = headX - std::cos(radians) * back;
        s.y = s.prevY = headY - std::sin(radians) * back;
        s.angle = headingDegrees;
    }
}

void TrailBody(std::vector<BodySegment>& body, float headX, float headY, float spacing)
{
    float leadX = headX, leadY = headY;
    for (BodySegment& s : body) {
        s.prevX = s.x;
        s.prevY = s.y;
        const float dx = leadX - s.x;
        const float dy = leadY - s.y;
        const float distance = std::sqrt(dx * dx + dy * dy);
        if (distance > spacing) {
            const float pull = (distance - spacing) / distance;
            s.x += dx * pull;
            s.y += dy * pull;
        }
        if (distance > 0.0f)
            s.angle = std::atan2(dy, dx) * (180.0f / 3.14159265f);
        leadX = s.x;
        leadY = s.y;
    }
}

void ShiftBody(std::vector<BodySegment>& body, float dx, float dy)
{
    for (BodySegment& s : body) {
        s.x += dx;
        s.y += dy;
        s.prevX += dx;
        s.prevY += dy;
    }
}

void BodyCircles(std::vector<Circle>& circles, const std::vector<BodySegment>& body, float headX, float headY,
                 float headRadius, float bodyRadius)
{
    circles.resize(body.size() + 1);
    circles[0] = Circle{headRadius, headX, headY, 0.0f, 0.0f};
    for (size_t i = 0; i < body.size(); ++i)
        circles[i + 1] = Circle{bodyRadius, body[i].x, body[i].y, body[i].x - headX, body[i].y - headY};
}
