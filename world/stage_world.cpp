#include "world/stage_world.hpp"

#include "world/entity.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

StageWorld::StageWorld() = default;
StageWorld::~StageWorld() = default;

void AddEntity(StageWorld& world, std::unique_ptr<Entity> entity, int layer)
{
    if (!entity || layer < 1 || layer > 4)
        return;
    entity->layer = layer;
    EntityList& list = world.entityLayers[layer - 1];
    list.push_back(std::move(entity));
    std::stable_sort(list.begin(), list.end(),
                     [](const std::unique_ptr<Entity>& a, const std::unique_ptr<Entity>& b) {
                         return a->drawOrder < b->drawOrder;
                     });
}

void DisposeOrUpdate(EntityList& list)
{
    for (size_t i = 0; i < list.size();) {
        Entity* entity = list[i].get();
        if (entity->health > 0.0f || std::isnan(entity->health)) {
            entity->Update();
            ++i;
        } else {
            entity->circles.clear();
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

void UpdateEntityLists(StageWorld& world)
{
    for (EntityList& list : world.entityLayers)
        DisposeOrUpdate(list);
    DisposeOrUpdate(world.pickups);
}

void ClearEntities(StageWorld& world)
{
    for (EntityList& list : world.entityLayers)
        list.clear();
    world.pickups.clear();
    for (auto& list : world.explosions)
        list.clear();
}

void AddExplosion(StageWorld& world, int layer, float x, float y, float halfWidth, float halfHeight,
                  ExplosionStyle style, float angle)
{
    if (layer < 1 || layer > 4)
        return;
    Explosion explosion;
    explosion.x = x;
    explosion.y = y;
    explosion.halfWidth = halfWidth;
    explosion.halfHeight = halfHeight;
    explosion.style = style;
    explosion.angle = angle;
    world.explosions[layer - 1].push_back(explosion);
}

void AdvanceExplosions(StageWorld& world)
{
    for (auto& list : world.explosions) {
        for (Explosion& explosion : list) {
            explosion.frame += ExplosionFrameStep;
            if (explosion.frame >= ExplosionLastFrame)
                explosion.finished = 1;
        }
        std::erase_if(list, [](const Explosion& explosion) { return explosion.finished != 0; });
    }
}

namespace {

template <class Accept>
Entity* Nearest(const StageWorld& world, float x, float y, Accept accept)
{
    Entity* best = nullptr;
    float bestDistance = 999.0f;
    for (const auto& entity : world.entityLayers[2]) {
        if (!(entity->health > 0.0f))
            continue;
        float tx = 0.0f, ty = 0.0f;
        if (!entity->GetTargetPoint(tx, ty))
            continue;
        const float dx = tx - x;
        const float dy = ty - y;
        const float distance = std::sqrt(dx * dx + dy * dy);
        if (distance < bestDistance && accept(dx, dy, distance)) {
            best = entity.get();
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

Entity* NearestTarget(const StageWorld& world, float x, float y)
{
    return Nearest(world, x, y, [](float, float, float) { return true; });
}

Entity* NearestTargetInCone(const StageWorld& world, float x, float y, float heading, float halfAngle)
{
    const double radians = heading * (std::numbers::pi / 180.0);
    const float fx = static_cast<float>(std::cos(radians));
    const float fy = static_cast<float>(std::sin(radians));
    const float minCos = static_cast<float>(std::cos(halfAngle * (std::numbers::pi / 180.0)));
    return Nearest(world, x, y, [&](float dx, float dy, float distance) {
        // A target exactly on the shooter is in every direction.
        if (distance == 0.0f)
            return true;
        return (dx * fx + dy * fy) / distance >= minCos;
    });
}

void StepCamera(StageWorld& world, uint32_t timeIndex)
{
    world.previousCamera = world.camera;
    world.camera = CameraAtTime(world.scrollManipulators, timeIndex);
}

void SetStartCamera(StageWorld& world, uint32_t startTime)
{
    world.camera = CameraAtTime(world.scrollManipulators, startTime);
    world.previousCamera = world.camera;
}

void ShiftCircles(std::vector<Circle>& circles, float dx, float dy)
{
    for (Circle& circle : circles) {
        circle.x -= dx;
        circle.y -= dy;
    }
}

void ShiftEntity(Entity& entity, float dx, float dy)
{
    entity.x -= dx;
    entity.y -= dy;
    entity.prevX -= dx;
    entity.prevY -= dy;
    ShiftCircles(entity.circles, dx, dy);
}

void ShiftStageWorld(StageWorld& world, float dx, float dy)
{
    for (EntityList& list : world.entityLayers)
        for (auto& entity : list)
            ShiftEntity(*entity, dx, dy);
    // A pick-up on screen stays where the player saw it drop, like everything else on screen.
    for (auto& pickup : world.pickups)
        ShiftEntity(*pickup, dx, dy);
    for (auto& list : world.explosions) {
        for (Explosion& explosion : list) {
            explosion.x -= dx;
            explosion.y -= dy;
        }
    }
}
