#include "world/screen_flash.hpp"

#include "engine/engine.hpp"

void ScreenFlash::Spawn(float, float)
{
    active = 1;
    hitFlash = 0;
    health = 1.0f;
    red = green = blue = 1.0f;
    x = prevX = TheEngine->world.camera.x + 320.0f;
    y = prevY = TheEngine->world.camera.y + 240.0f;
}

void ScreenFlash::Think()
{
    health -= FadeStep;
    x = TheEngine->world.camera.x + 320.0f;
    y = TheEngine->world.camera.y + 240.0f;
}
