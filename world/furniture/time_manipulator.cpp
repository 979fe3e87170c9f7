#include "world/furniture/time_manipulator.hpp"

#include "world/play_context.hpp"

namespace {

const PropertyDecl<TimeManipulator> Declared[] = {
    // A negative index would wrap the unsigned clock.
    {.name = "Jump To Index", .kind = PropertyKind::Integer, .intMember = &TimeManipulator::jumpToIndex,
     .minValue = 0},
    {.name = "Repeat", .kind = PropertyKind::Integer, .intMember = &TimeManipulator::repeat},
};

} // namespace

TimeManipulator::TimeManipulator()
    : spawnTime(PlayInstalled() ? CurrentPlay().stateTicks : 0),
      jumpToIndex(static_cast<int32_t>(PlayInstalled() ? CurrentPlay().stateTicks : 0)), repeat(1)
{
    keepOnRestart = 0;
    drawOrder = 0;
    active = 0;
}

std::span<const PropertyDecl<TimeManipulator>> TimeManipulator::Properties() { return Declared; }

void TimeManipulator::Spawn(float sx, float sy)
{
    health = 1.0f;
    spawnTime = CurrentPlay().stateTicks;
    x = sx;
    y = sy;
}

void TimeManipulator::Think()
{
    PlayContext& play = CurrentPlay();
    if (play.stateTicks == spawnTime) {
        StageWorld& world = play.world;
        const float dx0 = world.camera.x - world.previousCamera.x;
        const float dy0 = world.camera.y - world.previousCamera.y;
        const CameraPoint target = CameraAtTime(world.scrollManipulators, static_cast<uint32_t>(jumpToIndex));
        const float shiftX = world.camera.x - target.x;
        const float shiftY = world.camera.y - target.y;
        world.camera = target;
        world.previousCamera = {target.x - dx0, target.y - dy0};
        play.stateTicks = static_cast<uint32_t>(jumpToIndex);
        play.host.ShiftWorld(shiftX, shiftY);
        if (repeat > 0)
            --repeat;
    }
    if (repeat == 0)
        Destroyed();
}

void TimeManipulator::DescribeProperties(std::vector<EntityProperty>& list)
{
    DescribeDeclared(Properties(), *this, list);
}

bool TimeManipulator::LoadProperties(DataFile& file) { return LoadDeclared(Properties(), *this, file); }

bool TimeManipulator::SaveProperties(DataFile& file) { return SaveDeclared(Properties(), *this, file); }
