#include "engine/play/collision_pass.hpp"

#include "engine/engine.hpp"
#include "engine/screens/shell_media.hpp"
#include "player/ship_type.hpp"
#include "world/entity.hpp"
#include "world/pickup_kind.hpp"

#include <algorithm>

namespace {

constexpr float TailRadius = 5.0f;
constexpr float OrbAndTailDamage = 0.2f;
constexpr float ShipHitAmount = 5.0f;

std::vector<Circle> SegmentCircle(const TailSegment& segment)
{
    return {Circle{TailRadius, segment.x, segment.y, 0.0f, 0.0f}};
}

// A pick-up's kind for the ship to collect; -1 (nothing to collect) for an entity that
// declares none.
int32_t KindOf(const Entity& pickup)
{
    const auto* declared = dynamic_cast<const PickupKind*>(&pickup);
    return declared ? declared->Kind() : -1;
}

void LayerAgainstShip(Engine& engine, bool shipCanBeHit)
{
    Player& player = engine.player;
    EntityList& layer = engine.world.entityLayers[2];
    // Index loop: a Destroyed may append to the layer (an explosion chain, a debris burst).
    for (size_t i = 0; i < layer.size(); ++i) {
        Entity& entity = *layer[i];
        // A dead enemy is only waiting for the next list pass: a shot meeting it must not be
        // handed its negative health (which would strengthen the shot), nor the ship.
        for (Shot& shot : engine.shots.playerShots) {
            if (entity.health <= 0.0f)
                break;
            if (entity.HitTest(shot.circles)) {
                const float health = entity.health;
                entity.TakeDamage(shot.strength);
                if (shot.hit)
                    shot.hit(shot, health);
            }
        }
        if (entity.health <= 0.0f)
            continue;
        if (shipCanBeHit && entity.HitTest(player.circles)) {
            const float health = entity.health;
            entity.TakeDamage(player.health);
            player.TakeDamage(health);
        }
        if (player.OrbOut() && entity.HitTest(player.orb.circles))
            entity.TakeDamage(OrbAndTailDamage);
        if (engine.ship.ShipType == Id(ShipType::MkIII))
            for (const TailSegment& segment : player.tail)
                if (entity.HitTest(SegmentCircle(segment)))
                    entity.TakeDamage(OrbAndTailDamage);
    }
}

void EnemyShotsAgainstShip(Engine& engine, bool shipCanBeHit)
{
    Player& player = engine.player;
    for (Shot& shot : engine.shots.enemyShots) {
        if (shipCanBeHit && player.HitTest(shot.circles)) {
            player.TakeDamage(shot.strength);
            if (shot.hit)
                shot.hit(shot, ShipHitAmount);
        }
        if (player.OrbOut() && player.orb.HitTest(shot.circles) && shot.hit) {
            shot.hit(shot, 1.0f);
            if (shot.dead)
                PlayEffect(engine, SoundId::Deflection);
        }
        // One segment wears the shot down, however many lie where it strikes.
        const auto struck = [&shot](const TailSegment& segment) {
            return TouchesSegment(shot.circles, segment.x, segment.y);
        };
        if (engine.ship.ShipType == Id(ShipType::MkIII) && shot.hit &&
            std::any_of(player.tail.begin(), player.tail.end(), struck))
            shot.hit(shot, 1.0f);
    }
}

void PickupsAgainstShip(Engine& engine, bool shipCanBeHit)
{
    if (!shipCanBeHit)
        return;
    Player& player = engine.player;
    EntityList& pickups = engine.world.pickups;
    for (size_t i = 0; i < pickups.size(); ++i) {
        Entity& pickup = *pickups[i];
        if (pickup.HitTest(player.circles)) {
            player.CollectPowerUp(KindOf(pickup));
            pickup.Destroyed();
        }
    }
}

} // namespace

bool TouchesSegment(const std::vector<Circle>& circles, float x, float y)
{
    return AnyCirclesOverlap(circles, {Circle{TailRadius, x, y, 0.0f, 0.0f}});
}

void RunCollisionPass(Engine& engine)
{
    if (engine.editor.recordingPattern)
        return;
    const Player& player = engine.player;
    const bool shipCanBeHit = player.launched && player.DyingCounter == 0;
    LayerAgainstShip(engine, shipCanBeHit);
    EnemyShotsAgainstShip(engine, shipCanBeHit);
    PickupsAgainstShip(engine, shipCanBeHit);
}
