#pragma once
// Entities created by other entities during a tick (explosion chains, flashes): appended to
// a layer without re-sorting it, so a list pass in progress stays in order and reaches them
// in the same pass.
#include <cstdint>
#include <memory>

class Entity;
struct StageWorld;

// Sets the layer and appends; returns the entity for the caller's immediate use (valid
// until the next list pass), or null when the layer is outside 1..4 (then it is destroyed).
Entity* AppendEntity(StageWorld& world, std::unique_ptr<Entity> entity, int layer);
// MakeEntity, Spawn at (x, y), append to the layer; null for a type without a class.
Entity* SpawnChild(StageWorld& world, int32_t type, int layer, float x, float y);
