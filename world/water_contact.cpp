#include "world/water_contact.hpp"
#include "graphics/effects.hpp"

#include "world/play_context.hpp"

bool CircleTouchesWater(const Circle& circle, const Rect& water)
{
    return CircleTouchesRect(circle, RectFromEdges(water.left, water.top, water.right, water.bottom));
}

bool CircleTouchesWaterSurface(const Circle& circle, const Rect& water)
{
    return CircleTouchesRect(circle, RectFromEdges(water.left, water.top - 8.0f, water.right, water.top + 8.0f));
}

void EmitWaterSplash(float x, float y)
{
    if (PlayInstalled())
        AddEmitter(CurrentPlay().effects, EmitterKind::WaterSplash, x, y, 75, 5, 0);
}
