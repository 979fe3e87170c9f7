#pragma once
// "FALLING ROCK" (type 11): a boulder of the foreground layer (4). It falls, its speed
// growing by 0.01 per tick up to 8, until the scenery 30 pixels below its centre stops it,
// or until it lands on another layer-4 entity it touches: it comes to rest 60 pixels above
// that one and stays there while it lasts (falling on when it breaks), so rocks stack. The
// play layer's collision pass never reaches layer 4, so the rock meets the ship's side
// itself: the player's shots (their damage, and their hit rule), the orb (0.01 per tick of
// contact) and the ship, which it crushes.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class FallingRock : public DeclaredEnemy<FallingRock> {
public:
    static constexpr int32_t Score = 100;
    static constexpr float Radius = 30.0f;
    static constexpr float MaxFall = 8.0f;
    static constexpr float FallGain = 0.01f; // per tick
    static constexpr float StackHeight = 60.0f;
    static constexpr float OrbDrain = 0.01f; // per tick
    static constexpr float CrushDamage = 1.0f;
    static constexpr int ForegroundLayer = 4;

    FallingRock();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;

    SpriteSheet sheet;
    EntityHandle support; // what it rests on, when that is not the scenery

private:
    bool StandOnSupport();
    void Fall();
    void RestOnEntityBelow();
    void MeetPlayer();
};
