#pragma once
// The orb pod: carried in front of or behind the ship, it soaks up enemy shots, charges one
// of seven weapons while FIRE is held, can be sent out and called back, and detonated.
// Embedded in the Player; `present` says whether the ship has one.
#include "world/effect_entity.hpp"
#include "graphics/sprite_sheet.hpp"
#include "player/ship_type.hpp"

class Orb : public EffectEntity<Orb> {
public:

    Orb();

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    bool HitTest(std::vector<Circle> others) override;

    // Present and attached at the ship.
    void Place(float sx, float sy);
    // FIRE2 while attached: flies off toward its side unless it sits in a wall.
    void Launch();
    void Recall() { returning = !returning; }
    void Detonate();
    // FIRE released at full charge while attached: the weapon's volley.
    void Release();
    // One tick while the ship holds FIRE: the weapon's charge rate (magma drains instead).
    void ChargeTick();
    // Plasma volleys after a release.
    void FirePlasma();

    bool attached = true;
    bool inFront = true;
    bool returning = false;
    bool present = false;
    int32_t tickCounter = 0;
    int32_t charge = 0;
    int32_t weaponKind = Id(OrbWeapon::Laser);
    bool plasmaActive = false;
    int32_t plasmaVolleys = 0;
    float spin = 0.0f;
    int32_t fireDelay = 0;
    SpriteSheet sheet;
};
