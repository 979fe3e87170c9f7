#include "world/furniture/debris_burst.hpp"

#include "world/play_context.hpp"
#include "core/random.hpp"
#include "world/player_contact.hpp"

#include <cmath>

void DebrisBurst::Spawn(float sx, float sy)
{
    x = prevX = sx;
    y = prevY = sy;
    health = 1.0f;
    active = 0;
    timer = 0;
    volleys = 0;
}

void DebrisBurst::Think()
{
    --timer;
    if (timer > 0)
        return;
    const bool slow = style == 0;
    timer = slow ? 2 : 1;
    ++volleys;
    if (volleys > (slow ? 25 : 45))
        health = -1.0f;
    const float radians = static_cast<float>(Random() % 360) * 3.14159265f / 180.0f;
    const float distance = static_cast<float>(Random() % (slow ? 30 : 50));
    // A style the sparks have no colour for fires green.
    const int32_t sparkStyle = style >= 0 && style <= 2 ? style : 0;
    if (PlayerContact* player = CurrentPlay().world.player)
        player->AddDebrisSpark(x + std::cos(radians) * distance, y + std::sin(radians) * distance, sparkStyle);
}
