#pragma once
// The camera as the editor shows it: the scroll path at the edited time index, and the
// scrolling speed there.
#include "world/scroll_manipulator.hpp"

#include <cstdint>
#include <vector>

struct StageWorld;

// previous camera = camera, camera = the path at `timeIndex`.
void FollowTimeIndex(StageWorld& world, uint32_t timeIndex);
// The camera's movement into tick t (camera at t minus camera at t - 1). At 0, where no
// earlier tick exists, the movement out of it (t + 1 minus t).
CameraPoint ScrollVelocityAt(const std::vector<ScrollManipulator>& path, uint32_t t);
