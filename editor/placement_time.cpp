#include "editor/placement_time.hpp"

#include "world/entity.hpp"

uint32_t FixedObjectTime(const std::vector<ScrollManipulator>& path, Entity& entity, int layer, uint32_t timeIndex)
{
    const uint8_t wasActive = entity.active;
    const float health = entity.health;
    uint32_t t = timeIndex;
    entity.active = 1;
    while (t > 0) {
        --t;
        const CameraPoint view = LayerCameraOf(CameraAtTime(path, t), layer);
        entity.UpdateActivation(view.x, view.y);
        if (!entity.active)
            break;
    }
    entity.active = wasActive;
    entity.health = health;
    return t;
}
