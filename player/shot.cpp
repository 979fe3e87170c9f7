#include "player/shot.hpp"

#include "world/entity.hpp"

#include <algorithm>

void AbsorbHit(Shot& shot, float amount)
{
    shot.strength -= amount;
    if (shot.strength <= 0.0f)
        shot.dead = 1;
}

void PierceHit(Shot& shot, float amount)
{
    if (shot.strength - amount <= 0.0f) {
        shot.strength = -1.0f;
        shot.dead = 1;
    }
}

void ExpireHit(Shot& shot, float)
{
    shot.strength = -1.0f;
    shot.dead = 1;
}

void IgnoreHit(Shot&, float) {}

void FireShot(ShotList& list, const ShotKind& kind, float x, float y, float vx, float vy, float presetFrame,
              float presetStrength)
{
    Shot shot;
    shot.init = kind.init;
    shot.update = kind.update;
    shot.draw = kind.draw;
    shot.hit = &IgnoreHit;
    shot.frame = presetFrame;
    shot.strength = presetStrength;
    if (shot.init)
        shot.init(shot, x, y, vx, vy);
    list.push_back(std::move(shot));
}

void AdvanceShots(ShotList& list, Effects& effects)
{
    // Index loop: an update may fire further shots into this list (a cluster splitting).
    for (size_t i = 0; i < list.size(); ++i) {
        Shot& shot = list[i];
        if (shot.update)
            shot.update(shot);
    }
    for (Shot& shot : list)
        if (shot.dead)
            EndTrail(effects, shot.trail);
    std::erase_if(list, [](const Shot& shot) { return shot.dead != 0; });
}

void ForgetDeadTargets(ShotList& list)
{
    for (Shot& shot : list) {
        const Entity* target = shot.homingTarget.Get();
        if (!target || target->health <= 0.0f)
            shot.homingTarget.Reset();
    }
}

void FreezeShots(ShotList& list)
{
    for (Shot& shot : list) {
        shot.prevX = shot.x;
        shot.prevY = shot.y;
    }
}

void ClearShots(ShotLists& shots)
{
    shots.playerShots.clear();
    shots.enemyShots.clear();
}
