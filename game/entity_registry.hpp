#pragma once
// The registry of entity types: the one place that turns a type id into a class. Ids 0..30
// are the rows of the editor's entity list (with their display names); 31..37 are created
// only by program code.
#include "world/entity_type.hpp"

#include <cstdint>
#include <memory>
#include <string_view>

class Entity;

// A new entity of the type with its defaults, or null for an id outside 0..37 and for a
// type whose class does not exist yet.
std::unique_ptr<Entity> CreateEntity(int32_t type);
// The editor's name of a type ("TIME_MANIPULATOR"); empty for 31..37 and outside 0..37.
std::string_view EntityTypeName(int32_t type);
// The type id of an editor name; -1 when no type has it.
int32_t EntityTypeByName(std::string_view name);
// Makes CreateEntity the factory the world's files and generators use.
void InstallEntityRegistry();
