#pragma once
// The base of every enemy class: its clone is its copy constructor, it dies only once, and
// its editable properties are the table `Derived::Properties()` (empty for the classes that
// have none), read by DescribeProperties, LoadProperties and SaveProperties alike.
#include "enemies/dies_once.hpp"
#include "world/control_entity.hpp"
#include "world/entity.hpp"

#include <span>

template <class Derived, class Base = Entity>
class DeclaredEnemy : public ClonableEntity<Derived, DiesOnce<Base>> {
public:
    using ClonableEntity<Derived, DiesOnce<Base>>::ClonableEntity;

    static std::span<const PropertyDecl<Derived>> Properties() { return {}; }

    void DescribeProperties(std::vector<EntityProperty>& list) override
    {
        DescribeDeclared(Derived::Properties(), self(), list);
    }
    bool LoadProperties(DataFile& file) override { return LoadDeclared(Derived::Properties(), self(), file); }
    bool SaveProperties(DataFile& file) override { return SaveDeclared(Derived::Properties(), self(), file); }

private:
    Derived& self() { return static_cast<Derived&>(*this); }
};

// An enemy flown by a recorded control pattern.
template <class Derived>
using PatternEnemy = DeclaredEnemy<Derived, ControlEntity>;

// The "Record Pattern" action of a pattern enemy: the editor's switch for recording, never
// stored.
template <class Derived>
constexpr PropertyDecl<Derived> RecordPatternProperty()
{
    return {.name = "Record Pattern", .kind = PropertyKind::Action, .flagMember = &Derived::recording, .stored = false};
}
