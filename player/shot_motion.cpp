#include "player/shot_motion.hpp"
#include "core/screen_size.hpp"

#include "world/play_context.hpp"

void InitShot(Shot& shot, float x, float y, float vx, float vy, const ShotValues& values)
{
    shot.x = shot.prevX = x;
    shot.y = shot.prevY = y;
    shot.vx = vx;
    shot.vy = vy;
    shot.halfWidth = values.halfWidth;
    shot.halfHeight = values.halfHeight;
    shot.strength = values.strength;
    shot.frame = values.frame;
    shot.hit = values.rule;
    shot.circles.clear();
    if (values.radius > 0.0f)
        shot.circles.push_back(Circle{values.radius, x, y, 0.0f, 0.0f});
}

bool OffScreen(const Shot& shot)
{
    const CameraPoint& camera = CurrentPlay().world.camera;
    return shot.x + shot.halfWidth < camera.x || shot.x - shot.halfWidth > camera.x + 650.0f ||
           shot.y + shot.halfHeight < camera.y || shot.y - shot.halfHeight > camera.y + ScreenHeight;
}

void MoveCircles(Shot& shot)
{
    for (Circle& circle : shot.circles) {
        circle.x = shot.x + circle.offsetX;
        circle.y = shot.y + circle.offsetY;
    }
}

void MoveShot(Shot& shot)
{
    shot.prevX = shot.x;
    shot.prevY = shot.y;
    shot.x += shot.vx;
    shot.y += shot.vy;
    MoveCircles(shot);
}

bool ScreenAndWallTests(Shot& shot)
{
    if (OffScreen(shot)) {
        shot.dead = 1;
        return true;
    }
    if (CurrentPlay().HitTile(shot.x, shot.y)) {
        shot.dead = 1;
        AddImpactSpark(CurrentPlay().effects, shot.x, shot.y, 0, 16.0f);
        return true;
    }
    return false;
}

void FlyStraight(Shot& shot)
{
    MoveShot(shot);
    ScreenAndWallTests(shot);
}

void AddScroll(Shot& shot)
{
    const StageWorld& world = CurrentPlay().world;
    shot.x += world.camera.x - world.previousCamera.x;
    shot.y += world.camera.y - world.previousCamera.y;
    MoveCircles(shot);
}
