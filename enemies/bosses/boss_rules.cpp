#include "enemies/bosses/boss_rules.hpp"
#include "world/entity_type.hpp"
#include "audio/music_track.hpp"
#include "player/player.hpp"

#include "enemies/enemy_fire.hpp"
#include "world/play_context.hpp"
#include "core/random.hpp"
#include "player/control_states.hpp"
#include "world/child_entities.hpp"
#include "world/explosion.hpp"

#include <cmath>

namespace {

// The death of every boss: its blast pairs, one every so many ticks, and the glow in front.
constexpr float DeathFireballHalf = 128.0f;
constexpr float DeathGlowHalf = 96.0f;
constexpr float FrontGlowHalf = 148.0f;
constexpr int32_t DeathBlastEvery = 10;

// The warning, the flash and the front glow lie over the play layer.
constexpr int FrontLayer = 4;

constexpr ExplosionStyle Blast = ExplosionStyle::Blast;
constexpr ExplosionStyle Glow = ExplosionStyle::Glow;

// A random offset within 128 pixels, on each axis.
float Scatter() { return static_cast<float>(Random() % 256 - 128); }

} // namespace

void ApplyBossWindow(Entity& boss, float cx, float cy)
{
    const bool inside = cx - 2024.0f < boss.x && boss.x < cx + 1152.0f && cy - 256.0f < boss.y && boss.y < cy + 736.0f;
    if (!boss.active) {
        if (inside)
            boss.active = 1;
    } else if (!inside) {
        boss.health = -1.0f;
    }
    if (boss.x < cx - 2025.0f || boss.x > cx + 1663.0f || boss.y < cy - 256.0f || boss.y > cy + 992.0f)
        boss.health = -1.0f;
}

void RaiseBossWarning(const Entity& boss)
{
    PlayContext& play = CurrentPlay();
    SpawnChild(play.world, TypeId(EntityType::PowerBanner), FrontLayer, boss.x, boss.y);
    if (CurrentPlay().demoMode)
        return;
    play.music.Stop();
    play.secondMusic.Play();
}

void WeakPointHit(Entity& boss, float amount, int32_t flashTicks)
{
    CurrentPlay().PlaySound(SoundId::WeakPoint);
    boss.health -= amount;
    boss.hitFlash = flashTicks;
}

void SpendPlayerShots(Entity& boss)
{
    for (Shot& shot : CurrentPlay().shots.playerShots) {
        if (shot.dead || !boss.HitTest(shot.circles))
            continue;
        boss.TakeDamage(shot.strength);
        if (shot.hit)
            shot.hit(shot, 100.0f);
    }
}

void AddDeathBlasts(const Entity& boss)
{
    StageWorld& world = CurrentPlay().world;
    AddExplosion(world, boss.layer, boss.x, boss.y, DeathFireballHalf, DeathFireballHalf, Blast,
                 static_cast<float>(Random() % 360));
    AddExplosion(world, boss.layer, boss.x, boss.y, DeathGlowHalf, DeathGlowHalf, Glow, 0.0f);
    AddExplosion(world, FrontLayer, boss.x, boss.y, FrontGlowHalf, FrontGlowHalf, Glow, 0.0f);
}

bool StepDeathSequence(const Entity& boss, int32_t& counter, int32_t lastTick)
{
    ++counter;
    if (counter % DeathBlastEvery == 0) {
        StageWorld& world = CurrentPlay().world;
        const float fx = boss.x + Scatter();
        const float fy = boss.y + Scatter();
        AddExplosion(world, boss.layer, fx, fy, DeathFireballHalf, DeathFireballHalf, Blast,
                     static_cast<float>(Random() % 360));
        const float gx = boss.x + Scatter();
        const float gy = boss.y + Scatter();
        AddExplosion(world, boss.layer, gx, gy, DeathGlowHalf, DeathGlowHalf, Glow, 0.0f);
        CurrentPlay().PlaySound(SoundId::Explosion);
    }
    return counter > lastTick;
}

void FinishStageBoss(Entity& boss, int32_t score)
{
    PlayContext& play = CurrentPlay();
    play.score += score;
    boss.health = -1.0f;
    SpawnChild(play.world, TypeId(EntityType::ScreenFlash), FrontLayer, 0.0f, 0.0f);
    play.PlaySound(SoundId::BossExplosion);
    play.player.StartStageClear();
}

void FireBossRing(const Entity& boss, const ShotKind& kind, float x, float y, int count, float speed,
                  float firstDegrees)
{
    for (int i = 0; i < count; ++i) {
        const float radians = Radians(firstDegrees + 360.0f * static_cast<float>(i) / static_cast<float>(count));
        FireEnemyBullet(boss, kind, x, y, std::cos(radians) * speed, std::sin(radians) * speed);
    }
}

bool FireBossFan(const Entity& boss, const ShotKind& kind, float x, float y, int count, float speed,
                 float stepDegrees)
{
    Vec2 d;
    if (!DirectionToShip(boss, x, y, d))
        return false;
    const float aim = std::atan2(d.y, d.x);
    for (int i = 0; i < count; ++i) {
        const float spread = Radians(stepDegrees * (static_cast<float>(i) - static_cast<float>(count - 1) * 0.5f));
        FireEnemyBullet(boss, kind, x, y, std::cos(aim + spread) * speed, std::sin(aim + spread) * speed);
    }
    return true;
}

void RideWithCamera(Entity& boss)
{
    const Vec2 step = CameraStep();
    boss.x += step.x;
    boss.y += step.y;
}

void StepCellTowards(int32_t& cell, int32_t target, uint32_t clock, uint32_t every)
{
    if (cell == target || clock % every != 0)
        return;
    cell += cell < target ? 1 : -1;
}
