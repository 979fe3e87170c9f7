#include "world/furniture/explosion_chain.hpp"

#include "world/play_context.hpp"
#include "core/random.hpp"
#include "world/explosion.hpp"

namespace {

// The blasts of each link, over the play layer.
constexpr float FireballHalf = 64.0f;
constexpr float GlowHalf = 48.0f;
constexpr int FrontLayer = 4;

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
    CurrentPlay().PlaySound(SoundId::ExplosionChain);
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
        AddExplosion(CurrentPlay().world, FrontLayer, x, y, FireballHalf, FireballHalf,
                     ExplosionStyle::Blast, turn);
        AddExplosion(CurrentPlay().world, FrontLayer, x, y, GlowHalf, GlowHalf, ExplosionStyle::Glow, turn);
    }
}
