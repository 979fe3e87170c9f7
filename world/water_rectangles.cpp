#include "world/water_rectangles.hpp"
#include "core/screen_size.hpp"

#include "world/stage_world.hpp"

void UpdateWater(StageWorld& world)
{
    world.previousWaterScroll = world.waterScroll;
    world.waterScroll += 0.01f;
    world.visibleWater.clear();
    const Rect screen = RectFromSize(ScreenWidth, ScreenHeight, ScreenCentreX, ScreenCentreY);
    for (const Rect& water : world.water) {
        const Rect onScreen = RectFromHalfSize(water.halfWidth, water.halfHeight, water.centreX - world.camera.x,
                                               water.centreY - world.camera.y);
        if (RectsOverlap(onScreen, screen))
            world.visibleWater.push_back(WaterRect{onScreen.left, onScreen.top, onScreen.right, onScreen.bottom});
    }
}
