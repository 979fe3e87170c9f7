#include "world/furniture/screen_flash.hpp"

#include "core/screen_size.hpp"
#include "world/play_context.hpp"

void ScreenFlash::Spawn(float, float)
{
    active = 1;
    hitFlash = 0;
    health = 1.0f;
    red = green = blue = 1.0f;
    x = prevX = CurrentPlay().world.camera.x + ScreenCentreX;
    y = prevY = CurrentPlay().world.camera.y + ScreenCentreY;
}

void ScreenFlash::Think()
{
    health -= FadeStep;
    x = CurrentPlay().world.camera.x + ScreenCentreX;
    y = CurrentPlay().world.camera.y + ScreenCentreY;
}
