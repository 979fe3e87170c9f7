#pragma once
// The camera path of a stage: a list of scroll manipulators in ascending start time, each
// restarting the camera at its own position and moving it with a velocity and a bounded
// acceleration from its start tick on. The camera is a pure function of the time index.
#include <cstdint>
#include <vector>

struct CameraPoint {
    float x = 0.0f;
    float y = 0.0f;

    bool operator==(const CameraPoint&) const = default;
};

struct ScrollManipulator {
    uint32_t startTime = 0;
    float positionX = 0.0f;
    float positionY = 0.0f;
    float accelerationX = 0.0f;
    float accelerationY = 0.0f;
    float velocityX = 0.0f;
    float velocityY = 0.0f;
    int32_t accelerateTicks = 0;

    bool operator==(const ScrollManipulator&) const = default;
};

// The camera at time index t: the last manipulator starting at or before t, stepped one
// tick at a time in 32-bit floats (velocity before position). (0, 0) before the first
// manipulator and for an empty list.
CameraPoint CameraAtTime(const std::vector<ScrollManipulator>& list, uint32_t t);

// A layer's view origin: the camera times the layer's parallax factor (0.5, 0.75, 1, 1).
float ParallaxFactor(int layer);
CameraPoint LayerCameraOf(CameraPoint camera, int layer);
