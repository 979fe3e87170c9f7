#pragma once
// Interpolation, angles and curves shared by every renderer and entity.
#include <cstddef>

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;
};

// (a - b) * t + b: t = 1 gives a, t = 0 gives b.
float Lerp(float a, float b, float t);
// from + (to - from) * (now - start) / duration, never past either end.
float TimedLerp(float from, float to, float start, float duration, float now);
Vec2 ScaleAbout(Vec2 point, Vec2 centre, float factor);
// Degrees, clockwise on screen because y points down. Both vectors have length 1.
void AngleVectors(float degrees, Vec2& forward, Vec2& side);
// Weights 1 for the end points and n - 1 for the inner ones: the binomial weights for the
// counts in use (up to four points).
Vec2 BezierPoint(const Vec2* points, int count, float t);
