#include "enemies/graboid.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_drawing.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_sheets.hpp"
#include "world/difficulty.hpp"
#include "world/play_context.hpp"

#include <algorithm>
#include <cmath>

namespace {

// Tuning: health and size, the strike and its pauses, the blasts along the body.
constexpr float Health = 30.0f;
constexpr float HeadRadius = 20.0f;
constexpr float BodyRadius = 14.0f;
constexpr ByDifficulty<float> StrikeSpeeds{0.01f, 0.02f, 0.02f}; // reach grown per tick
constexpr float RetractFactor = 2.0f; // of the strike speed
constexpr float Ease = 0.25f; // of the distance to its place, per tick
constexpr float MinRise = 24.0f; // the strike leaves the surface at least this far
constexpr int32_t HoldTicks = 30;
constexpr int32_t RestTicks = 75;
constexpr float HomeDistance = 1.0f; // the head this near the mouth is back underground
constexpr float SegmentFireball = 32.0f;
constexpr float SegmentGlow = 24.0f;

const PropertyDecl<Graboid> Declared[] = {
    {.name = "Up or Down", .kind = PropertyKind::Flag, .flagMember = &Graboid::upOrDown},
    {.name = "Sideways", .kind = PropertyKind::Flag, .flagMember = &Graboid::sideways},
};

constexpr int HeadCell = 0;
constexpr int BodyCell = 1;
constexpr float DegreesPerRadian = 180.0f / 3.14159265f;

// The ship's position in the entity's own layer.
bool ShipInLayer(const Entity& entity, Vec2& ship)
{
    float sx = 0.0f, sy = 0.0f;
    if (!ShipTarget(sx, sy))
        return false;
    const Vec2 offset = PlayLayerPoint(entity, 0.0f, 0.0f);
    ship = {sx - offset.x, sy - offset.y};
    return true;
}

void EaseTowards(float& value, float target) { value += (target - value) * Ease; }

} // namespace

std::span<const PropertyDecl<Graboid>> Graboid::Properties() { return Declared; }

Graboid::Graboid()
{
    // Part of the scenery: a restart finds it in its burrow.
    keepOnRestart = 1;
    active = 0;
}

bool Graboid::LoadResources() { return LoadSheet(EnemySheets::Graboid, sheet); }

Vec2 Graboid::Opening() const
{
    const float out = upOrDown ? 1.0f : -1.0f;
    return sideways ? Vec2{-out, 0.0f} : Vec2{0.0f, out};
}

float Graboid::StrikeSpeed() { return StrikeSpeeds[CurrentPlay().difficulty]; }

bool Graboid::WithinStrike(Vec2 point) const
{
    const float dx = point.x - mouthX;
    const float dy = point.y - mouthY;
    const Vec2 out = Opening();
    return dx * out.x + dy * out.y > 0.0f && std::sqrt(dx * dx + dy * dy) <= StrikeRange;
}

void Graboid::Spawn(float sx, float sy)
{
    mouthX = x = prevX = sx;
    mouthY = y = prevY = sy;
    const Vec2 out = Opening();
    angle = prevAngle = std::atan2(out.y, out.x) * DegreesPerRadian;
    LayBody(body, Segments, x, y, angle, 0.0f);
    aimX = x;
    aimY = y;
    phase = Phase::Buried;
    reach = 0.0f;
    phaseTimer = 0;
    health = Health;
    frame = 0.0f;
    hitFlash = 0;
    active = 0;
    vx = vy = 0.0f;
    circles.clear();
}

void Graboid::Think()
{
    Vec2 ship;
    const bool shipSeen = ShipInLayer(*this, ship);
    StepPhase(shipSeen, ship);
    if (shipSeen && (phase == Phase::Striking || phase == Phase::Holding))
        AimAt(ship);
    EaseBody();
    if (phase == Phase::Buried)
        circles.clear();
    else
        BodyCircles(circles, body, x, y, HeadRadius, BodyRadius);
}

