#include "world/furniture/explosion_chain.hpp"

#include "world/play_context.hpp"
#include "core/random.hpp"

namespace {

constexpr int ChainSound = 21;

} // namespace

ExplosionChain::ExplosionChain()
{
    circles.push_back(Circle{16.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    active = 1;
}

void ExplosionChain::Spawn(float sx, float sy)
{
    health = Duration;
    x = prevX = sx;
    y = prevY = sy;
    CurrentPlay().PlaySound(ChainSound);
}

void ExplosionChain::Think()
{
    health -= 1.0f;
    if (health <= 0.0f) {
        Destroyed();
        return;
    }
    if (static_cast<int>(health) % Every == 0) {
        const float turn = static_cast<float>(Random() % 360);
        AddExplosion(CurrentPlay().world, 4, x, y, 64.0f, 64.0f, 0, turn);
        AddExplosion(CurrentPlay().world, 4, x, y, 48.0f, 48.0f, 1, turn);
    }
}
