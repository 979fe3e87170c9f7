#include "engine/trace_writer.hpp"

#include "engine/engine.hpp"
#include "game/game_flow_globals.hpp"
#include "core/random.hpp"
#include "enemies/hostile.hpp"

TraceWriter::TraceWriter(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {}

TraceWriter::~TraceWriter()
{
    if (file_)
        std::fclose(file_);
}

void TraceWriter::WriteTick(const Engine& engine)
{
    if (!file_)
        return;
    const std::string line = TraceLine(engine);
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

namespace {

// Enough digits to read back as the same float.
std::string TraceNumber(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

} // namespace

std::string TraceLine(const Engine& engine)
{
    std::string line = "{\"tick\":" + std::to_string(engine.ticksSinceLaunch);
    line += ",\"state\":" + std::to_string(engine.state);
    line += ",\"stateTicks\":" + std::to_string(engine.stateTicks);
    line += ",\"stageIndex\":" + std::to_string(engine.stageIndex);
    line += ",\"difficulty\":" + std::to_string(engine.difficulty);
    line += ",\"demoMode\":";
    line += demoMode ? "true" : "false";
    line += ",\"paused\":";
    line += engine.paused ? "true" : "false";
    line += ",\"score\":" + std::to_string(engine.score);
    line += ",\"lives\":" + std::to_string(engine.lives);
    line += ",\"continues\":" + std::to_string(engine.continues);
    const StageWorld& world = engine.world;
    line += ",\"cam\":[" + TraceNumber(world.camera.x) + "," + TraceNumber(world.camera.y) + "]";
    const Player& player = engine.player;
    line += ",\"player\":{\"x\":" + TraceNumber(player.x) + ",\"y\":" + TraceNumber(player.y) +
            ",\"health\":" + TraceNumber(player.health) + ",\"launched\":" + (player.launched ? "true" : "false") +
            "}";
    line += ",\"layers\":[";
    for (size_t i = 0; i < world.entityLayers.size(); ++i) {
        if (i > 0)
            line += ",";
        line += std::to_string(world.entityLayers[i].size());
    }
    line += "],\"pickups\":" + std::to_string(world.pickups.size());
    line += ",\"playerShots\":" + std::to_string(engine.shots.playerShots.size());
    line += ",\"enemyShots\":" + std::to_string(engine.shots.enemyShots.size());
    line += ",\"hostiles\":" + std::to_string(HostilesOnScreen(world));
    line += ",\"rng\":" + std::to_string(RandomState());
    line += "}";
    return line;
}
