#pragma once
// What a pick-up hands the ship when it is collected: implemented by the entities of the
// pick-up list alongside Entity.
#include <cstdint>

class PickupKind {
public:
    virtual ~PickupKind() = default;
    // 0..6 an orb weapon, 7 a gun pod, 8 missiles.
    virtual int32_t Kind() const = 0;
};
