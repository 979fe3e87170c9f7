#include "world/furniture/power_banner.hpp"

#include "core/screen_size.hpp"
#include "world/play_context.hpp"

namespace {

// Tuning: its alpha at the start and its fades, per tick.
constexpr float StartAlpha = 0.01f;
constexpr float FadeInStep = 0.03f;
constexpr float FadeOutStep = 0.01f;

} // namespace

bool PowerBanner::LoadResources()
{
    texture = LoadPicture(Picture);
    return texture != 0;
}

void PowerBanner::Spawn(float, float)
{
    health = StartAlpha;
    active = 1;
    hitFlash = 0;
    fadingIn = 1;
    ticks = 0;
    x = prevX = CurrentPlay().world.camera.x + ScreenCentreX;
    y = prevY = CurrentPlay().world.camera.y + ScreenCentreY;
}

void PowerBanner::Think()
{
    if (fadingIn) {
        health += FadeInStep;
        if (health > 1.0f) {
            health = 1.0f;
            fadingIn = 0;
        }
    } else {
        ++ticks;
        if (ticks > HoldTicks)
            health -= FadeOutStep;
    }
    x = CurrentPlay().world.camera.x + ScreenCentreX;
    y = CurrentPlay().world.camera.y + ScreenCentreY;
}
