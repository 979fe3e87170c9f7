#pragma once
// Movement the family shares: looping animations, steering by a replayed pattern, flying
// along a heading, walking on the 30-pixel tile rows, and bodies whose segments trail
// their head.
#include "core/math_utils.hpp"
#include "world/geometry.hpp"

#include <vector>

class ControlEntity;
class Entity;

// The per-life state every enemy starts with: at (sx, sy) with no motion, frame 0, no
// flash, outside its window until it first shows.
void PlaceAtSpawn(Entity& entity, float sx, float sy, float health);

// Frame advanced by `step`, wrapped into 0 <= frame < cells.
void AdvanceFrame(float& frame, float step, int cells);

// LEFT held turns anticlockwise on screen, RIGHT clockwise, by `degrees`; the angle stays in
// 0..360.
void SteerByPattern(ControlEntity& entity, float degrees);
bool PatternHeld(const ControlEntity& entity, int control); // ControlIndex values
enum ControlIndex { ControlLeft, ControlRight, ControlUp, ControlDown, ControlFire };

// The angle turned by `degrees` and kept in 0..360.
void TurnBy(Entity& entity, float degrees);

// x, y += speed along the entity's angle.
void MoveAlongHeading(Entity& entity, float speed);
// The heading of "Start Top": down the screen when set, up when not.
float StartHeading(bool startTop);

// The y at which feet rest on the tile row holding y.
float FeetOnRow(float y);
// Whether the scenery blocks the point (breakable tiles are not broken by asking).
bool Blocked(float x, float y);

// The turn towards a target of a slow tracker: 6.5 x (1 - cos of the angle between its
// facing and the target) degrees, to the side the target lies on.
float TurnTowards(float facingDegrees, float fromX, float fromY, float targetX, float targetY);

// A body segment drawn between ticks.
struct BodySegment {
    float x = 0.0f;
    float y = 0.0f;
    float prevX = 0.0f;
    float prevY = 0.0f;
    float angle = 0.0f; // pointing towards the segment before it
};

// Lays `count` segments behind the head along the opposite of its heading.
void LayBody(std::vector<BodySegment>& body, int count, float headX, float headY, float headingDegrees,
             float spacing);
// Each segment keeps `spacing` from the one before it (the head first), pulled along the line
// between them: the body follows the head's path.
void TrailBody(std::vector<BodySegment>& body, float headX, float headY, float spacing);
// Moves every segment by (dx, dy): the world moved under the body (a jump of the clock
// shifts what is on screen).
void ShiftBody(std::vector<BodySegment>& body, float dx, float dy);
// The hit circles of the head and every segment, as offsets from the head.
void BodyCircles(std::vector<Circle>& circles, const std::vector<BodySegment>& body, float headX, float headY,
                 float headRadius, float bodyRadius);
