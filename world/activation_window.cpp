#include "world/activation_window.hpp"
#include "core/screen_size.hpp"

#include "world/entity.hpp"

void ApplyActivationWindow(Entity& e, float cx, float cy, float marginX, float marginY)
{
    const float left = cx - marginX, right = cx + ScreenWidth + marginX;
    const float top = cy - marginY, bottom = cy + ScreenHeight + marginY;
    if (!e.active) {
        if (left < e.x && e.x < right && top < e.y && e.y < bottom)
            e.active = 1;
    } else if (e.x < left || e.x > right || e.y < top || e.y > bottom) {
        e.active = 0;
        e.health = -1.0f;
    }
    if (e.x < cx - 2.0f * marginX || e.x > cx + ScreenWidth + 2.0f * marginX || e.y < cy - 2.0f * marginY ||
        e.y > cy + ScreenHeight + 2.0f * marginY) {
        e.active = 0;
        e.health = -1.0f;
    }
}
