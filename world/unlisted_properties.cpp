#include "world/unlisted_properties.hpp"

#include "world/furniture/sliding_door.hpp"

namespace {

template <class T>
void DescribeUnlisted(std::span<const PropertyDecl<T>> table, T& entity, std::vector<EntityProperty>& list)
{
    std::vector<PropertyDecl<T>> unlisted;
    for (PropertyDecl<T> decl : table) {
        if (decl.listed || !decl.stored)
            continue;
        decl.listed = true;
        unlisted.push_back(decl);
    }
    DescribeDeclared(std::span<const PropertyDecl<T>>(unlisted), entity, list);
}

} // namespace

void DescribeUnlistedProperties(Entity& entity, std::vector<EntityProperty>& list)
{
    if (auto* door = dynamic_cast<SlidingDoor*>(&entity))
        DescribeUnlisted(SlidingDoor::Properties(), *door, list);
}
