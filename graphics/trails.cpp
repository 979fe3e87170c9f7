#include "graphics/effects.hpp"

#include "core/math_utils.hpp"

#include <algorithm>

namespace {

void EmitPoint(Trail& trail)
{
    if (trail.ended)
        return;
    if (!trail.points.empty() && trail.points.front().x == trail.emitterX && trail.points.front().y == trail.emitterY)
        return;
    TrailPoint point;
    point.x = point.prevX = trail.prevEmitterX;
    point.y = point.prevY = trail.prevEmitterY;
    point.red = trail.startColour.red;
    point.green = trail.startColour.green;
    point.blue = trail.startColour.blue;
    point.alpha = trail.startColour.alpha;
    point.life = trail.pointLifetime;
    point.flip = trail.flip;
    trail.points.push_front(point);
    trail.flip = trail.flip ? 0 : 1;
}

float Fading(float from, float to, const Trail& trail, int32_t life)
{
    const float lifetime = static_cast<float>(trail.pointLifetime);
    return TimedLerp(from, to, 0.0f, lifetime, lifetime - static_cast<float>(life));
}

} // namespace

Trail StartTrail(float x, float y, int32_t cell, const TrailColour& startColour, const TrailColour& endColour,
                 int32_t pointLifetime, int32_t emitInterval, float widthScale)
{
    Trail trail;
    trail.emitterX = trail.prevEmitterX = x;
    trail.emitterY = trail.prevEmitterY = y;
    trail.cell = cell;
    trail.startColour = startColour;
    trail.endColour = endColour;
    // A lifetime below one tick would divide the fade by zero.
    trail.pointLifetime = std::max(pointLifetime, 1);
    trail.emitInterval = std::max(emitInterval, 0);
    trail.emitCountdown = trail.emitInterval;
    trail.widthScale = widthScale;
    trail.ended = 0;
    EmitPoint(trail);
    trail.flip = 1;
    trail.scrolling = 0;
    trail.scrollOffset = 0.0f;
    trail.scrollSpeed = 0.0f;
    return trail;
}

TrailHandle AddTrail(Effects& effects, Trail trail)
{
    trail.id = effects.nextTrailId++;
    if (effects.nextTrailId == 0)
        effects.nextTrailId = 1;
    effects.trails.push_back(std::move(trail));
    return TrailHandle{effects.trails.back().id};
}

Trail* FindTrail(Effects& effects, TrailHandle handle)
{
    if (!handle)
        return nullptr;
    for (Trail& trail : effects.trails)
        if (trail.id == handle.id)
            return &trail;
    return nullptr;
}

void MoveTrailEmitter(Trail& trail, float x, float y)
{
    trail.emitterX = x;
    trail.emitterY = y;
}

void EndTrail(Trail& trail) { trail.ended = 1; }

void EndTrail(Effects& effects, TrailHandle& handle)
{
    if (Trail* trail = FindTrail(effects, handle))
        EndTrail(*trail);
    handle = TrailHandle{};
}

bool TickTrail(Trail& trail, float cameraDx, float cameraDy)
{
    if (trail.ended && trail.points.empty())
        return true;
    if (trail.emitCountdown <= 0) {
        trail.emitCountdown = trail.emitInterval;
        EmitPoint(trail);
    } else {
        --trail.emitCountdown;
    }
    for (TrailPoint& point : trail.points) {
        point.x += cameraDx;
        point.y += cameraDy;
        point.prevX = point.x;
        point.prevY = point.y;
        --point.life;
        point.red = Fading(trail.startColour.red, trail.endColour.red, trail, point.life);
        point.green = Fading(trail.startColour.green, trail.endColour.green, trail, point.life);
        point.blue = Fading(trail.startColour.blue, trail.endColour.blue, trail, point.life);
        point.alpha = Fading(trail.startColour.alpha, trail.endColour.alpha, trail, point.life);
    }
    trail.emitterX += cameraDx;
    trail.emitterY += cameraDy;
    // The newest point rides on the emitter while the owner lives; once it has ended the
    // point must age like the rest, or the trail would never expire.
    if (!trail.points.empty() && !trail.ended) {
        TrailPoint& newest = trail.points.front();
        newest.x = trail.emitterX;
        newest.y = trail.emitterY;
        newest.life = trail.pointLifetime;
    }
    std::erase_if(trail.points, [](const TrailPoint& p) { return p.life <= 0; });
    trail.prevEmitterX = trail.emitterX;
    trail.prevEmitterY = trail.emitterY;
    if (trail.scrolling) {
        trail.scrollOffset += trail.scrollSpeed;
        if (trail.scrollOffset > 1.0f)
            trail.scrollOffset -= 1.0f;
        else if (trail.scrollOffset <= -1.0f)
            trail.scrollOffset += 1.0f;
    }
    return false;
}

void TickTrails(Effects& effects, float cameraDx, float cameraDy)
{
    std::vector<Trail>& list = effects.trails;
    size_t kept = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (TickTrail(list[i], cameraDx, cameraDy))
            continue;
        if (kept != i)
            list[kept] = std::move(list[i]);
        ++kept;
    }
    list.resize(kept);
}

void ShiftTrails(Effects& effects, float dx, float dy)
{
    for (Trail& trail : effects.trails) {
        trail.emitterX -= dx;
        trail.emitterY -= dy;
        trail.prevEmitterX -= dx;
        trail.prevEmitterY -= dy;
        for (TrailPoint& point : trail.points) {
            point.x -= dx;
            point.y -= dy;
            point.prevX -= dx;
            point.prevY -= dy;
        }
    }
}

void FreezeTrails(Effects& effects)
{
    for (Trail& trail : effects.trails) {
        trail.prevEmitterX = trail.emitterX;
        trail.prevEmitterY = trail.emitterY;
        for (TrailPoint& point : trail.points) {
            point.prevX = point.x;
            point.prevY = point.y;
        }
    }
}
