#include "enemies/hostile.hpp"

#include "core/screen_size.hpp"
#include "world/entity.hpp"
#include "world/scroll_manipulator.hpp"
#include "world/stage_world.hpp"

int HostilesOnScreen(const StageWorld& world)
{
    int count = 0;
    for (int layer = 1; layer <= 4; ++layer) {
        const CameraPoint view = LayerCameraOf(world.camera, layer);
        for (const auto& entity : world.entityLayers[layer - 1]) {
            if (!(entity->health > 0.0f) || !dynamic_cast<const Hostile*>(entity.get()))
                continue;
            if (entity->x >= view.x && entity->x <= view.x + ScreenWidth && entity->y >= view.y &&
                entity->y <= view.y + ScreenHeight)
                ++count;
        }
    }
    return count;
}
