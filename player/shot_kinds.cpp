// The simple kinds: straight flyers, the enemy bullet, the ones that live a few ticks where
// they are put, and the force burst whose values follow its power.
#include "player/shot_kinds.hpp"

#include "world/play_context.hpp"
#include "player/shot_drawing.hpp"
#include "player/shot_motion.hpp"
#include "world/difficulty.hpp"

#include <cmath>

namespace {

// Bullet sheet cells (rows of eight).
constexpr float CannonCell = 0.0f;
constexpr float ForceCells = 24.0f;
constexpr float SparkCell = 32.0f;
constexpr float BoomerCell = 41.0f;
constexpr float OrbShotCell = 42.0f;
constexpr float PodCell = 44.0f;
constexpr float SmallCell = 46.0f;
constexpr float PiercingCell = 47.0f;
constexpr float HeavyCell = 80.0f;
constexpr float AcceleratingCell = 88.0f;
constexpr float FlameCell = 96.0f;
constexpr float ExhaustCell = 104.0f;
constexpr float ClawCell = 120.0f;

constexpr ShotValues CannonValues{5.0f, 1.0f, &AbsorbHit, 16.0f, 16.0f, CannonCell};
constexpr ShotValues ClawValues{15.0f, 10.0f, &AbsorbHit, 16.0f, 16.0f, ClawCell};
constexpr ShotValues ExhaustValues{15.0f, 2.0f, &IgnoreHit, 64.0f, 16.0f, ExhaustCell};
constexpr ShotValues OrbShotValues{8.0f, 1.0f, &AbsorbHit, 16.0f, 16.0f, OrbShotCell};
constexpr ShotValues PodValues{8.0f, 0.5f, &AbsorbHit, 16.0f, 16.0f, PodCell};
constexpr ShotValues FlashValues{0.0f, 2.0f, &IgnoreHit, 24.0f, 24.0f, SparkCell};
constexpr ShotValues SparkValues{5.0f, 0.25f, &IgnoreHit, 16.0f, 16.0f, SparkCell};
constexpr float SparkFrameStep = 0.5f;
constexpr float SparkFrames = 5.0f;
constexpr ShotValues EnemyBulletValues{5.0f, 3.0f, &AbsorbHit, 10.0f, 10.0f, CannonCell};
constexpr ShotValues HeavyValues{16.0f, 150.0f, &IgnoreHit, 32.0f, 32.0f, HeavyCell};
constexpr ShotValues StrongValues{8.0f, 50.5f, &AbsorbHit, 16.0f, 16.0f, PodCell};
constexpr ShotValues SmallValues{5.0f, 2.5f, &IgnoreHit, 8.0f, 8.0f, SmallCell};
constexpr ShotValues AcceleratingValues{10.0f, 5.0f, &AbsorbHit, 16.0f, 16.0f, AcceleratingCell};
constexpr ShotValues PiercingValues{5.0f, 12.5f, &PierceHit, 12.0f, 12.0f, PiercingCell};
constexpr ShotValues WideValues{0.0f, 2.0f, &IgnoreHit, 32.0f, 16.0f, ExhaustCell};
constexpr ShotValues BigFlameValues{32.0f, 2.0f, &IgnoreHit, 64.0f, 32.0f, FlameCell};
constexpr ShotValues HeavyFlameValues{8.0f, 10.0f, &IgnoreHit, 16.0f, 16.0f, FlameCell};
constexpr ShotValues WeakValues{5.0f, 0.25f, &IgnoreHit, 16.0f, 16.0f, SmallCell};

// Kinds that count their own ticks keep them in the spare field.
bool Aged(Shot& shot, float lifetime)
{
    shot.spare += 1.0f;
    if (shot.spare < lifetime)
        return false;
    shot.dead = 1;
    return true;
}

// The muzzle flash of the cannon.
void InitCannon(Shot& shot, float x, float y, float vx, float vy)
{
    InitShot(shot, x, y, vx, vy, CannonValues);
    AddEmitter(CurrentPlay().effects, EmitterKind::ShotSpark, x, y);
}

void InitForceBurst(Shot& shot, float x, float y, float vx, float vy)
{
    struct Power {
        float power, radius, strength, halfWidth, halfHeight, cell;
    };
    static constexpr Power powers[] = {{1.0f, 7.0f, 2.0f, 16.0f, 16.0f, 0.0f},
                                       {2.0f, 9.0f, 4.0f, 16.0f, 16.0f, 1.0f},
                                       {3.0f, 13.0f, 8.0f, 32.0f, 16.0f, 2.0f},
                                       {48.0f, 16.0f, 15.0f, 48.0f, 24.0f, 3.0f}};
    const float power = shot.strength;
    const Power* chosen = &powers[0];
    for (const Power& p : powers)
        if (p.power == power)
            chosen = &p;
    InitShot(shot, x, y, vx, vy,
             ShotValues{chosen->radius, chosen->strength, &PierceHit, chosen->halfWidth, chosen->halfHeight,
                        ForceCells + chosen->cell});
    CurrentPlay().PlaySound(chosen->power == 48.0f ? SoundId::FullForce : SoundId::Force);
    AddEmitter(CurrentPlay().effects, EmitterKind::BlueFlare, x, y);
}

void InitClaw(Shot& shot, float x, float y, float vx, float vy)
{
    const float number = shot.frame;
    InitShot(shot, x, y, vx, vy, ClawValues);
    shot.frame = ClawCell + number;
    CurrentPlay().PlaySound(SoundId::Claw);
}

// The four claws fan out and close in again as their sideways speed dies away.
void FlyClaw(Shot& shot)
{
    shot.vy *= 0.93f;
    FlyStraight(shot);
}

void InitExhaust(Shot& shot, float x, float y, float vx, float vy)
{
    InitShot(shot, x - 20.0f, y, vx, vy, ExhaustValues);
}

// A short blast behind the ship, carried by the scroll.
void FlyExhaust(Shot& shot)
{
    MoveShot(shot);
    AddScroll(shot);
    if (!Aged(shot, 15.0f))
        ScreenAndWallTests(shot);
}

void InitEnemyBullet(Shot& shot, float x, float y, float vx, float vy)
{
    static constexpr float scales[DifficultyCount] = {0.5f, 1.0f, 1.5f};
    const int32_t difficulty = CurrentPlay().difficulty;
    const float scale = scales[IsDifficultyId(difficulty) ? difficulty : DifficultyId(Difficulty::Novice)];
    InitShot(shot, x, y, vx * scale, vy * scale, EnemyBulletValues);
}

// The mid-bosses' bullets leave their guns in a green flash.
void InitMidBossBullet(Shot& shot, float x, float y, float vx, float vy)
{
    InitEnemyBullet(shot, x, y, vx, vy);
    AddEmitter(CurrentPlay().effects, EmitterKind::GreenFlare, x, y);
}

void FlyEnemyBullet(Shot& shot)
{
    FlyStraight(shot);
    shot.frame += 0.95f;
    if (shot.frame >= 5.0f)
        shot.frame -= 5.0f;
}

void FlyAccelerating(Shot& shot)
{
    shot.vx *= 1.03f;
    shot.vy *= 1.03f;
    FlyStraight(shot);
}

void InitWide(Shot& shot, float x, float y, float vx, float vy)
{
    InitShot(shot, x - 20.0f, y, vx, vy, WideValues);
}

// Flames slow down, flicker through their cells and burn out.
void FlyFlame(Shot& shot)
{
    shot.vx *= 0.96f;
    shot.vy *= 0.96f;
    shot.frame = FlameCell + std::fmod(shot.spare * 0.3f, 8.0f);
    MoveShot(shot);
    if (!Aged(shot, 40.0f))
        ScreenAndWallTests(shot);
}

// The speed-change flash stays on the ship's exhaust for a moment.
void FlyFlash(Shot& shot)
{
    MoveShot(shot);
    AddScroll(shot);
    shot.frame = SparkCell + std::floor(shot.spare / 2.0f);
    Aged(shot, 10.0f);
}

void InitSpark(Shot& shot, float x, float y, float vx, float vy)
{
    const float style = shot.frame;
    InitShot(shot, x, y, vx, vy, SparkValues);
    shot.orientation = style;
}

// A debris spark burns at rest where it was thrown, through the five spark cells in ten
// updates. It stings only in the collision pass after its first update, and walls do not put
// it out: it breaks their breakable quadrants.
void FlySpark(Shot& shot)
{
    shot.prevX = shot.x;
    shot.prevY = shot.y;
    shot.spare += SparkFrameStep;
    shot.frame = SparkCell + std::floor(shot.spare);
    if (shot.spare >= SparkFrames || OffScreen(shot))
        shot.dead = 1;
    CurrentPlay().HitTile(shot.x, shot.y);
    if (shot.spare >= 1.0f)
        shot.circles.clear();
}

} // namespace

