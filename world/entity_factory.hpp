#pragma once
// How the world makes the entities its files and generators name: the registry, which lives
// above the classes it creates, installs its factory here.
#include <cstdint>
#include <memory>

class Entity;

using EntityFactory = std::unique_ptr<Entity> (*)(int32_t type);

void InstallEntityFactory(EntityFactory factory);
// A new entity of the type with its defaults; null for a type without a class, or before a
// factory is installed.
std::unique_ptr<Entity> MakeEntity(int32_t type);
