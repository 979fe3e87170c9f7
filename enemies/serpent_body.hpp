#pragma once
// What the two serpents share: a head steered by its recorded pattern (LEFT and RIGHT turn
// it), flying at a steady speed along its heading, with a chain of body segments that
// follow its path and are hit like the head; on death it bursts along the whole body. The
// segments belong to the serpent itself, so nothing outlives it or points into another
// entity.
#include "enemies/enemy_motion.hpp"
#include "graphics/sprite_sheet.hpp"
#include "world/control_entity.hpp"

struct SerpentBuild {
    float turnDegrees = 1.5f; // per tick while LEFT or RIGHT is held
    float speed = 1.7f; // pixels per tick along the heading
    int segments = 8;
    float spacing = 14.0f; // between segment centres
    float headRadius = 16.0f;
    float bodyRadius = 12.0f;
    int32_t score = 0;
};

class SerpentBody : public ControlEntity {
public:
    explicit SerpentBody(const SerpentBuild& build);
    SerpentBody(const SerpentBody&) = default;

    void Think() override;
    void Destroyed() override;
    void UpdateActivation(float cameraX, float cameraY) override;

    // Turns the head to `degrees` and lays the body out straight behind it (an arm leaving its
    // boss).
    void Aim(float degrees);

    std::vector<BodySegment> body;
    uint8_t startTop = 0;
    // Where the head was left by the last tick: a head found elsewhere was moved with the
    // world, and the body goes with it.
    float lastX = 0.0f;
    float lastY = 0.0f;

protected:
    // Places the head and lays the body out behind it.
    void SpawnBody(float sx, float sy, float healthValue);
    // One tick of the class's firing, after the body has moved.
    virtual void StepFiring() = 0;
    // The body from its end forward (the last piece from `tail` when given), then the head.
    void DrawSerpent(float interpolation, const SpriteSheet& head, float headHalf, const SpriteSheet& segment,
                     const SpriteSheet* tail, float segmentHalf) const;

private:
    SerpentBuild build_;
};
