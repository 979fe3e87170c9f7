#include "world/furniture/check_point.hpp"

#include "world/play_context.hpp"

CheckPoint::CheckPoint()
{
    active = 1;
    keepOnRestart = 0;
}

bool CheckPoint::LoadResources()
{
    texture = LoadPicture(Picture);
    return texture != 0;
}

void CheckPoint::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    health = 1.0f;
    frame = 0.0f;
    CurrentPlay().checkpointTime = CurrentPlay().stateTicks;
    CurrentPlay().checkpointHeight = sy;
    Destroyed();
}
