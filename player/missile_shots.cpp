// Shots that steer or fall: the homing and cluster missiles with their smoke trails, the
// air-to-ground missile, and the EMP bolt that hunts while the orb is out.
#include "player/shot_kinds.hpp"
#include "player/player.hpp"

#include "world/play_context.hpp"
#include "core/math_utils.hpp"
#include "core/random.hpp"
#include "player/control_states.hpp"
#include "player/shot_drawing.hpp"
#include "player/shot_motion.hpp"
#include "world/furniture/debris_burst.hpp"
#include "world/entity.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr float MissileCells = 8.0f;
constexpr float AirToGroundCells = 16.0f;
constexpr float EmpCell = 112.0f;
constexpr float LaunchTicks = 30.0f;
constexpr float MissileSpeed = 4.5f;

constexpr ShotValues MissileValues{5.0f, 2.5f, &ExpireHit, 12.0f, 12.0f, MissileCells};
constexpr ShotValues AirToGroundValues{5.0f, 5.0f, &ExpireHit, 12.0f, 12.0f, AirToGroundCells};
constexpr ShotValues EmpValues{8.0f, 5.0f, &IgnoreHit, 16.0f, 16.0f, EmpCell};

// Missiles keep their heading in the orientation field and their timer in the spare one.
void StartMissile(Shot& shot, float x, float y, float vx, float vy)
{
    InitShot(shot, x, y, vx, vy, MissileValues);
    shot.orientation = 90.0f;
    shot.spare = 0.0f;
    const TrailColour smoke{0.9f, 0.9f, 1.0f, 0.6f};
    const TrailColour gone{0.5f, 0.5f, 0.6f, 0.0f};
    shot.trail = AddTrail(CurrentPlay().effects, StartTrail(x, y, 1, smoke, gone, 18, 1, 0.5f));
}

void Explode(const Shot& shot, float big, float small)
{
    const int32_t angle = Random() % 360;
    AddExplosion(CurrentPlay().world, 3, shot.x, shot.y, big, big, ExplosionStyle::Blast, static_cast<float>(angle));
    AddExplosion(CurrentPlay().world, 3, shot.x, shot.y, small, small, ExplosionStyle::Glow, static_cast<float>(angle));
}

void AddDebris(float x, float y, int32_t style)
{
    auto burst = std::make_unique<DebrisBurst>();
    burst->style = style;
    burst->Spawn(x, y);
    AddEntity(CurrentPlay().world, std::move(burst), 3);
}

// Steers the heading toward the target point by (1 - u.f) x factor degrees.
void TurnToward(Shot& shot, float targetX, float targetY, const Vec2& forward, const Vec2& side, float factor)
{
    float ux = shot.x - targetX;
    float uy = shot.y - targetY;
    const float length = std::sqrt(ux * ux + uy * uy);
    if (length > 0.0f) {
        ux /= length;
        uy /= length;
    }
    const float turn = (1.0f - (ux * forward.x + uy * forward.y)) * factor;
    shot.orientation += ux * side.x + uy * side.y >= 0.0f ? turn : -turn;
}

void TargetNearest(Shot& shot)
{
    Entity* target = NearestTarget(CurrentPlay().world, shot.x, shot.y);
    shot.homingTarget = target ? target->Handle() : EntityHandle{};
}

// Follows the live target; a dead one, or one that no longer answers, is forgotten.
void SteerToTarget(Shot& shot, const Vec2& forward, const Vec2& side, float factor)
{
    Entity* target = shot.homingTarget.Get();
    float tx = 0.0f, ty = 0.0f;
    if (target && target->health > 0.0f && target->GetTargetPoint(tx, ty))
        TurnToward(shot, tx, ty, forward, side, factor);
    else
        shot.homingTarget.Reset();
}

