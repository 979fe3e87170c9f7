#include "world/explosion_chain.hpp"

#include "engine/engine.hpp"
#include "game/shell_media.hpp"
#include "graphics/random.hpp"

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
    PlayEffect(*TheEngine, ChainSound);
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
        AddExplosion(TheEngine->world, 4, x, y, 64.0f, 64.0f, 0, turn);
        AddExplosion(TheEngine->world, 4, x, y, 48.0f, 48.0f, 1, turn);
    }
}
