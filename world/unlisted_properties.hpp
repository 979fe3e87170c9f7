#pragma once
// Stored properties the editor does not list (a sliding door's open time), for the tools
// that must carry every stored value between a stage file and its text form.
#include "world/entity_property.hpp"

#include <vector>

class Entity;

// Appends the entity's stored but unlisted properties (none for most classes).
void DescribeUnlistedProperties(Entity& entity, std::vector<EntityProperty>& list);
