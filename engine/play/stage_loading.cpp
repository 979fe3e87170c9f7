#include "engine/play/stage_loading.hpp"

#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "core/log.hpp"
#include "game/game_flow_globals.hpp"
#include "world/entity_file.hpp"
#include "engine/play/stage_drawing.hpp"
#include "world/stage_map.hpp"

namespace {

// Clears the window and shows one line of progress (not in headless runs).
void ShowProgress(Engine& engine, const char* text)
{
    if (Automation().headless)
        return;
    DrawProgressFrame(engine, text);
}

} // namespace

bool LoadStage(Engine& engine)
{
    GameLog().Write("Cleaning Up Stage.\n");
    CleanupStage(engine);
    ShowProgress(engine, "Loading...");
    GameLog().Write("Loading Map.\n");
    if (!LoadMap(engine))
        return false;
    GameLog().Write("Map Loaded!\n");
    ShowProgress(engine, "Precaching...");
    GameLog().Write("Loading Entities.\n");
    if (!engine.LoadEntityFile() && !engine.fromEditor) {
        GameLog().Write("Failed Entities!\n");
        return false;
    }
    GameLog().Write("Entities Loaded.\n");
    return true;
}

bool LoadStageMusic(Engine& engine)
{
    engine.music.Free();
    return engine.music.Load("Sound/Stage" + std::to_string(engine.stageIndex) + ".mp3", true);
}

bool LoadMap(Engine& engine)
{
    if (!LoadStageSheets(engine))
        return false;
    engine.secondMusic.Free();
    if (!engine.secondMusic.Load("Sound/BossTrack.mp3", true))
        return false;
    if (!demoMode && !LoadStageMusic(engine))
        return false;
    return ReadMapFile(engine.world, MapFilePath(engine.stageIndex));
}

void CleanupStage(Engine& engine)
{
    StageWorld& world = engine.world;
    for (auto& list : world.generators)
        list.clear();
    for (auto& queue : world.generatorQueues)
        queue.clear();
    world.activeGenerators.clear();
    world.scrollManipulators.clear();
    world.mapWidth = 0;
    world.mapHeight = 0;
    for (auto* plane : {&world.farPlane, &world.middlePlane, &world.playPlane, &world.frontPlane,
                        &world.collisionPlane, &world.pristineCollision})
        std::vector<int16_t>().swap(*plane);
    world.water.clear();
    world.visibleWater.clear();
    ClearEntities(world);
    engine.shots.playerShots.clear();
    engine.shots.enemyShots.clear();
    ClearEffects(engine.effects);
    ReleaseStageSheets(engine);
    engine.textureCache.Clear();
    engine.videoCache.Clear();
    engine.music.Free();
    engine.secondMusic.Free();
}
