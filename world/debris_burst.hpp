#pragma once
// Type 33: an invisible spray of sparks around a weapon's impact point. Style 0 fires every
// second tick, 26 volleys; styles 1 and 2 every tick, 46 volleys, over a wider circle. The
// sparks are player shots, so they hurt what they touch.
#include "world/entity.hpp"

class DebrisBurst : public ClonableEntity<DebrisBurst> {
public:
    DebrisBurst() = default;

    bool LoadResources() override { return true; }
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override {}
    void Draw(float, int) override {}
    bool HitTest(std::vector<Circle>) override { return false; }
    bool GetTargetPoint(float&, float&) override { return false; }
    void DescribeProperties(std::vector<EntityProperty>&) override {}
    bool LoadProperties(DataFile&) override { return true; }
    bool SaveProperties(DataFile&) override { return true; }

    int32_t timer = 0;
    int32_t volleys = 0;
    int32_t style = 0; // 0, 1 or 2, set by the creator
};
