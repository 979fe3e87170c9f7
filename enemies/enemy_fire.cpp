#include "enemies/enemy_fire.hpp"
#include "player/player.hpp"

#include "world/play_context.hpp"
#include "core/random.hpp"
#include "player/shot_kinds.hpp"
#include "world/entity.hpp"

#include <cmath>

int32_t RearmFireTimer(FireDelay delay)
{
    switch (delay) {
    case FireDelay::Long: return Random() % 200 + 200;
    case FireDelay::Medium: return Random() % 100 + 200;
    case FireDelay::Short: return Random() % 100 + 100;
    }
    return 200;
}

bool FireTimerExpired(int32_t& timer, FireDelay delay)
{
    if (--timer > 0)
        return false;
    timer = RearmFireTimer(delay);
    return true;
}

bool ShipTarget(float& x, float& y)
{
    const Player& player = CurrentPlay().player;
    if (player.health <= 0.0f || player.destroyed)
        return false;
    x = player.x;
    y = player.y;
    return true;
}

Vec2 PlayLayerPoint(const Entity& entity, float x, float y)
{
    const StageWorld& world = CurrentPlay().world;
    if (entity.layer != 1 && entity.layer != 2)
        return {x, y};
    const CameraPoint own = LayerCameraOf(world.camera, entity.layer);
    return {x - own.x + world.camera.x, y - own.y + world.camera.y};
}

Vec2 CameraStep()
{
    const StageWorld& world = CurrentPlay().world;
    return {world.camera.x - world.previousCamera.x, world.camera.y - world.previousCamera.y};
}

void FireEnemyBullet(const Entity& entity, float x, float y, float vx, float vy)
{
    FireEnemyBullet(entity, shots::EnemyBullet, x, y, vx, vy);
}

void FireEnemyBullet(const Entity& entity, const ShotKind& kind, float x, float y, float vx, float vy)
{
    const Vec2 from = PlayLayerPoint(entity, x, y);
    const Vec2 step = CameraStep();
    FireShot(CurrentPlay().shots.enemyShots, kind, from.x, from.y, vx + step.x, vy + step.y);
}

bool DirectionToShip(const Entity& entity, float x, float y, Vec2& direction)
{
    float sx = 0.0f, sy = 0.0f;
    if (!ShipTarget(sx, sy))
        return false;
    const Vec2 from = PlayLayerPoint(entity, x, y);
    const float dx = sx - from.x;
    const float dy = sy - from.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (length <= 0.0f)
        return false;
    direction = {dx / length, dy / length};
    return true;
}

bool FireAimedBullet(const Entity& entity, float x, float y, float speed)
{
    return FireAimedBullet(entity, shots::EnemyBullet, x, y, speed);
}

bool FireAimedBullet(const Entity& entity, const ShotKind& kind, float x, float y, float speed)
{
    Vec2 d;
    if (!DirectionToShip(entity, x, y, d))
        return false;
    FireEnemyBullet(entity, kind, x, y, speed * d.x, speed * d.y);
    return true;
}
