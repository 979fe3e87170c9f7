#include "engine/trace_writer.hpp"
#include "world/stage_world.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

using namespace world_testing;

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
    const std::string line = TraceLine(engine);
    EXPECT_NE(line.find(",\"cam\":[2999.5,-0.0299999993],\"player\":{\"x\":12.5,\"y\":-3,\"health\":-1,"
                        "\"launched\":true},\"layers\":[0,1,0,2],\"pickups\":1,\"playerShots\":3,\"enemyShots\":2,"),
              std::string::npos)
        << line;
}
