#pragma once
// "BOSS3" (type 30): the fortress guardian, a war machine that drops in from above the
// screen, sweeps up and down firing rings, charges at the ship firing aimed triplets and
// backs off firing fans. Its core at the front is always open to a shot.
#include "enemies/bosses/boss_rules.hpp"
#include "graphics/sprite_sheet.hpp"

class Boss3 : public BossEntity<Boss3> {
public:
    static constexpr int32_t Score = 1500;
    static constexpr int32_t HitFlashTicks = 1;
    enum Phase : int32_t { Waiting, Dropping, Sweeping, Charging, Retreating };

    Boss3();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Draw(float interpolation, int pass) override;
    bool WeakPointOpen() const { return true; }

    SpriteSheet sheet;
    uint32_t bossClock = 0;
    int32_t phase = Waiting;
    uint32_t phaseTicks = 0;
    float sweepDirection = 1.0f;
    int32_t turns = 0;

private:
    void NextPhase(int32_t next);
    void Move(float cx, float cy);
};