void FlyMissile(Shot& shot, bool homing)
{
    Vec2 forward, side;
    AngleVectors(shot.orientation + 90.0f, forward, side);
    if (Trail* trail = FindTrail(CurrentPlay().effects, shot.trail))
        MoveTrailEmitter(*trail, shot.x + 6.0f * forward.x, shot.y + 6.0f * forward.y);
    if (shot.spare <= LaunchTicks) {
        shot.spare += 1.0f;
        shot.vy *= 0.97f;
        shot.vx *= 1.1f;
        if (homing)
            TargetNearest(shot);
    } else {
        if (homing) {
            if (!shot.homingTarget) {
                shot.spare += 1.0f;
                if (shot.spare > 50.0f) {
                    shot.spare = 31.0f;
                    TargetNearest(shot);
                }
            } else {
                SteerToTarget(shot, forward, side, 16.5f);
            }
            AngleVectors(shot.orientation + 90.0f, forward, side);
        }
        shot.vx = -MissileSpeed * forward.x;
        shot.vy = -MissileSpeed * forward.y;
    }
    MoveShot(shot);
    AddScroll(shot);
    if (homing) {
        shot.frame += 0.75f;
        if (shot.frame >= MissileCells + 8.0f)
            shot.frame -= 8.0f;
        if (shot.strength < 1.5f)
            shot.dead = 1;
    }
    if (OffScreen(shot)) {
        shot.dead = 1;
    } else if (CurrentPlay().HitTile(shot.x, shot.y)) {
        shot.dead = 1;
        if (homing) {
            Explode(shot, 32.0f, 24.0f);
        } else {
            Explode(shot, 96.0f, 48.0f);
            AddDebris(shot.x, shot.y, 1);
        }
    }
}

void FlyHoming(Shot& shot)
{
    FlyMissile(shot, true);
}

void FlyCluster(Shot& shot)
{
    FlyMissile(shot, false);
}

void StartAirToGround(Shot& shot, float x, float y, float vx, float vy)
{
    InitShot(shot, x, y, vx, vy, AirToGroundValues);
    shot.orientation = 90.0f;
}

void FlyAirToGround(Shot& shot)
{
    shot.vx *= 0.98f;
    shot.vy += 0.05f;
    shot.orientation = std::min(shot.orientation + 1.0f, 180.0f);
    shot.spare += 0.35f;
    if (shot.spare >= 9.0f)
        shot.spare -= 9.0f;
    shot.frame = AirToGroundCells + std::min(std::floor(shot.spare), 7.0f);
    MoveShot(shot);
    AddScroll(shot);
    if (OffScreen(shot)) {
        shot.dead = 1;
    } else if (CurrentPlay().HitTile(shot.x, shot.y)) {
        shot.dead = 1;
        Explode(shot, 96.0f, 48.0f);
        AddDebris(shot.x, shot.y, 0);
    }
}

void StartEmp(Shot& shot, float x, float y, float vx, float vy)
{
    InitShot(shot, x, y, vx, vy, EmpValues);
    shot.orientation = vx < 0.0f ? 270.0f : 90.0f;
    shot.spare = 5.0f; // the turn factor
    CurrentPlay().PlaySound(SoundId::EmpBolt);
}

// The bolt's hum loops for as long as the bolt flies.
void EndEmp(Shot& shot)
{
    shot.dead = 1;
    CurrentPlay().StopSound(SoundId::EmpBolt);
}

// Ten short steps a tick along the heading, turning harder the longer it hunts; it lasts
// while the orb is out and the ship alive.
void FlyEmp(Shot& shot)
{
    PlayContext& play = CurrentPlay();
    const Player& ship = play.player;
    if (!ship.OrbOut() || ship.orb.attached || ship.health <= 0.0f) {
        EndEmp(shot);
        return;
    }
    shot.strength = 0.1f;
    shot.spare = std::min(shot.spare * 1.004f, 15.0f);
    if (IsJustPressed(ship.control.controls.FIRE))
        shot.spare = std::max(shot.spare - 1.0f, 5.0f);
    if (!shot.homingTarget)
        TargetNearest(shot);
    Vec2 forward, side;
    AngleVectors(shot.orientation + 90.0f, forward, side);
    SteerToTarget(shot, forward, side, shot.spare);
    AngleVectors(shot.orientation + 90.0f, forward, side);
    shot.prevX = shot.x;
    shot.prevY = shot.y;
    for (int step = 0; step < 10; ++step) {
        shot.x -= 4.15f * forward.x;
        shot.y -= 4.15f * forward.y;
    }
    shot.vx = shot.x - shot.prevX;
    shot.vy = shot.y - shot.prevY;
    AddScroll(shot);
    shot.frame = EmpCell + static_cast<float>(play.stateTicks % 8);
    if (OffScreen(shot))
        EndEmp(shot);
}

} // namespace

namespace shots {

const ShotKind HomingMissile{&StartMissile, &FlyHoming, &DrawAlongFlight};
const ShotKind ClusterMissile{&StartMissile, &FlyCluster, &DrawAlongFlight};
const ShotKind AirToGroundMissile{&StartAirToGround, &FlyAirToGround, &DrawAlongFlight};
const ShotKind EmpBolt{&StartEmp, &FlyEmp, &DrawAsLight};

} // namespace shots
