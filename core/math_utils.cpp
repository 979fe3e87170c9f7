#include "core/math_utils.hpp"

#include <algorithm>
#include <cmath>

float Lerp(float a, float b, float t) { return (a - b) * t + b; }

float TimedLerp(float from, float to, float start, float duration, float now)
{
    const float fraction = (now - start) / duration;
    const float value = from + (to - from) * fraction;
    return std::clamp(value, std::min(from, to), std::max(from, to));
}

Vec2 ScaleAbout(Vec2 point, Vec2 centre, float factor)
{
    return {centre.x + (point.x - centre.x) * factor, centre.y + (point.y - centre.y) * factor};
}

namespace {

Vec2 Normalised(float x, float y)
{
    const float length = std::sqrt(x * x + y * y);
    if (length == 0.0f)
        return {0.0f, 0.0f};
    return {x / length, y / length};
}

} // namespace

void AngleVectors(float degrees, Vec2& forward, Vec2& side)
{
    constexpr double toRadians = 3.14159265358979323846 / 180.0;
    const double a = degrees * toRadians;
    const double b = (degrees + 90.0) * toRadians;
    forward = Normalised(static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a)));
    side = Normalised(static_cast<float>(std::cos(b)), static_cast<float>(std::sin(b)));
}

Vec2 BezierPoint(const Vec2* points, int count, float t)
{
    Vec2 result;
    for (int i = 0; i < count; ++i) {
        const float weight = (i == 0 || i == count - 1) ? 1.0f : static_cast<float>(count - 1);
        const float basis = weight * std::pow(t, static_cast<float>(i)) * std::pow(1.0f - t, static_cast<float>(count - 1 - i));
        result.x += basis * points[i].x;
        result.y += basis * points[i].y;
    }
    return result;
}
