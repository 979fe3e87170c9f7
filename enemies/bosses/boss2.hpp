#pragma once
// "BOSS2" (type 20): the warden of the flooded caverns, a round armoured shell. It glides in
// from where it was placed until it stands 540 px right of the camera, then cycles through
// fanned volleys and aimed bursts with its iris open on its core (the weak point), and a spin
// with the iris shut, spraying a spiral on Novice and Expert.
#include "enemies/bosses/boss_rules.hpp"
#include "graphics/sprite_sheet.hpp"

class Boss2 : public BossEntity<Boss2> {
public:
    static constexpr int32_t Score = 1000;
    static constexpr int32_t HitFlashTicks = 1;
    enum Phase : int32_t { Entering, Volleys, Bursts, Spinning };

    Boss2();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Draw(float interpolation, int pass) override;
    bool WeakPointOpen() const { return iris == 3; }

    SpriteSheet sheet;
    int32_t phase = Entering;
    uint32_t phaseTicks = 0;
    int32_t iris = 0; // the cell: 0 shut .. 3 open
    int32_t burstShots = 0;
    Vec2 burstDirection{-1.0f, 0.0f};

private:
    void Enter(float cx);
    void NextPhase(int32_t next);
    void FollowShip(float cy);
    void StepVolleys();
    void StepBursts();
    void StepSpin();
};
