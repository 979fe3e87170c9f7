#include "world/furniture/sliding_door.hpp"

#include "world/play_context.hpp"

#include <algorithm>
#include <climits>

namespace {

// Tuning: how much the door takes, and its slide of a pixel per tick.
constexpr float Health = 12.0f;
constexpr float SlideStep = 1.0f;

const PropertyDecl<SlidingDoor> Declared[] = {
    {.name = "Upside down?", .kind = PropertyKind::Flag, .flagMember = &SlidingDoor::upsideDown},
    {.name = "Size", .kind = PropertyKind::Integer, .intMember = &SlidingDoor::size, .minValue = 1,
     .maxValue = SlidingDoor::MaxSize},
    {.name = "Slide Distance(32*32)", .kind = PropertyKind::Integer, .intMember = &SlidingDoor::slideDistance,
     .minValue = 0, .maxValue = SlidingDoor::MaxSlideDistance},
    {.name = "Open Time", .kind = PropertyKind::Integer, .intMember = &SlidingDoor::openTime, .listed = false,
     .minValue = 0},
};

} // namespace

SlidingDoor::SlidingDoor()
    : openTime(PlayInstalled() ? static_cast<int32_t>(std::min<uint32_t>(CurrentPlay().stateTicks, INT32_MAX)) : 0)
{
    keepOnRestart = 1;
    drawOrder = 3;
    active = 0;
    health = Health;
}

std::span<const PropertyDecl<SlidingDoor>> SlidingDoor::Properties() { return Declared; }

bool SlidingDoor::LoadResources() { return LoadSheet(Picture, sheet); }

void SlidingDoor::Spawn(float sx, float sy)
{
    circles.clear();
    health = Health;
    x = prevX = sx;
    y = prevY = sy;
    // The editor can set any size; the segments are bounded like a loaded one.
    const int32_t segments = std::clamp(size, 1, MaxSize);
    const float step = upsideDown ? 32.0f : -32.0f;
    for (int32_t i = 0; i < segments; ++i)
        circles.push_back(Circle{16.0f, 0.0f, 0.0f, 0.0f, step * static_cast<float>(i)});
    homeY = upsideDown ? sy - 12.0f : sy + 12.0f;
}

void SlidingDoor::Think()
{
    if (CurrentPlay().stateTicks < static_cast<uint32_t>(std::max(openTime, 0)))
        return;
    const float reach = 32.0f * static_cast<float>(slideDistance);
    if (upsideDown)
        y = std::min(y + SlideStep, homeY + reach);
    else
        y = std::max(y - SlideStep, homeY - reach);
}

void SlidingDoor::DescribeProperties(std::vector<EntityProperty>& list)
{
    DescribeDeclared(Properties(), *this, list);
}

bool SlidingDoor::LoadProperties(DataFile& file) { return LoadDeclared(Properties(), *this, file); }

bool SlidingDoor::SaveProperties(DataFile& file) { return SaveDeclared(Properties(), *this, file); }
