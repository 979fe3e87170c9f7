#include "boss_shots.hpp"

#include "engine/play/collision_pass.hpp"
#include "player/shot_kinds.hpp"

namespace boss_testing {

Shot& ShootAt(enemy_testing::EnemyStage& s, float x, float y)
{
    ShotList& list = s.stage.engine.shots.playerShots;
    list.clear();
    FireShot(list, shots::Cannon, x, y, 0.0f, 0.0f);
    RunCollisionPass(s.stage.engine);
    return list.front();
}

int FlyShotAlong(enemy_testing::EnemyStage& s, float x, float y)
{
    ShotList& list = s.stage.engine.shots.playerShots;
    list.clear();
    FireShot(list, shots::Cannon, x - 400.0f, y, 12.0f, 0.0f);
    int ticks = 0;
    while (!list.empty() && !list.front().dead && ticks < 60) {
        AdvanceShots(list, s.stage.engine.effects);
        RunCollisionPass(s.stage.engine);
        ++ticks;
    }
    return ticks;
}

} // namespace boss_testing
