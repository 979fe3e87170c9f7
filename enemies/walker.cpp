#include "enemies/walker.hpp"

#include "enemies/enemy_motion.hpp"
#include "world/stage_map.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr float BodyRadius = 18.0f;
constexpr float HalfCell = 32.0f;
constexpr float CellsPerPixel = 0.35f; // of the walk cycle

} // namespace

Walker::Walker() { circles.push_back(Circle{BodyRadius, 0.0f, 0.0f, 0.0f, -BodyHeight}); }

bool Walker::GetTargetPoint(float& outX, float& outY)
{
    outX = x;
    outY = y - BodyHeight;
    return true;
}

void Walker::PlaceFeet(float sx, float sy, bool falling)
{
    x = prevX = sx;
    y = prevY = falling ? sy : FeetOnRow(sy);
    vx = vy = 0.0f;
    grounded = falling ? 0 : 1;
}

int Walker::HeldDirection() const
{
    const bool left = PatternHeld(*this, ControlLeft);
    const bool right = PatternHeld(*this, ControlRight);
    if (left == right)
        return 0;
    return right ? 1 : -1;
}

bool Walker::WallAhead(int direction) const
{
    return Blocked(x + ProbeAhead * static_cast<float>(direction), y - ProbeHeight);
}

bool Walker::SettleOnGround()
{
    if (!Blocked(x, y + 1.0f))
        return false;
    // The feet have sunk into the blocking row: they belong on the bottom line of the one above.
    y = FeetOnRow(y + 1.0f - static_cast<float>(TileSize));
    vy = 0.0f;
    grounded = 1;
    return true;
}

void Walker::StepWalking(const Gait& gait, int direction)
{
    if (direction != 0) {
        facing = direction;
        vx = gait.walkSpeed * static_cast<float>(direction);
    } else {
        vx *= gait.decay;
    }
    if (vx != 0.0f && WallAhead(vx > 0.0f ? 1 : -1))
        vx = 0.0f;
    x += vx;

    if (grounded && SettleOnGround())
        return;
    grounded = 0; // walked off a ledge, or still in the air
    vy = std::min(vy + gait.gravity, gait.maxFall);
    y += vy;
    SettleOnGround();
}

void Walker::AnimateStride(int cells)
{
    if (grounded)
        AdvanceFrame(frame, std::fabs(vx) * CellsPerPixel, cells);
}

SpritePlacement Walker::BodyPlacement(float interpolation) const
{
    return SpritePlacement{InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation) - HalfCell,
                           HalfCell * static_cast<float>(facing), HalfCell};
}
