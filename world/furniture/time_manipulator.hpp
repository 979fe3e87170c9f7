#pragma once
// "TIME_MANIPULATOR" (type 2): sends the stage clock back to "Jump To Index" each time the
// clock reaches the tick it was spawned at, "Repeat" times (0: once; negative: for ever).
// The camera jumps with the clock and the world is shifted so that everything on screen
// keeps its place. Invisible in play; never removed for being off screen.
#include "world/entity.hpp"

#include <span>

class TimeManipulator : public ClonableEntity<TimeManipulator> {
public:
    TimeManipulator();

    bool LoadResources() override { return true; }
    void Spawn(float sx, float sy) override;
    void Think() override;
    void UpdateActivation(float, float) override {}
    void Destroyed() override { health = -1.0f; }
    void Draw(float interpolation, int pass) override;
    bool HitTest(std::vector<Circle>) override { return false; }
    // A control object: a homing shot must not chase an invisible square.
    bool GetTargetPoint(float&, float&) override { return false; }
    void DescribeProperties(std::vector<EntityProperty>& list) override;
    bool LoadProperties(DataFile& file) override;
    bool SaveProperties(DataFile& file) override;

    static std::span<const PropertyDecl<TimeManipulator>> Properties();

    uint32_t spawnTime = 0;
    int32_t jumpToIndex = 0;
    int32_t repeat = 1;
};
