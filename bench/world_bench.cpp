// Cost of the world's per-tick work: the camera of a late tick (recomputed from the
// governing manipulator's start at every call) and one list pass over a busy layer.
#include "engine/engine.hpp"
#include "world/entity.hpp"
#include "world/scroll_manipulator.hpp"
#include "world/stage_world.hpp"

#include <benchmark/benchmark.h>

namespace {

// A drifting entity with two hit circles, as a typical enemy has.
class Drifter : public ClonableEntity<Drifter> {
public:
    Drifter()
    {
        circles.push_back(Circle{12.0f, 0, 0, -8.0f, 0});
        circles.push_back(Circle{12.0f, 0, 0, 8.0f, 0});
    }
    bool LoadResources() override { return true; }
    void Spawn(float sx, float sy) override
    {
        x = sx;
        y = sy;
        health = 1.0f;
    }
    void Think() override
    {
        x += vx;
        y += vy;
        vy = -vy;
    }
    void Destroyed() override { health = -1.0f; }
    void Draw(float, int) override {}
    void DescribeProperties(std::vector<EntityProperty>&) override {}
    bool LoadProperties(DataFile&) override { return true; }
    bool SaveProperties(DataFile&) override { return true; }
};

void CameraAtTick20000(benchmark::State& state)
{
    ScrollManipulator m;
    m.positionY = 60.0f;
    m.velocityX = 1.0f;
    m.velocityY = -0.03f;
    m.accelerationY = 0.0001f;
    m.accelerateTicks = 500;
    const std::vector<ScrollManipulator> list{m};
    for (auto _ : state)
        benchmark::DoNotOptimize(CameraAtTime(list, 20000));
}
BENCHMARK(CameraAtTick20000);

void DisposeOrUpdate300(benchmark::State& state)
{
    Engine engine{Engine::Detached{}};
    engine.stateTicks = 200;
    engine.world.water.push_back(RectFromSize(900.0f, 90.0f, 320.0f, 440.0f));
    for (int i = 0; i < 300; ++i) {
        auto drifter = std::make_unique<Drifter>();
        drifter->Spawn(static_cast<float>(i * 2), static_cast<float>(100 + i));
        drifter->vy = 0.5f;
        drifter->drawOrder = i % 3;
        AddEntity(engine.world, std::move(drifter), 3);
    }
    for (auto _ : state)
        DisposeOrUpdate(engine.world.entityLayers[2]);
    state.SetItemsProcessed(state.iterations() * 300);
}
BENCHMARK(DisposeOrUpdate300);

} // namespace
