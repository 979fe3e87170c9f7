#pragma once
// A started test stage with the ship launched, for spawning one enemy and stepping it:
// headless, on the difficulty asked for, with the ship held where the test puts it.
#include "../game/play_test_support.hpp"

#include "world/control_entity.hpp"

#include <memory>

namespace enemy_testing {

class EnemyStage {
public:
    explicit EnemyStage(int32_t difficulty = 0);

    // The enemy, spawned at (x, y) in the layer (as a generator does) and appended to it.
    template <class T>
    T& Spawn(std::unique_ptr<T> enemy, float x, float y, int layer = 3)
    {
        return stage.Place(layer, std::move(enemy), x, y);
    }
    // The ship put at a point and kept alive there.
    void ShipAt(float x, float y);
    // `count` updates of one entity (its Think, activation and circles), the camera still.
    static void Step(Entity& entity, int count = 1);
    // The camera's play-layer top-left.
    float CameraX() const { return stage.engine.world.camera.x; }
    float CameraY() const { return stage.engine.world.camera.y; }
    size_t EnemyShots() const { return stage.engine.shots.enemyShots.size(); }
    size_t Explosions(int layer = 3) const { return stage.engine.world.explosions[static_cast<size_t>(layer - 1)].size(); }

    play_testing::PlayStage stage;
};

// A pattern that holds one control from tick 0 on.
void HoldFromStart(ControlEntity& entity, uint8_t ControlBlock::*control);

} // namespace enemy_testing
