#include "enemies/power_droid.hpp"

#include "enemies/enemy_death.hpp"
#include "enemies/enemy_fire.hpp"
#include "enemies/enemy_motion.hpp"
#include "enemies/enemy_sheets.hpp"
#include "core/screen_size.hpp"
#include "world/play_context.hpp"
#include "player/power_up.hpp"
#include "player/ship_type.hpp"

namespace {

// Tuning: its health and where it enters (its walk is the walkers' gait, its flight speed in
// the header).
constexpr float Health = 1.0f;
constexpr float EntryMargin = 20.0f; // beyond the screen edge

const PropertyDecl<PowerDroid> Declared[] = {
    RecordPatternProperty<PowerDroid>(),
    {.name = "Start Side", .kind = PropertyKind::Flag, .flagMember = &PowerDroid::startSide},
    {.name = "Start Flying?", .kind = PropertyKind::Flag, .flagMember = &PowerDroid::startFlying},
    {.name = "Start Walking", .kind = PropertyKind::Flag, .flagMember = &PowerDroid::keepOnRestart, .stored = false},
    {.name = "Contains PowerUP", .kind = PropertyKind::Integer, .intMember = &PowerDroid::containsPowerUp,
     .minValue = PowerDroid::NoPowerUp, .maxValue = PowerUpKindCount - 1},
};

constexpr int Cells = 16; // of the walk and of the flight
constexpr float FlightCellsPerTick = 0.5f;
// Flying up, the head this far above the feet meets ceilings.
constexpr float HeadHeight = 56.0f;

} // namespace

std::span<const PropertyDecl<PowerDroid>> PowerDroid::Properties() { return Declared; }

PowerDroid::PowerDroid()
{
    keepOnRestart = 1; // walking, as "Start Flying?" is clear
    active = 0;
}

bool PowerDroid::LoadProperties(DataFile& file)
{
    if (!DeclaredEnemy::LoadProperties(file))
        return false;
    keepOnRestart = startFlying ? 0 : 1;
    return true;
}

bool PowerDroid::LoadResources()
{
    const bool walkLoaded = LoadSheet(EnemySheets::PowerDroidWalk, walkSheet);
    const bool flyLoaded = LoadSheet(EnemySheets::PowerDroidFly, flySheet);
    const bool glowLoaded = LoadSheet(EnemySheets::PowerDroidFlyGlow, flyGlow);
    // The load it drops comes from the texture cache filled here: no disk access mid-stage.
    bool loadLoaded = true;
    if (containsPowerUp != NoPowerUp)
        loadLoaded = PowerUp(containsPowerUp).LoadResources();
    return walkLoaded && flyLoaded && glowLoaded && loadLoaded;
}

void PowerDroid::Spawn(float, float sy)
{
    const CameraPoint& camera = CurrentPlay().world.camera;
    flying = startFlying;
    PlaceFeet(startSide ? camera.x - EntryMargin : camera.x + ScreenWidth + EntryMargin, sy, flying != 0);
    facing = startSide ? 1 : -1;
    health = Health;
    frame = 0.0f;
    hitFlash = 0;
    active = 0;
}

void PowerDroid::Think()
{
    if (!flying && PatternHeld(*this, ControlUp)) {
        flying = 1; // takes off
        grounded = 0;
    }
    if (flying) {
        Fly();
        AdvanceFrame(frame, FlightCellsPerTick, Cells);
        return;
    }
    StepWalking(Gait{}, HeldDirection());
    AnimateStride(Cells);
}

void PowerDroid::Fly()
{
    if (const int direction = HeldDirection(); direction != 0)
        facing = direction;
    const bool up = PatternHeld(*this, ControlUp);
    const bool down = PatternHeld(*this, ControlDown);
    vx = WallAhead(facing) ? 0.0f : FlySpeed * static_cast<float>(facing);
    vy = up == down ? 0.0f : (up ? -FlySpeed : FlySpeed);
    if (vy < 0.0f && Blocked(x, y - HeadHeight))
        vy = 0.0f;
    x += vx;
    y += vy;
    if (vy > 0.0f && SettleOnGround()) {
        flying = 0;
        vx = 0.0f;
    }
}

void PowerDroid::Destroyed()
{
    ExplodeEnemy(*this, {.score = Score, .offsetY = -BodyHeight});
    DropPowerUp();
}

void PowerDroid::DropPowerUp()
{
    if (containsPowerUp == NoPowerUp)
        return;
    // Pick-ups float with the play layer: a droid seen on a far layer drops it where it is seen.
    const Vec2 at = PlayLayerPoint(*this, x, y - BodyHeight);
    auto drop = std::make_unique<PowerUp>(containsPowerUp);
    drop->LoadResources();
    drop->Spawn(at.x, at.y);
    drop->layer = 3;
    CurrentPlay().world.pickups.push_back(std::move(drop));
}

void PowerDroid::Draw(float interpolation, int pass)
{
    if (pass > 0)
        return;
    const SpritePlacement at = BodyPlacement(interpolation);
    const int cell = static_cast<int>(frame);
    if (!flying) {
        DrawEnemyCell(*this, walkSheet, cell, at);
        return;
    }
    DrawEnemyCell(*this, flySheet, cell, at);
    DrawEnemyGlow(*this, flyGlow, cell, at);
}
