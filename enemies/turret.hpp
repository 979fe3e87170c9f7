#pragma once
// "TURRET" (type 3): a fixed gun that follows the ship and fires one aimed bullet every
// 200-299 ticks; one hit on Rookie, two above.
#include "enemies/declared_enemy.hpp"
#include "enemies/turret_base.hpp"

class Turret : public DeclaredEnemy<Turret, TurretBase> {
public:
    static constexpr int32_t Score = 80;

    Turret();

    void Spawn(float sx, float sy) override;
    static std::span<const PropertyDecl<Turret>> Properties();

protected:
    void StepFiring() override;
};
