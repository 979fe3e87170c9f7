#pragma once
// The steps the shot kinds' motions share: the screen and wall tests, keeping the circles on
// the shot, the straight flight, and the scroll that carries some kinds along.
#include "player/shot.hpp"

struct ShotValues {
    float radius = 0.0f; // 0: no hit circle, harmless
    float strength = 0.0f;
    ShotHitOp rule = &IgnoreHit;
    float halfWidth = 8.0f;
    float halfHeight = 8.0f;
    float frame = 0.0f;
};

// Position, previous position, velocity and the kind's values; one circle at the position.
void InitShot(Shot& shot, float x, float y, float vx, float vy, const ShotValues& values);
// x + half width left of the camera, x - half width past camera + 650, or off the top or
// bottom of the screen.
bool OffScreen(const Shot& shot);
void MoveCircles(Shot& shot);
// Previous position = position, position += velocity, circles follow.
void MoveShot(Shot& shot);
// Off screen: dead. In a solid tile: dead with an impact flash of 16. True when it died.
bool ScreenAndWallTests(Shot& shot);
void FlyStraight(Shot& shot);
// The camera's movement of the last tick.
void AddScroll(Shot& shot);

template <const ShotValues& Values>
void InitWith(Shot& shot, float x, float y, float vx, float vy)
{
    InitShot(shot, x, y, vx, vy, Values);
}