void Graboid::StepPhase(bool shipSeen, Vec2 ship)
{
    const float speed = StrikeSpeed();
    switch (phase) {
    case Phase::Buried:
        if (phaseTimer > 0) {
            --phaseTimer;
            break;
        }
        if (!shipSeen || !WithinStrike(ship))
            break;
        phase = Phase::Striking; // and the strike starts on this tick
        [[fallthrough]];
    case Phase::Striking:
        reach = std::min(reach + speed, 1.0f);
        if (reach >= 1.0f) {
            phase = Phase::Holding;
            phaseTimer = HoldTicks;
        }
        break;
    case Phase::Holding:
        if (--phaseTimer <= 0)
            phase = Phase::Retracting;
        break;
    case Phase::Retracting:
        reach = std::max(reach - speed * RetractFactor, 0.0f);
        if (reach <= 0.0f && std::fabs(x - mouthX) + std::fabs(y - mouthY) < HomeDistance) {
            phase = Phase::Buried;
            phaseTimer = RestTicks;
        }
        break;
    }
}

void Graboid::AimAt(Vec2 ship)
{
    // Out of the surface, never through it, and no farther than it can strike.
    const Vec2 out = Opening();
    float dx = ship.x - mouthX;
    float dy = ship.y - mouthY;
    const float rise = dx * out.x + dy * out.y;
    if (rise < MinRise) {
        dx += out.x * (MinRise - rise);
        dy += out.y * (MinRise - rise);
    }
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length > StrikeRange) {
        dx *= StrikeRange / length;
        dy *= StrikeRange / length;
    }
    aimX = mouthX + dx;
    aimY = mouthY + dy;
}

void Graboid::EaseBody()
{
    // The head's place is `reach` of the way to the aim; the segments' places share out the
    // line back to the mouth.
    const float headX = mouthX + (aimX - mouthX) * reach;
    const float headY = mouthY + (aimY - mouthY) * reach;
    EaseTowards(x, headX);
    EaseTowards(y, headY);
    float leadX = x, leadY = y;
    const float count = static_cast<float>(body.size() + 1);
    for (size_t i = 0; i < body.size(); ++i) {
        BodySegment& s = body[i];
        const float along = (count - 1.0f - static_cast<float>(i)) / count;
        s.prevX = s.x;
        s.prevY = s.y;
        EaseTowards(s.x, mouthX + (headX - mouthX) * along);
        EaseTowards(s.y, mouthY + (headY - mouthY) * along);
        if (leadX != s.x || leadY != s.y)
            s.angle = std::atan2(leadY - s.y, leadX - s.x) * DegreesPerRadian;
        leadX = s.x;
        leadY = s.y;
    }
    if (!body.empty() && (x != body[0].x || y != body[0].y))
        angle = std::atan2(y - body[0].y, x - body[0].x) * DegreesPerRadian;
}

void Graboid::Destroyed()
{
    ExplodeEnemy(*this, {.score = Score});
    for (const BodySegment& s : body)
        AddBlastAt(*this, s.x, s.y, SegmentFireball, SegmentGlow);
}

bool Graboid::GetTargetPoint(float& outX, float& outY)
{
    if (phase == Phase::Buried)
        return false;
    outX = x;
    outY = y;
    return true;
}

void Graboid::Draw(float interpolation, int pass)
{
    if (pass > 0 || phase == Phase::Buried)
        return;
    // From the mouth outwards, so that the head lies on top.
    for (auto s = body.rbegin(); s != body.rend(); ++s) {
        const SpritePlacement at{Lerp(s->x, s->prevX, interpolation), Lerp(s->y, s->prevY, interpolation), 24.0f,
                                 24.0f, s->angle};
        DrawEnemyCell(*this, sheet, BodyCell, at);
    }
    const SpritePlacement head{InterpolatedX(*this, interpolation), InterpolatedY(*this, interpolation), 32.0f,
                               32.0f, InterpolatedAngle(*this, interpolation)};
    DrawEnemyCell(*this, sheet, HeadCell, head);
}
