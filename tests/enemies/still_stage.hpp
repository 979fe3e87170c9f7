#pragma once
// For the walkers, the graboid and the falling rock: a play stage whose camera stands still
// over a solid floor, and patterns written by hand.
#include "../game/play_test_support.hpp"
#include "world/control_record.hpp"

#include <initializer_list>

namespace enemy_testing {

// Row 15 (y 450..479) is solid all along: feet standing on it are at y 449.
constexpr int FloorRow = 15;
constexpr float FeetOnFloor = 449.0f;

class StillStage : public play_testing::PlayStage {
public:
    StillStage();
    // A solid tile, in the collision plane as loaded (every build restores it from there).
    void Solid(int column, int row);
    // Built at time index 0, the ship flown in.
    void StartAndLaunch();
    size_t EnemyShots() const { return engine.shots.enemyShots.size(); }
};

// A pattern record at `tick` holding the given controls (the others idle).
ControlRecord Hold(uint32_t tick, std::initializer_list<uint8_t ControlBlock::*> held);

} // namespace enemy_testing
