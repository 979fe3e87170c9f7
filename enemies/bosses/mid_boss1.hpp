#pragma once
// "MIDBOSS1" (type 19): a gunship of the docks. It flies in until it is 600 px from the
// screen's left edge and then holds on the scrolling screen, shadowing the ship's height:
// its core opens while it fires pairs straight ahead and shuts while its wing guns fire
// spreads. After three rounds it leaves to the right.
#include "enemies/bosses/boss_rules.hpp"
#include "graphics/sprite_sheet.hpp"

class MidBoss1 : public BossEntity<MidBoss1> {
public:
    static constexpr int32_t Score = 500;
    static constexpr int32_t HitFlashTicks = 1;
    enum Phase : int32_t { Entering, Pairs, Spreads, Leaving };

    MidBoss1();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    bool WeakPointOpen() const { return core == 3; }

    SpriteSheet hull;
    SpriteSheet coreSheet;
    int32_t phase = Entering;
    uint32_t phaseTicks = 0;
    int32_t rounds = 0;
    int32_t core = 0; // the cell: 0 shut .. 3 open

private:
    void NextPhase(int32_t next);
    void Shadow(float cy);
};
