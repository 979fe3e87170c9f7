#pragma once
// The base of everything that lives in a stage. An entity is owned by exactly one list (a
// layer, the pick-ups, or a generator as its template); it never removes itself: death is
// only the mark health <= 0, acted on by the list at its next pass (DisposeOrUpdate).
// Concrete classes supply the required operations; the others have the base behaviour
// described at each. Update paths never draw and never touch the disk.
#include "world/entity_handle.hpp"
#include "world/entity_property.hpp"
#include "world/geometry.hpp"

#include <cstdint>
#include <memory>
#include <vector>

class DataFile;

class Entity {
public:
    using PlaceCirclesOp = void (Entity::*)(std::vector<Circle>& circles);

    Entity();
    Entity(const Entity&) = default;
    Entity& operator=(const Entity&) = delete;

    // 1. Frees the circle list.
    virtual ~Entity() = default;
    // 2. Textures and sounds the class needs; false stops the stage load.
    virtual bool LoadResources() = 0;
    // 3. Places the entity and resets its per-life state.
    virtual void Spawn(float sx, float sy) = 0;
    // 4. hitFlash 0, previous position and angle, Think (unless paused), UpdateActivation
    //    with the layer's camera, placeCircles, age + 1, CheckWater.
    virtual void Update();
    // 5. One tick of behaviour; called only from Update.
    virtual void Think() = 0;
    // 6. Flash, lose health, Destroyed at zero or less.
    virtual void TakeDamage(float amount);
    // 7. The activation window around the layer's view.
    virtual void UpdateActivation(float cameraX, float cameraY);
    // 8. Health reached zero: score, explosions, sound; at least health = -1.
    virtual void Destroyed() = 0;
    // 9. Draws at the position interpolated by `interpolation`; pass 0 is the normal pass.
    virtual void Draw(float interpolation, int pass) = 0;
    // 10. The other party's circles against ours (a copy: the caller's stay untouched).
    virtual bool HitTest(std::vector<Circle> others);
    // 11. Appends the editable properties.
    virtual void DescribeProperties(std::vector<EntityProperty>& list) = 0;
    // 12. ">>Loading Entity.\n", x and y (copied to the previous position), LoadProperties.
    virtual bool Load(DataFile& file);
    // 13. x, y, SaveProperties.
    virtual bool Save(DataFile& file);
    // 14, 15. The stored properties, in the class's fixed order.
    virtual bool LoadProperties(DataFile& file) = 0;
    virtual bool SaveProperties(DataFile& file) = 0;
    // 16. Where homing weapons aim; false for things they must ignore.
    virtual bool GetTargetPoint(float& outX, float& outY);
    // 17. Water contact, every tenth tick from time index 100; the last step of Update.
    virtual void CheckWater();
    // 18. A copy made with the concrete class's copy constructor.
    virtual std::unique_ptr<Entity> Clone() const = 0;

    // Values of placeCircles.
    void PlaceCirclesTranslated(std::vector<Circle>& list);
    void PlaceCirclesRotated(std::vector<Circle>& list);

    uint8_t keepOnRestart = 0;
    PlaceCirclesOp placeCircles = &Entity::PlaceCirclesTranslated;
    int32_t age = 0;
    uint8_t inWater = 0;
    float x = 0.0f;
    float y = 0.0f;
    float prevX = 0.0f;
    float prevY = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
    float health = 0.0f;
    float frame = 0.0f;
    float angle = 0.0f;
    float prevAngle = 0.0f;
    std::vector<Circle> circles;
    int32_t drawOrder = 0;
    int32_t hitFlash = 0;
    int32_t layer = 0;
    uint8_t active = 0;

    // A handle that stops resolving when this entity is destroyed.
    EntityHandle Handle() { return EntityHandle(life_.Share(this)); }

protected:
    // The layer's camera, or false for a layer outside 1..4.
    bool LayerCamera(float& cameraX, float& cameraY) const;

private:
    LifeToken life_;
};

// An entity whose Clone is its own copy constructor.
template <class Derived, class Base = Entity>
class ClonableEntity : public Base {
public:
    using Base::Base;
    std::unique_ptr<Entity> Clone() const override
    {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};
