#include "world/furniture/debris_burst.hpp"

#include "world/play_context.hpp"
#include "core/random.hpp"
#include "world/player_contact.hpp"

#include <cmath>

namespace {

// Tuning of the two sprays: style 0 slow and close, the others fast and wide.
constexpr int32_t SlowEvery = 2; // ticks between volleys
constexpr int32_t FastEvery = 1;
constexpr int32_t SlowVolleys = 25; // the burst ends after this many more
constexpr int32_t FastVolleys = 45;
constexpr int32_t SlowReach = 30; // pixels from the centre, exclusive
constexpr int32_t FastReach = 50;

} // namespace

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
    timer = slow ? SlowEvery : FastEvery;
    ++volleys;
    if (volleys > (slow ? SlowVolleys : FastVolleys))
        health = -1.0f;
    const float radians = static_cast<float>(Random() % 360) * 3.14159265f / 180.0f;
    const float distance = static_cast<float>(Random() % (slow ? SlowReach : FastReach));
    // A style the sparks have no colour for fires green.
    const int32_t sparkStyle = style >= 0 && style <= 2 ? style : 0;
    if (PlayerContact* player = CurrentPlay().world.player)
        player->AddDebrisSpark(x + std::cos(radians) * distance, y + std::sin(radians) * distance, sparkStyle);
}
