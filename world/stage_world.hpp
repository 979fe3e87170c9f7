#pragma once
// Everything a stage holds while it is loaded or played: the four entity layers and the
// pick-ups (each list owns its entities; removal happens only at the list pass), the
// explosions of each layer, the six tile planes, the generator lists, the camera path and
// the camera, and the water rectangles. Held by value as Engine::world. Layer numbers are
// 1..4 everywhere; the arrays are indexed by layer - 1.
#include "graphics/post_passes.hpp"
#include "graphics/sprite_sheet.hpp"
#include "world/explosion.hpp"
#include "world/generator.hpp"
#include "world/geometry.hpp"
#include "world/scroll_manipulator.hpp"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

class Entity;
class PlayerContact;

using EntityList = std::vector<std::unique_ptr<Entity>>;

struct StageWorld {
    StageWorld();
    ~StageWorld();
    StageWorld(const StageWorld&) = delete;
    StageWorld& operator=(const StageWorld&) = delete;

    // --- entities: layer 1 far background .. layer 4 foreground, sorted by drawOrder ---
    std::array<EntityList, 4> entityLayers;
    // Collectable items: updated with the layers, drawn with layer 3, touched by the player.
    EntityList pickups;
    std::array<std::vector<Explosion>, 4> explosions;

    // --- the tile grid (row-major, mapWidth * mapHeight entries each) ---
    int32_t mapWidth = 0;
    int32_t mapHeight = 0;
    uint8_t stageJustLoaded = 0;
    std::vector<int16_t> farPlane;
    std::vector<int16_t> middlePlane;
    std::vector<int16_t> playPlane;
    std::vector<int16_t> frontPlane;
    std::vector<int16_t> collisionPlane;
    std::vector<int16_t> pristineCollision;
    SpriteSheet nearSheet;
    SpriteSheet farSheet;

    // --- generators: the stage as loaded (owning the templates), the per-layer queues of a
    // started stage, and those released from the queues ---
    std::array<std::vector<Generator>, 4> generators;
    std::array<std::deque<Generator>, 4> generatorQueues;
    std::vector<Generator> activeGenerators;

    // --- camera ---
    std::vector<ScrollManipulator> scrollManipulators;
    CameraPoint camera;
    CameraPoint previousCamera;

    // --- water rectangles, in world coordinates ---
    std::vector<Rect> water;
    // The rectangles on screen this tick, in screen coordinates, for the water pass; and the
    // surface scroll of this tick and the last.
    std::vector<WaterRect> visibleWater;
    float waterScroll = 0.0f;
    float previousWaterScroll = 0.0f;

    // The player's ship and shots as scenery meets them; installed by play, null while
    // there is no player (the editor, tools, tests of the world alone).
    PlayerContact* player = nullptr;
};

// Sets the entity's layer, appends it to that layer and re-sorts the layer by drawOrder
// (stable: equal keys keep insertion order). A layer outside 1..4 discards the entity.
void AddEntity(StageWorld& world, std::unique_ptr<Entity> entity, int layer);
// One list pass: entities with health above zero (or NaN) update; the others are destroyed
// and unlinked. Entities appended during the pass are reached in the same pass.
void DisposeOrUpdate(EntityList& list);
// The pass over layers 1..4 and then the pick-ups.
void UpdateEntityLists(StageWorld& world);
// Destroys every entity of the layers and the pick-ups, and every explosion.
void ClearEntities(StageWorld& world);

// Adds an explosion to a layer's list (nothing for a layer outside 1..4).
void AddExplosion(StageWorld& world, int layer, float x, float y, float halfWidth, float halfHeight,
                  ExplosionStyle style, float angle);
// Every explosion moves on one step; finished ones are removed.
void AdvanceExplosions(StageWorld& world);

// The live layer-3 entity whose target point is nearest to (x, y), under 999 pixels; null if
// none. The pointer is valid until the next list pass.
Entity* NearestTarget(const StageWorld& world, float x, float y);
// As NearestTarget, also requiring the target to lie within `halfAngle` degrees of the
// direction `heading` (degrees, clockwise on screen): a homing missile's field of view.
Entity* NearestTargetInCone(const StageWorld& world, float x, float y, float heading, float halfAngle);

// The camera of a new tick (previous = current, current = the camera at the time index) and
// the camera at a stage start (both at the start time).
void StepCamera(StageWorld& world, uint32_t timeIndex);
void SetStartCamera(StageWorld& world, uint32_t startTime);

// Moves what lives in the world's coordinates by (-dx, -dy): every layer entity, pick-up and
// explosion, with their previous positions. Water and generators stay.
void ShiftStageWorld(StageWorld& world, float dx, float dy);
// One entity's position, previous position and hit circles by (-dx, -dy).
void ShiftEntity(Entity& entity, float dx, float dy);
void ShiftCircles(std::vector<Circle>& circles, float dx, float dy);
