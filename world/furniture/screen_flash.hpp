#pragma once
// Type 35: a full-screen wash of colour that fades out over 100 ticks from alpha 1 (its
// health is the alpha). Created by bosses, destructible blocks and some weapons.
#include "world/effect_entity.hpp"

class ScreenFlash : public EffectEntity<ScreenFlash> {
public:
    static constexpr float FadeStep = 0.01f;

    ScreenFlash() = default;

    bool LoadResources() override { return true; }
    void Spawn(float sx, float sy) override;
    void Think() override;
    void UpdateActivation(float, float) override {}
    void Draw(float interpolation, int pass) override;

    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
};
