// The Engine's world operations: each delegates to the world code that holds it.
#include "engine/engine.hpp"
#include "player/world_shift.hpp"
#include "world/entity_file.hpp"
#include "world/generator_queue.hpp"
#include "engine/play/stage_drawing.hpp"
#include "engine/play/stage_loading.hpp"
#include "world/stage_map.hpp"

bool Engine::LoadStage() { return ::LoadStage(*this); }
bool Engine::LoadMap() { return ::LoadMap(*this); }
void Engine::CleanupStage() { ::CleanupStage(*this); }
bool Engine::LoadEntityFile() { return ::LoadEntityFile(world, EntityFilePath(stageIndex)); }
bool Engine::SaveEntityFile() { return ::SaveEntityFile(world, EntitySavePath(stageIndex)); }

void Engine::DrawTiles(int layer, float interpolation) { ::DrawTiles(*this, layer, interpolation); }
void Engine::DrawLayer(int layer, float interpolation, int pass, bool earlyPass)
{
    ::DrawLayer(*this, layer, interpolation, pass, earlyPass);
}
void Engine::DrawExplosions(int layer, float interpolation) { ::DrawExplosions(*this, layer, interpolation); }

bool Engine::HitTile(float x, float y) { return ::HitTile(world, x, y); }

void Engine::QueueGenerators(uint32_t startTime) { ::QueueGenerators(world, startTime); }
void Engine::RunGenerators() { ::RunGenerators(world); }

void Engine::ShiftWorld(float dx, float dy)
{
    ShiftStageWorld(world, dx, dy);
    ShiftPlayerSide(player, shots, dx, dy);
    ShiftTrails(effects, dx, dy);
}
