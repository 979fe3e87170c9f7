#pragma once
// "RADAR SATTELITE" (type 18): a satellite that stays where it was placed, turns its dish
// after the ship and sends out rings of bullets, 8 on Rookie and 16 above.
#include "enemies/declared_enemy.hpp"
#include "graphics/sprite_sheet.hpp"

class RadarSatellite : public DeclaredEnemy<RadarSatellite> {
public:
    static constexpr int32_t Score = 150;
    static constexpr float RingSpeed = 3.0f;

    RadarSatellite();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    static std::span<const PropertyDecl<RadarSatellite>> Properties();
    static int32_t RingSize();

    SpriteSheet sheet;
    int32_t fireTimer = 0;
};
