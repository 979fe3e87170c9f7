#pragma once
// Type 34: the boss warning, centred on the screen: fades in, holds for 200 ticks, fades
// out (its health is the alpha, so the list pass removes it once it has faded).
#include "world/effect_entity.hpp"
#include "world/sheet_spec.hpp"

class PowerBanner : public EffectEntity<PowerBanner> {
public:
    static constexpr SheetSpec Picture{"GFX/DestructivePower.png", 1, 1, 512, 128, false};
    static constexpr int32_t HoldTicks = 200;

    PowerBanner() = default;

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void UpdateActivation(float, float) override {}
    void Draw(float interpolation, int pass) override;

    uint32_t texture = 0;
    int32_t ticks = 0;
    uint8_t fadingIn = 1;
};
