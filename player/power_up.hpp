#pragma once
// A power-up floating in the pick-up list: the ship collects its kind on contact and the
// player scores 50. Its kind (0..6 an orb weapon, 7 a gun pod, 8 missiles) sets its look.
#include "graphics/sprite_sheet.hpp"
#include "player/ship_type.hpp"
#include "world/effect_entity.hpp"
#include "world/entity_property.hpp"
#include "world/pickup_kind.hpp"
#include "world/sheet_spec.hpp"

#include <array>
#include <span>

class PowerUp : public ClonableEntity<PowerUp>, public PickupKind {
public:
    static constexpr int32_t Kinds = PowerUpKindCount;
    explicit PowerUp(int32_t kind = 0);

    bool LoadResources() override;
    void Spawn(float sx, float sy) override;
    void Think() override;
    void Destroyed() override;
    void Draw(float interpolation, int pass) override;
    bool GetTargetPoint(float& outX, float& outY) override;
    void DescribeProperties(std::vector<EntityProperty>& list) override;
    bool LoadProperties(DataFile& file) override;
    bool SaveProperties(DataFile& file) override;
    int32_t Kind() const override { return kind; }

    int32_t kind = 0;
    SpriteSheet sheet;
    SpriteSheet glow;
};
