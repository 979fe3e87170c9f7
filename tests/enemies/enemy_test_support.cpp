#include "enemy_test_support.hpp"

#include "player/control_states.hpp"

namespace enemy_testing {

EnemyStage::EnemyStage(int32_t difficulty)
{
    stage.Start();
    stage.engine.difficulty = difficulty;
    stage.UntilLaunched();
    stage.engine.shots.enemyShots.clear();
    // Steps move single entities, never the camera: it stands still from here.
    stage.engine.world.previousCamera = stage.engine.world.camera;
}

void EnemyStage::ShipAt(float x, float y)
{
    Player& player = stage.engine.player;
    player.x = player.prevX = x;
    player.y = player.prevY = y;
    player.vx = player.vy = 0.0f;
    player.health = 1.0f;
}

void EnemyStage::Step(Entity& entity, int count)
{
    for (int i = 0; i < count; ++i)
        entity.Update();
}

void HoldFromStart(ControlEntity& entity, uint8_t ControlBlock::*control)
{
    ControlRecord record;
    record.tick = 0;
    record.controls.*control = static_cast<uint8_t>(ButtonState::Held);
    entity.pattern = {record};
    entity.patternTick = 0;
}

} // namespace enemy_testing
