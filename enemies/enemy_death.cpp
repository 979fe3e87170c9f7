#include "enemies/enemy_death.hpp"

#include "world/play_context.hpp"
#include "core/random.hpp"
#include "world/entity.hpp"
#include "world/explosion.hpp"

void AddBlastAt(const Entity& entity, float x, float y, float fireballHalf, float glowHalf)
{
    StageWorld& world = CurrentPlay().world;
    AddExplosion(world, entity.layer, x, y, fireballHalf, fireballHalf, ExplosionStyle::Blast,
                 static_cast<float>(Random() % 360));
    AddExplosion(world, entity.layer, x, y, glowHalf, glowHalf, ExplosionStyle::Glow, 0.0f);
}

void ExplodeEnemy(Entity& entity, const DeathBlast& blast)
{
    PlayContext& play = CurrentPlay();
    play.score += blast.score;
    entity.health = -1.0f;
    AddBlastAt(entity, entity.x + blast.offsetX, entity.y + blast.offsetY, blast.fireballHalf, blast.glowHalf);
    play.PlaySound(blast.sound);
}
