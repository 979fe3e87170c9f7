#include "world/furniture/power_banner.hpp"

#include "world/play_context.hpp"

bool PowerBanner::LoadResources()
{
    texture = LoadPicture(Picture);
    return texture != 0;
}

void PowerBanner::Spawn(float, float)
{
    health = 0.01f;
    active = 1;
    hitFlash = 0;
    fadingIn = 1;
    ticks = 0;
    x = prevX = CurrentPlay().world.camera.x + 320.0f;
    y = prevY = CurrentPlay().world.camera.y + 240.0f;
}

void PowerBanner::Think()
{
    if (fadingIn) {
        health += 0.03f;
        if (health > 1.0f) {
            health = 1.0f;
            fadingIn = 0;
        }
    } else {
        ++ticks;
        if (ticks > HoldTicks)
            health -= 0.01f;
    }
    x = CurrentPlay().world.camera.x + 320.0f;
    y = CurrentPlay().world.camera.y + 240.0f;
}
