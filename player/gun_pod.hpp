#pragma once
// A gun pod: a small escort that fires pod shots with the ship. Type 0 trails the ship in a
// chain, type 1 swivels above or below it, type 2 circles it.
#include "world/effect_entity.hpp"
#include "graphics/sprite_sheet.hpp"

// It cannot be hit and homing weapons ignore it.
class GunPod : public EffectEntity<GunPod> {
public:

    GunPod();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Draw(float interpolation, int pass) override;

    // Most pods a type may hold: 4, 2, 3.
    static int32_t MaxPods(int32_t podType);

    int32_t index = 0;
    float aim = 0.0f;
    int32_t fireCounter = 0;
    int32_t flash = 0;
    SpriteSheet sheet;
};
