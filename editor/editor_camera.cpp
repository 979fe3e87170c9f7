#include "editor/editor_camera.hpp"

#include "world/stage_world.hpp"

void FollowTimeIndex(StageWorld& world, uint32_t timeIndex)
{
    world.previousCamera = world.camera;
    world.camera = CameraAtTime(world.scrollManipulators, timeIndex);
}

CameraPoint ScrollVelocityAt(const std::vector<ScrollManipulator>& path, uint32_t t)
{
    const uint32_t from = t == 0 ? 0 : t - 1;
    const CameraPoint before = CameraAtTime(path, from);
    const CameraPoint after = CameraAtTime(path, from + 1);
    return {after.x - before.x, after.y - before.y};
}
