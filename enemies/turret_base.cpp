#include "enemies/turret_base.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"

#include <algorithm>
#include <cmath>

namespace {

// Tuning both turrets share: the mount's size and its blast.
constexpr float HitRadius = 16.0f;
constexpr float FireballHalf = 48.0f;
constexpr float GlowHalf = 32.0f;
constexpr float BlastBelow = 16.0f; // the blast's centre below the position

constexpr float BodyBelow = 32.0f; // the hit circle's centre below the position
constexpr float CeilingLift = 2.0f; // an upside-down mount sits this much higher
constexpr float LastCell = 31.0f;

} // namespace

TurretBase::TurretBase(const SheetSpec& picture, int32_t score) : picture_(&picture), score_(score)
{
    keepOnRestart = 0;
    circles.push_back(Circle{HitRadius, 0.0f, 0.0f, 0.0f, BodyBelow});
    active = 0;
}

bool TurretBase::LoadResources() { return LoadSheet(*picture_, sheet); }

void TurretBase::SpawnMount(float sx, float sy, float healthValue)
{
    PlaceAtSpawn(*this, sx, upsideDown ? sy - CeilingLift : sy, healthValue);
    frame = 15.5f; // straight out of the mount
}

float TurretBase::PivotY() const { return y + BodyBelow; }

float TurretBase::AimCell(float tx, float ty) const
{
    const float dx = tx - PivotX();
    // Upside down, the sheet is mirrored vertically: "up" in the cells is down the screen.
    const float dy = upsideDown ? ty - PivotY() : PivotY() - ty;
    // 0 at pointing left, pi at pointing right, through straight out of the mount.
    const float sweep = 3.14159265f - std::atan2(dy, dx);
    if (dy < 0.0f) // behind the mount: the barrel rests at the nearer end
        return dx < 0.0f ? 0.0f : LastCell;
    return std::clamp(sweep / 3.14159265f * LastCell, 0.0f, LastCell);
}

void TurretBase::Think()
{
    float tx = 0.0f, ty = 0.0f;
    if (ShipTarget(tx, ty)) {
        const Vec2 ship = {tx, ty};
        const Vec2 own = PlayLayerPoint(*this, 0.0f, 0.0f);
        // Aim in this layer's coordinates: the ship seen from where the mount is drawn.
        const float target = AimCell(ship.x - own.x, ship.y - own.y);
        if (frame < target)
            frame = std::min(frame + TurretBarrelSpeed, target);
        else if (frame > target)
            frame = std::max(frame - TurretBarrelSpeed, target);
    }
    frame = std::clamp(frame, 0.0f, LastCell);
    StepFiring();
}

void TurretBase::Destroyed()
{
    ExplodeEnemy(*this, {.score = score_, .fireballHalf = FireballHalf, .glowHalf = GlowHalf, .offsetY = BlastBelow});
}

void TurretBase::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const SpritePlacement at{InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation) + BodyBelow,
                             32.0f, upsideDown ? -32.0f : 32.0f};
    DrawEnemyCell(*this, sheet, static_cast<int>(frame), at);
}
