// The orb's weapons: the magma stream, the charged releases (laser, arc, bio, trawler,
// boomer), the high-voltage field and the detonation blast.
#include "player/shot_kinds.hpp"
#include "player/player.hpp"

#include "world/play_context.hpp"
#include "core/math_utils.hpp"
#include "player/control_states.hpp"
#include "player/shot_drawing.hpp"
#include "player/shot_motion.hpp"
#include "world/furniture/debris_burst.hpp"
#include "world/entity.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr float MagmaCell = 40.0f;
constexpr float OrbFieldCell = 43.0f;
constexpr float DetonationCell = 45.0f;
constexpr float LaserCells = 48.0f;
constexpr float ArcCells = 56.0f;
constexpr float BioCells = 64.0f;
constexpr float TrawlerCells = 72.0f;
constexpr float BoomerCell = 41.0f;

constexpr ShotValues MagmaValues{5.0f, 1.0f, &AbsorbHit, 16.0f, 16.0f, MagmaCell};
constexpr ShotValues LaserValues{5.0f, 5.5f, &AbsorbHit, 32.0f, 8.0f, LaserCells};
constexpr ShotValues ArcValues{8.0f, 15.0f, &AbsorbHit, 16.0f, 16.0f, ArcCells};
constexpr ShotValues BioValues{15.0f, 5.0f, &AbsorbHit, 16.0f, 16.0f, BioCells};
constexpr ShotValues TrawlerValues{5.0f, 2.5f, &ExpireHit, 12.0f, 12.0f, TrawlerCells};
constexpr ShotValues BoomerValues{5.0f, 2.5f, &ExpireHit, 8.0f, 8.0f, BoomerCell};
constexpr ShotValues FieldValues{8.0f, 0.2f, &IgnoreHit, 16.0f, 16.0f, OrbFieldCell};
constexpr ShotValues BlastValues{10.0f, 1.0f, &IgnoreHit, 10.0f, 10.0f, DetonationCell};

void Animate(Shot& shot, float first, float step)
{
    shot.frame += step;
    if (shot.frame >= first + 8.0f)
        shot.frame -= 8.0f;
}

void StartMagma(Shot& shot, float x, float y, float, float)
{
    const float angle = shot.frame;
    InitShot(shot, x, y, 14.0f * std::cos(Radians(angle)), 14.0f * std::sin(Radians(angle)), MagmaValues);
    shot.orientation = angle;
    AddEmitter(CurrentPlay().effects, EmitterKind::OrangeFlare, x, y);
}

void StartArc(Shot& shot, float x, float y, float vx, float vy)
{
    InitShot(shot, x, y, vx, vy, ArcValues);
    AddEmitter(CurrentPlay().effects, EmitterKind::YellowFlare, x, y);
}

// A beam that leaves fast and keeps its line.
void FlyLaser(Shot& shot)
{
    shot.vx = std::clamp(shot.vx * 1.2f, -24.0f, 24.0f);
    FlyStraight(shot);
    Animate(shot, LaserCells, 0.5f);
}

// Starts slow, gathers speed toward its side and writhes up and down as it goes.
void FlyArc(Shot& shot)
{
    shot.spare += 1.0f;
    shot.vx = std::clamp(shot.vx * 1.12f, -12.0f, 12.0f);
    shot.vy = 3.0f * std::sin(shot.spare * 0.45f);
    FlyStraight(shot);
    Animate(shot, ArcCells, 0.5f);
}

// The heading (degrees) is preset as the frame and the spin as the strength; both move into
// the orientation and spare fields once the bio shot's own values are set.
void StartBio(Shot& shot, float x, float y, float vx, float vy)
{
    const float heading = shot.frame;
    const float spin = shot.strength;
    InitShot(shot, x, y, vx, vy, BioValues);
    shot.orientation = heading;
    shot.spare = spin;
}

void FlyBio(Shot& shot)
{
    shot.orientation += shot.spare;
    shot.spare *= 0.91f;
    const float speed = std::min(std::sqrt(shot.vx * shot.vx + shot.vy * shot.vy) * 1.15f, 14.0f);
    shot.vx = speed * std::cos(Radians(shot.orientation));
    shot.vy = speed * std::sin(Radians(shot.orientation));
    MoveShot(shot);
    shot.frame = BioCells + std::fmod(std::fabs(shot.orientation) / 45.0f, 8.0f);
    if (OffScreen(shot)) {
        shot.dead = 1;
    } else if (CurrentPlay().HitTile(shot.x, shot.y)) {
        shot.dead = 1;
        auto burst = std::make_unique<DebrisBurst>();
        burst->style = 0;
        burst->Spawn(shot.x, shot.y);
        AddEntity(CurrentPlay().world, std::move(burst), 3);
    }
}

