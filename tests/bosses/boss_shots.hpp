#pragma once
// Shots put to a boss the way play does: placed or flown, then the collision pass.
#include "../enemies/enemy_test_support.hpp"

#include "player/shot.hpp"

namespace boss_testing {

// A cannon shot lying on the point, then the collision pass; the shot.
Shot& ShootAt(enemy_testing::EnemyStage& s, float x, float y);

// A cannon shot flown from 400 px to the left along the line of (x, y) until it is spent, the
// collision pass run after each of its steps; the ticks it flew.
int FlyShotAlong(enemy_testing::EnemyStage& s, float x, float y);

} // namespace boss_testing
