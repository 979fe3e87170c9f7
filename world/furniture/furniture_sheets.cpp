#include "world/furniture/check_point.hpp"
#include "world/furniture/power_banner.hpp"
#include "world/sheet_spec.hpp"
#include "world/furniture/sliding_door.hpp"
#include "world/furniture/stage_title_card.hpp"
#include "world/furniture/tile_animation.hpp"
#include "world/furniture/tile_breaker.hpp"
#include "world/furniture/water_fall.hpp"

#include <vector>

std::span<const SheetSpec> FurnitureSheets()
{
    static const std::vector<SheetSpec> sheets = [] {
        std::vector<SheetSpec> list{CheckPoint::Picture};
        list.insert(list.end(), TileAnimation::Pictures.begin(), TileAnimation::Pictures.end());
        list.insert(list.end(), TileBreaker::Pictures.begin(), TileBreaker::Pictures.end());
        list.push_back(SlidingDoor::Picture);
        list.push_back(WaterFall::Picture);
        list.push_back(WaterFall::NormalMap);
        list.insert(list.end(), StageTitleCard::Pictures.begin(), StageTitleCard::Pictures.end());
        list.push_back(PowerBanner::Picture);
        return list;
    }();
    return sheets;
}
