#pragma once
// Type 33: an invisible spray of sparks around a weapon's impact point. Style 0 fires every
// second tick, 26 volleys; styles 1 and 2 every tick, 46 volleys, over a wider circle. The
// sparks are player shots, so they hurt what they touch.
#include "world/effect_entity.hpp"

class DebrisBurst : public EffectEntity<DebrisBurst> {
public:
    DebrisBurst() = default;

    bool LoadResources() override { return true; }
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override {}
    void Draw(float, int) override {}

    int32_t timer = 0;
    int32_t volleys = 0;
    int32_t style = 0; // 0, 1 or 2, set by the creator
};
