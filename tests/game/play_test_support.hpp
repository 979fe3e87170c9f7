#pragma once
// A stage for play tests without files: an empty 400 x 20 tile map, a camera path moving one
// pixel right per tick, and entity classes that show what play did to them.
#include "engine/engine.hpp"
#include "core/random.hpp"
#include "world/entity.hpp"
#include "world/pickup_kind.hpp"

#include <memory>
#include <vector>

namespace play_testing {

// An entity with one circle of radius 10 that records its health before every hit and
// draws a random number each tick (what a stage's enemies do).
class Target : public ClonableEntity<Target> {
public:
    explicit Target(float startHealth = 1.0f) : startHealth_(startHealth)
    {
        circles.push_back(Circle{10.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    }
    bool LoadResources() override { return true; }
    void Spawn(float sx, float sy) override
    {
        x = prevX = sx;
        y = prevY = sy;
        health = startHealth_;
        active = 1;
        (this->*placeCircles)(circles);
    }
    void UpdateActivation(float, float) override {}
    void Think() override { draws.push_back(Random()); }
    void TakeDamage(float amount) override
    {
        damage.push_back(amount);
        Entity::TakeDamage(amount);
    }
    void Destroyed() override
    {
        ++destroyedCalls;
        health = -1.0f;
    }
    void Draw(float, int) override {}
    void DescribeProperties(std::vector<EntityProperty>&) override {}
    bool LoadProperties(DataFile&) override { return true; }
    bool SaveProperties(DataFile&) override { return true; }

    std::vector<int32_t> draws;
    std::vector<float> damage;
    int destroyedCalls = 0;

private:
    float startHealth_;
};

class PowerUp : public Target, public PickupKind {
public:
    explicit PowerUp(int32_t kind) : kind_(kind) {}
    std::unique_ptr<Entity> Clone() const override { return std::make_unique<PowerUp>(*this); }
    int32_t Kind() const override { return kind_; }

private:
    int32_t kind_;
};

// A detached engine holding the test stage, in play on Rookie.
class PlayStage {
public:
    // Headless for its lifetime: pictures are looked for, never decoded or uploaded.
    PlayStage();
    ~PlayStage();
    // A generator of `layer` releasing one clone of the template at the time index.
    void AddGenerator(int layer, uint32_t timeIndex, float x, float y, std::shared_ptr<Entity> entity);
    // Builds at the time index and starts a new game, as the title does.
    void Start(uint32_t timeIndex = 0);
    void Tick(int count = 1);
    // A button going down (or up) before the next tick, as the event dispatch would do it.
    void Press(InputButton& button) { button.Set(true); }
    void Release(InputButton& button) { button.Set(false); }
    // Runs until the ship has flown in.
    void UntilLaunched();
    EntityList& Layer(int layer) { return engine.world.entityLayers[static_cast<size_t>(layer - 1)]; }
    template <class T>
    T& Place(int layer, std::unique_ptr<T> entity, float x, float y)
    {
        entity->Spawn(x, y);
        T& placed = *entity;
        AddEntity(engine.world, std::move(entity), layer);
        return placed;
    }

    Engine engine{Engine::Detached{}};

private:
    bool wasHeadless_;
};

} // namespace play_testing
