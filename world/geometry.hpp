#pragma once
// Hit circles and rectangles, and the overlap tests every collision in a stage uses. Circle
// world positions are owned by their entity, which recomputes them each tick from the
// offsets (PlaceCirclesTranslated / PlaceCirclesRotated on Entity).
#include <vector>

struct Circle {
    float radius = 0.0f;
    float x = 0.0f; // world centre
    float y = 0.0f;
    float offsetX = 0.0f; // relative to the owner's position
    float offsetY = 0.0f;
};

// Eight floats; the edges are what the tests read. A rectangle made from edges only leaves
// the half sizes and centre at zero.
struct Rect {
    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    float centreX = 0.0f;
    float centreY = 0.0f;
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
};

Rect RectFromSize(float width, float height, float centreX, float centreY);
// The same rectangle from its half sizes, which it keeps bit for bit (halving a doubled
// size would not for huge or NaN values).
Rect RectFromHalfSize(float halfWidth, float halfHeight, float centreX, float centreY);
Rect RectFromEdges(float left, float top, float right, float bottom);

// Touching circles (distance equal to the sum of the radii) overlap.
bool CirclesOverlap(const Circle& a, const Circle& b);
// Any circle of `given` against any of `own`; an empty list never hits.
bool AnyCirclesOverlap(const std::vector<Circle>& given, const std::vector<Circle>& own);
// Edges included.
bool PointInRect(const Rect& rect, float px, float py);
// Rectangles whose edges only touch overlap.
bool RectsOverlap(const Rect& a, const Rect& b);
// The circle's point nearest the rectangle's centre member, tested against its edges.
bool CircleTouchesRect(const Circle& circle, const Rect& rect);
