#pragma once
// "MIDBOSS2" (type 22): a cavern creature with a gun claw on either side. It swims in to
// 430 px right of the camera and holds there, swaying up and down and swinging its claws
// around its body: slow swings with its eye open (the weak point), fast swings with it shut.
// The claws fire fast aimed shots; the body fires rings at ticks 50, 150 and 250 of each
// swing. After three swings it swims off. Blows through the open eye count tenfold.
#include "enemies/bosses/boss_rules.hpp"
#include "graphics/sprite_sheet.hpp"

class MidBoss2 : public BossEntity<MidBoss2> {
public:
    static constexpr int32_t Score = 500;
    static constexpr int32_t HitFlashTicks = 1;
    static constexpr uint32_t SwingTicks = 300;

    MidBoss2();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void TakeDamage(float amount) override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    bool WeakPointOpen() const { return eye == 3; }
    // Where a claw is: +1 the upper, -1 the lower.
    Vec2 ClawOffset(float side, float degrees) const;

    SpriteSheet claw;
    SpriteSheet bodySheet;
    uint8_t entered = 0;
    uint32_t phase = 0; // even swings slow, odd fast; 3 and up leaving
    uint32_t phaseTicks = 0;
    float sway = 0.0f;
    float swayStep = 0.1f;
    float swingDirection = 1.0f;
    int32_t eye = 0; // the cell: 0 shut .. 3 open
    int32_t clawShots = 0;

private:
    void Swing();
    void Fire();
};
