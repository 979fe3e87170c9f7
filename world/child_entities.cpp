#include "world/child_entities.hpp"

#include "world/entity.hpp"
#include "world/entity_factory.hpp"
#include "world/stage_world.hpp"

Entity* AppendEntity(StageWorld& world, std::unique_ptr<Entity> entity, int layer)
{
    if (!entity || layer < 1 || layer > 4)
        return nullptr;
    entity->layer = layer;
    Entity* raw = entity.get();
    world.entityLayers[static_cast<size_t>(layer - 1)].push_back(std::move(entity));
    return raw;
}

Entity* SpawnChild(StageWorld& world, int32_t type, int layer, float x, float y)
{
    std::unique_ptr<Entity> entity = MakeEntity(type);
    if (!entity)
        return nullptr;
    entity->Spawn(x, y);
    return AppendEntity(world, std::move(entity), layer);
}