// Runs out along its line and then drags toward the nearest enemy it finds.
void FlyTrawler(Shot& shot)
{
    shot.spare += 1.0f;
    if (shot.spare > 12.0f) {
        if (Entity* target = NearestTarget(CurrentPlay().world, shot.x, shot.y)) {
            float tx = 0.0f, ty = 0.0f;
            if (target->GetTargetPoint(tx, ty)) {
                const float dx = tx - shot.x, dy = ty - shot.y;
                const float length = std::sqrt(dx * dx + dy * dy);
                if (length > 0.0f) {
                    shot.vx += dx / length * 0.8f;
                    shot.vy += dy / length * 0.8f;
                }
            }
        }
        shot.vx *= 0.95f;
        shot.vy *= 0.95f;
    }
    FlyStraight(shot);
    Animate(shot, TrawlerCells, 0.5f);
}

// Thrown out, it slows, turns and comes back past the ship.
void FlyBoomer(Shot& shot)
{
    shot.spare += 1.0f;
    shot.vx -= (shot.vx > 0.0f || shot.spare < 2.0f ? 0.45f : 0.3f) * (shot.orientation == 1.0f ? -1.0f : 1.0f);
    shot.vx = std::clamp(shot.vx, -12.0f, 12.0f);
    MoveShot(shot);
    AddScroll(shot);
    if (shot.spare > 8.0f)
        ScreenAndWallTests(shot);
}

void StartBoomer(Shot& shot, float x, float y, float vx, float vy)
{
    InitShot(shot, x, y, vx, vy, BoomerValues);
    shot.orientation = vx < 0.0f ? 1.0f : 0.0f;
}

// The high-voltage field sits halfway between the orb and the ship while both are there.
void HoldField(Shot& shot)
{
    const Player& ship = CurrentPlay().player;
    shot.spare += 1.0f;
    if (!ship.OrbOut() || ship.health <= 0.0f || shot.spare > 35.0f) {
        shot.dead = 1;
        return;
    }
    shot.prevX = shot.x;
    shot.prevY = shot.y;
    shot.x = (ship.orb.x + ship.x) / 2.0f;
    shot.y = (ship.orb.y + ship.y) / 2.0f;
    const float dx = ship.orb.x - ship.x;
    shot.halfWidth = std::max(std::fabs(dx) / 2.0f, 16.0f);
    MoveCircles(shot);
    // The field's circles run along the line from the ship to the orb.
    const size_t count = shot.circles.size();
    for (size_t i = 0; i < count; ++i) {
        const float t = count > 1 ? static_cast<float>(i) / static_cast<float>(count - 1) - 0.5f : 0.0f;
        shot.circles[i].x = shot.x + dx * t;
        shot.circles[i].y = shot.y + (ship.orb.y - ship.y) * t;
    }
}

void StartField(Shot& shot, float x, float y, float vx, float vy)
{
    InitShot(shot, x, y, vx, vy, FieldValues);
    shot.circles.assign(5, Circle{8.0f, x, y, 0.0f, 0.0f});
    CurrentPlay().PlaySound(SoundId::OrbField);
}

// The blast grows from the orb's place for a third of a second.
void GrowBlast(Shot& shot)
{
    shot.spare += 1.0f;
    shot.prevX = shot.x;
    shot.prevY = shot.y;
    AddScroll(shot);
    for (Circle& circle : shot.circles)
        circle.radius += 8.0f;
    shot.halfWidth += 8.0f;
    shot.halfHeight += 8.0f;
    if (shot.spare >= 15.0f)
        shot.dead = 1;
}

} // namespace

namespace shots {

const ShotKind Magma{&StartMagma, &FlyStraight, &DrawAsLight};
const ShotKind Laser{&InitWith<LaserValues>, &FlyLaser, &DrawAsLight};
const ShotKind Arc{&StartArc, &FlyArc, &DrawAsLight};
const ShotKind Bio{&StartBio, &FlyBio, &DrawAlongFlight};
const ShotKind Trawler{&InitWith<TrawlerValues>, &FlyTrawler, &DrawAlongFlight};
const ShotKind Boomer{&StartBoomer, &FlyBoomer, &DrawFromSheet};
const ShotKind OrbField{&StartField, &HoldField, &DrawAsLight};
const ShotKind DetonationBlast{&InitWith<BlastValues>, &GrowBlast, &DrawAsLight};

} // namespace shots