namespace shots {

const ShotKind Cannon{&InitCannon, &FlyStraight, &DrawFromSheet};
const ShotKind ForceBurst{&InitForceBurst, &FlyStraight, &DrawAsLight};
const ShotKind Claw{&InitClaw, &FlyClaw, &DrawAlongFlight};
const ShotKind ExhaustBlast{&InitExhaust, &FlyExhaust, &DrawAsLight};
const ShotKind OrbShot{&InitWith<OrbShotValues>, &FlyStraight, &DrawFromSheet};
const ShotKind PodShot{&InitWith<PodValues>, &FlyStraight, &DrawFromSheet};
const ShotKind SpeedChangeFlash{&InitWith<FlashValues>, &FlyFlash, &DrawAsLight};
const ShotKind DebrisSpark{&InitSpark, &FlySpark, &DrawTintedSpark};

const ShotKind EnemyBullet{&InitEnemyBullet, &FlyEnemyBullet, &DrawFromSheet};
const ShotKind MidBossBullet{&InitMidBossBullet, &FlyEnemyBullet, &DrawFromSheet};
const ShotKind HeavyShot{&InitWith<HeavyValues>, &FlyStraight, &DrawAsLight};
const ShotKind StrongShot{&InitWith<StrongValues>, &FlyStraight, &DrawFromSheet};
const ShotKind SmallShot{&InitWith<SmallValues>, &FlyStraight, &DrawFromSheet};
const ShotKind AcceleratingShot{&InitWith<AcceleratingValues>, &FlyAccelerating, &DrawAlongFlight};
const ShotKind PiercingShot{&InitWith<PiercingValues>, &FlyStraight, &DrawAlongFlight};
const ShotKind WideShot{&InitWide, &FlyStraight, &DrawAsLight};
const ShotKind BigFlame{&InitWith<BigFlameValues>, &FlyFlame, &DrawAsLight};
const ShotKind HeavyFlame{&InitWith<HeavyFlameValues>, &FlyFlame, &DrawAsLight};
const ShotKind WeakShot{&InitWith<WeakValues>, &FlyStraight, &DrawFromSheet};

} // namespace shots
