#pragma once
// How enemies shoot: fire timers re-armed from the shared random generator (so a rebuilt
// stage replays them), and bullets aimed at the ship whose speed is measured against the
// scrolling screen. Enemies on the far layers fire from where they are seen on screen:
// enemy shots live in the play layer's coordinates.
#include "core/math_utils.hpp"

#include <cstdint>

class Entity;
struct ShotKind;

// The three timer ranges of the family, in ticks.
enum class FireDelay { Long, Medium, Short }; // 200..399, 200..299, 100..199

int32_t RearmFireTimer(FireDelay delay);

// Counts the timer down; at zero or below re-arms it and returns true.
bool FireTimerExpired(int32_t& timer, FireDelay delay);

// The ship's position when it is in play and alive.
bool ShipTarget(float& x, float& y);

// The play-layer position of a point of the entity's own layer.
Vec2 PlayLayerPoint(const Entity& entity, float x, float y);

// The camera's movement of this tick.
Vec2 CameraStep();

// An enemy shot from the entity's point (x, y) with the velocity relative to the screen: the
// standard bullet unless another kind is named.
void FireEnemyBullet(const Entity& entity, float x, float y, float vx, float vy);
void FireEnemyBullet(const Entity& entity, const ShotKind& kind, float x, float y, float vx, float vy);

// The standard bullet from (x, y) at `speed` towards the ship; false when there is no ship.
bool FireAimedBullet(const Entity& entity, float x, float y, float speed = 5.0f);
bool FireAimedBullet(const Entity& entity, const ShotKind& kind, float x, float y, float speed);

// The unit vector from the entity's point (x, y) to the ship; false when there is no ship or
// it sits on the point.
bool DirectionToShip(const Entity& entity, float x, float y, Vec2& direction);
