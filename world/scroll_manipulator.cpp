#include "world/scroll_manipulator.hpp"

CameraPoint CameraAtTime(const std::vector<ScrollManipulator>& list, uint32_t t)
{
    const ScrollManipulator* governing = nullptr;
    for (const ScrollManipulator& manipulator : list) {
        if (manipulator.startTime > t)
            break;
        governing = &manipulator;
    }
    if (!governing)
        return {};

    const uint32_t n = t - governing->startTime;
    const int32_t k = governing->accelerateTicks;
    float px = governing->positionX;
    float py = governing->positionY;
    float vx = governing->velocityX;
    float vy = governing->velocityY;
    const float ax = governing->accelerationX;
    const float ay = governing->accelerationY;
    const uint32_t accelerating = k <= 0 ? 0u : (n < static_cast<uint32_t>(k) ? n : static_cast<uint32_t>(k));
    for (uint32_t i = 0; i < accelerating; ++i) {
        vx = vx + ax;
        vy = vy + ay;
        px = px + vx;
        py = py + vy;
    }
    for (uint32_t i = accelerating; i < n; ++i) {
        px = px + vx;
        py = py + vy;
    }
    return {px, py};
}

float ParallaxFactor(int layer)
{
    switch (layer) {
    case 1: return 0.5f;
    case 2: return 0.75f;
    default: return 1.0f;
    }
}

CameraPoint LayerCameraOf(CameraPoint camera, int layer)
{
    const float factor = ParallaxFactor(layer);
    return {camera.x * factor, camera.y * factor};
}
