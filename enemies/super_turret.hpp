#pragma once
// "SUPER TURRET" (type 4): the heavier fixed gun: each firing is a burst of five aimed
// bullets ten ticks apart, then a pause of 200-299 ticks.
#include "enemies/declared_enemy.hpp"
#include "enemies/turret_base.hpp"

class SuperTurret : public DeclaredEnemy<SuperTurret, TurretBase> {
public:
    static constexpr int32_t Score = 85;
    static constexpr int32_t BurstLength = 5;
    static constexpr int32_t BurstGap = 10;

    SuperTurret();

    void Spawn(float sx, float sy) override;
    static std::span<const PropertyDecl<SuperTurret>> Properties();

    int32_t burstLeft = 0; // bullets still to come in this burst

protected:
    void StepFiring() override;
};
