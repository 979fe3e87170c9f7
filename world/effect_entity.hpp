#pragma once
// The base of the short-lived effect entities that code creates by type id (title card,
// screen flash, power banner, debris burst): they cannot be hit, homing weapons ignore
// them, they have no editable properties, and a death only marks them.
#include "world/entity.hpp"

template <class Derived>
class EffectEntity : public ClonableEntity<Derived> {
public:
    void Destroyed() override { this->health = -1.0f; }
    bool HitTest(std::vector<Circle>) override { return false; }
    bool GetTargetPoint(float&, float&) override { return false; }
    void DescribeProperties(std::vector<EntityProperty>&) override {}
    bool LoadProperties(DataFile&) override { return true; }
    bool SaveProperties(DataFile&) override { return true; }
};
