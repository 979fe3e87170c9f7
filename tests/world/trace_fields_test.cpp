#include "engine/trace_writer.hpp"
#include "enemies/hostile.hpp"
#include "world/stage_world.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

using namespace world_testing;

namespace {

struct HostileProbe : ProbeEntity, Hostile {
    HostileProbe(float px, float py, float life)
    {
        x = px;
        y = py;
        health = life;
    }
};

} // namespace

TEST(TraceFields, CameraLayerCountsAndPickups)
{
    Engine engine{Engine::Detached{}};
    engine.world.camera = {2999.5f, -0.03f};
    AddEntity(engine.world, std::make_unique<ProbeEntity>(), 2);
    AddEntity(engine.world, std::make_unique<ProbeEntity>(), 4);
    AddEntity(engine.world, std::make_unique<ProbeEntity>(), 4);
    engine.world.pickups.push_back(std::make_unique<ProbeEntity>());
    engine.player.x = 12.5f;
    engine.player.y = -3.0f;
    engine.player.health = -1.0f;
    engine.player.launched = true;
    engine.shots.playerShots.resize(3);
    engine.shots.enemyShots.resize(2);
    // Hostiles count only alive and inside their own layer's view; scenery never counts.
    AddEntity(engine.world, std::make_unique<HostileProbe>(3100.0f, 200.0f, 5.0f), 3);
    AddEntity(engine.world, std::make_unique<HostileProbe>(3100.0f, 200.0f, 0.0f), 3);
    AddEntity(engine.world, std::make_unique<HostileProbe>(2990.0f, 200.0f, 5.0f), 3);
    AddEntity(engine.world, std::make_unique<HostileProbe>(3100.0f, 490.0f, 5.0f), 3);
    const std::string line = TraceLine(engine);
    EXPECT_NE(line.find(",\"cam\":[2999.5,-0.0299999993],\"player\":{\"x\":12.5,\"y\":-3,\"health\":-1,"
                        "\"launched\":true},\"layers\":[0,1,4,2],\"pickups\":1,\"playerShots\":3,\"enemyShots\":2,"
                        "\"hostiles\":1,"),
              std::string::npos)
        << line;
}
