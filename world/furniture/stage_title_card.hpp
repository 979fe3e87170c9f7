#pragma once
// Type 36: the stage's title, shown over the opening of a stage for 150 ticks: it fades
// in, holds, is wiped away by the bars and stretches downward as it fades out.
#include "world/effect_entity.hpp"
#include "world/sheet_spec.hpp"

#include <array>

class StageTitleCard : public EffectEntity<StageTitleCard> {
public:
    static constexpr std::array<SheetSpec, 3> Pictures = {{
        {"GFX/Stage1.tga", 1, 1, 512, 128, false},
        {"GFX/Stage2.tga", 1, 1, 512, 128, false},
        {"GFX/Stage3.tga", 1, 1, 512, 128, false},
    }};
    static constexpr int32_t Duration = 150;

    StageTitleCard() = default;

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void UpdateActivation(float, float) override {}
    void Draw(float interpolation, int pass) override;

    // The card's alpha, and the bars' wipe (the program's "alpha"), at tick n.
    static float CardAlpha(int32_t n);
    static float WipeAmount(int32_t n);
    // How far below the centre the card's bottom edge lies at tick n.
    static float BottomExtent(int32_t n);

    uint32_t texture = 0;
    int32_t ticks = 0;
};
