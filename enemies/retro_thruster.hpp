#pragma once
// "RETRO THRUSTER" (type 16): an armoured gun pod held in place by its burning thrusters,
// turned to its "Rotation"; it fires bursts straight along its facing.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class RetroThruster : public DeclaredEnemy<RetroThruster> {
public:
    static constexpr int32_t Score = 250;
    static constexpr float BulletSpeed = 5.0f;

    RetroThruster();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    static std::span<const PropertyDecl<RetroThruster>> Properties();
    // Bullets in one burst on the current difficulty.
    static int32_t BurstLength();

    SpriteSheet sheet;
    int32_t fireTimer = 0;
    int32_t burstLeft = 0;
};
