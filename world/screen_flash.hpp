#pragma once
// Type 35: a full-screen wash of colour that fades out over 100 ticks from alpha 1 (its
// health is the alpha). Created by bosses, destructible blocks and some weapons.
#include "world/entity.hpp"

class ScreenFlash : public ClonableEntity<ScreenFlash> {
public:
    static constexpr float FadeStep = 0.01f;

    ScreenFlash() = default;

    bool LoadResources() override { return true; }
    void Spawn(float sx, float sy) override;
    void Think() override;
    void UpdateActivation(float, float) override {}
    void Destroyed() override { health = -1.0f; }
    void Draw(float interpolation, int pass) override;
    bool HitTest(std::vector<Circle>) override { return false; }
    bool GetTargetPoint(float&, float&) override { return false; }
    void DescribeProperties(std::vector<EntityProperty>&) override {}
    bool LoadProperties(DataFile&) override { return true; }
    bool SaveProperties(DataFile&) override { return true; }

    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
};
