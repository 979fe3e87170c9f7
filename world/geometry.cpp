#include "world/geometry.hpp"

#include <cmath>

Rect RectFromSize(float width, float height, float centreX, float centreY)
{
    return RectFromHalfSize(width / 2.0f, height / 2.0f, centreX, centreY);
}

Rect RectFromHalfSize(float halfWidth, float halfHeight, float centreX, float centreY)
{
    Rect rect;
    rect.halfWidth = halfWidth;
    rect.halfHeight = halfHeight;
    rect.centreX = centreX;
    rect.centreY = centreY;
    rect.left = centreX - halfWidth;
    rect.top = centreY - halfHeight;
    rect.right = centreX + halfWidth;
    rect.bottom = centreY + halfHeight;
    return rect;
}

Rect RectFromEdges(float left, float top, float right, float bottom)
{
    Rect rect;
    rect.left = left;
    rect.top = top;
    rect.right = right;
    rect.bottom = bottom;
    return rect;
}

bool CirclesOverlap(const Circle& a, const Circle& b)
{
    const float dx = a.x - b.x;
    const float dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy) <= a.radius + b.radius;
}

bool AnyCirclesOverlap(const std::vector<Circle>& given, const std::vector<Circle>& own)
{
    for (const Circle& other : given)
        for (const Circle& mine : own)
            if (CirclesOverlap(other, mine))
                return true;
    return false;
}

bool PointInRect(const Rect& rect, float px, float py)
{
    return rect.left <= px && px <= rect.right && rect.top <= py && py <= rect.bottom;
}

bool RectsOverlap(const Rect& a, const Rect& b)
{
    return !(a.right < b.left || a.bottom < b.top || a.left > b.right || a.top > b.bottom);
}

bool CircleTouchesRect(const Circle& circle, const Rect& rect)
{
    float dx = rect.centreX - circle.x;
    float dy = rect.centreY - circle.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    // A circle centred exactly on the rectangle's centre has no direction; its centre is the
    // point tested.
    if (length > 0.0f) {
        dx /= length;
        dy /= length;
    }
    return PointInRect(rect, circle.x + dx * circle.radius, circle.y + dy * circle.radius);
}
