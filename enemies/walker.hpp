#pragma once
// The legs the pattern walkers share ("DROID", "VULCANDROID", a "POWERDROID" on the ground).
// A walker's position is its feet. Gravity pulls it down onto the 30-pixel tile rows, where
// its feet rest on the row's bottom line (row * 30 + 29); LEFT or RIGHT held in its replayed
// pattern sets its walking speed and facing, and with neither held the speed dies away; a
// wall 16 pixels ahead stops it. The scenery is only looked at, never broken.
#include "enemies/enemy_drawing.hpp"
#include "world/control_entity.hpp"

struct Gait {
    float walkSpeed = 1.5f;
    float gravity = 0.1f; // per tick, while nothing is under the feet
    float maxFall = 7.0f;
    float decay = 0.987f; // of the horizontal speed, per tick with no direction held
};

class Walker : public ControlEntity {
public:
    // Pixels ahead of the feet where walls are looked for, and how high above the feet.
    static constexpr float ProbeAhead = 16.0f;
    static constexpr float ProbeHeight = 8.0f;
    // The body's centre above the feet: where it is hit and aimed at.
    static constexpr float BodyHeight = 28.0f;

    Walker();
    Walker(const Walker&) = default;

    // Aimed at on the body, not the feet.
    bool GetTargetPoint(float& outX, float& outY) override;

    // At (sx, sy): standing, the feet go down to the bottom line of the row holding sy;
    // falling, they stay at sy with no speed yet.
    void PlaceFeet(float sx, float sy, bool falling);
    // One tick of the legs: `direction` (-1 left, 1 right, 0 none) sets the facing and the
    // walking speed, else the speed decays; a wall ahead stops the stride; then gravity and
    // the landing.
    void StepWalking(const Gait& gait, int direction);
    // LEFT or RIGHT held in the pattern: -1 or 1; 0 for neither or both.
    int HeldDirection() const;
    bool WallAhead(int direction) const;
    // When the point under the feet blocks: feet onto the row above it, no vertical speed,
    // grounded. False (and nothing changed) over empty space.
    bool SettleOnGround();
    // The walk cycle of `cells` frames, advanced with the distance walked on the ground.
    void AnimateStride(int cells);

    // The body's cell drawn 64 pixels standing on the feet, mirrored when facing left (the
    // pictures face right).
    SpritePlacement BodyPlacement(float interpolation) const;

    int32_t facing = 1; // 1 right, -1 left
    uint8_t grounded = 0;
};
