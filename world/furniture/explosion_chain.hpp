#pragma once
// Type 31: an invisible string of explosions in the foreground, one pair every seventh
// tick for 150 ticks, where a destructible block broke.
#include "world/entity.hpp"

class ExplosionChain : public ClonableEntity<ExplosionChain> {
public:
    static constexpr float Duration = 150.0f;
    static constexpr int Every = 7;

    ExplosionChain();

    bool LoadResources() override { return true; }
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override { health = -1.0f; }
    void Draw(float, int) override {}
    bool GetTargetPoint(float&, float&) override { return false; }
    void DescribeProperties(std::vector<EntityProperty>&) override {}
    bool LoadProperties(DataFile&) override { return true; }
    bool SaveProperties(DataFile&) override { return true; }
};
