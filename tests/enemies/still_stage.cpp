#include "still_stage.hpp"

#include "world/stage_map.hpp"

namespace enemy_testing {

StillStage::StillStage()
{
    StageWorld& world = engine.world;
    world.scrollManipulators = {ScrollManipulator{}};
    for (int column = 0; column < world.mapWidth; ++column)
        Solid(column, FloorRow);
}

void StillStage::Solid(int column, int row)
{
    StageWorld& world = engine.world;
    const size_t index = static_cast<size_t>(row * world.mapWidth + column);
    world.collisionPlane[index] = world.pristineCollision[index] = SolidTile;
}

void StillStage::StartAndLaunch()
{
    Start(0);
    UntilLaunched();
}

ControlRecord Hold(uint32_t tick, std::initializer_list<uint8_t ControlBlock::*> held)
{
    ControlRecord record;
    record.tick = tick;
    for (uint8_t ControlBlock::*control : held)
        record.controls.*control = static_cast<uint8_t>(ButtonState::Held);
    return record;
}

} // namespace enemy_testing
