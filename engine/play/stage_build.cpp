// Starting a game, building a stage for a time index, and the ways a game moves on from a
// stage: the game over, the next stage, a continue.
#include "audio/audio_system.hpp"
#include "core/screen_size.hpp"
#include "audio/sound_id.hpp"
#include "world/entity_type.hpp"
#include "world/difficulty.hpp"
#include "world/stage_count.hpp"
#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "game/screen_pictures.hpp"
#include "engine/play/game_start.hpp"
#include "core/log.hpp"
#include "core/process_flags.hpp"
#include "engine/play/demo_playback.hpp"
#include "game/game_flow_globals.hpp"
#include "core/random.hpp"
#include "game/ship_select_pictures.hpp"
#include "world/entity.hpp"
#include "game/entity_registry.hpp"
#include "world/generator_queue.hpp"
#include "engine/play/stage_loading.hpp"
#include "world/stage_map.hpp"

#include <array>

namespace {

constexpr int32_t BuildSeed = 1000;
// The looping effects that would go on sounding over a frozen world.
constexpr std::array<SoundId, 3> LoopingEffects = {SoundId::ForceCharge, SoundId::OrbField, SoundId::EmpBolt};

float PlayTickLength(int32_t difficulty)
{
    switch (difficulty) {
    case DifficultyId(Difficulty::Rookie): return 0.021f;
    case DifficultyId(Difficulty::Expert): return 0.0175f;
    default: return 0.02f;
    }
}

} // namespace

void Engine::StartGame()
{
    stageIndex = startStage;
    ShowPictures(PictureSet::None);
    if (demoMode) {
        // A demo that cannot be read must not end the game: the title comes back, and the
        // next idle spell tries the next demo.
        if (!LoadNextDemo(*this)) {
            GameLog().Write("The demo could not be played; back to the title.\n");
            EnterTitle();
            return;
        }
    }
    BeginGameAt(*this, 0);
}

bool BeginGameAt(Engine& engine, uint32_t timeIndex)
{
    engine.fromEditor = false;
    // A game proper edits nothing; the editor's own play paths keep their layer and never come here.
    engine.editLayer = 4;
    engine.stateTicks = 0;
    if (!demoMode)
        engine.player.pattern.clear();
    if (!engine.LoadStage()) {
        engine.quitRequested = true;
        return false;
    }
    engine.player.ResetForNewGame();
    engine.SetState(Play);
    engine.checkpointTime = 0;
    engine.BuildStageAt(timeIndex);
    engine.clock.ResetClock();
    engine.NewGame();
    return true;
}

void ApplyPlaySettings(Engine& engine, const PlayRequest& request)
{
    if (request.difficulty >= 0)
        engine.difficulty = request.difficulty;
    if (request.ship >= 0)
        engine.ship.ShipType = request.ship;
    if (request.orbPod >= 0)
        engine.ship.orbPodType = request.orbPod;
    if (request.gunPod >= 0)
        engine.ship.gunPodType = request.gunPod;
    if (request.hasColours)
        for (size_t i = 0; i < request.colours.size(); ++i) {
            const auto& c = request.colours[i];
            engine.ship.colours[i] = ShipColour{c[0], c[1], c[2], c[3]};
        }
}

bool BeginRequestedGame(Engine& engine, const PlayRequest& request)
{
    ApplyPlaySettings(engine, request);
    // A demo always plays with autofire on, so it is recorded with it on.
    if (RecordingDemo())
        engine.input.autofire = true;
    engine.stageIndex = request.stage;
    demoMode = false;
    return BeginGameAt(engine, static_cast<uint32_t>(request.tick));
}

void Engine::NewGame()
{
    static constexpr int32_t ContinuesByDifficulty[DifficultyCount] = {5, 3, 1};
    continues = ContinuesByDifficulty[IsDifficultyId(difficulty) ? difficulty : DifficultyId(Difficulty::Rookie)];
    lives = 3;
    // Points of an earlier game or of a demo are not this game's.
    score = 0;
    acceptInput = true;
    gameOverFade = false;
    gameOverLevel = 0.0f;
    greyscale = false;
    menuSelection = 0;
    paused = false;
    clock.ResetClock();
    demoTickCounter = 0;
    if (RecordingDemo())
        NoteDemoSettings(*this);
}

void Engine::BuildStageAt(uint32_t timeIndex)
{
    // The colour buffer is cleared by every frame of play; a build runs in the update, which
    // never draws.
    if (!demoMode)
        StopAllAudio();
    else
        timeIndex = demoStartTime;
    SeedRandom(BuildSeed);
    demoShipLost = false;
    world.player = &playContact;
    ClearEntities(world);
    ClearShots(shots);
    ClearEffects(effects);

    stateTicks = timeIndex;
    SetStartCamera(world, timeIndex);
    ::QueueGenerators(world, timeIndex);
    ::RestoreTiles(world);

    player.LoadResources();
    player.Spawn(world.camera.x + ScreenCentreX, world.camera.y + ScreenCentreY);

    if (!demoMode) {
        music.Play();
        music.SetPositionSeconds(static_cast<int32_t>(timeIndex / 50));
    }
    StartFade(FadeBlack, FadeClearBlack, 50);
    TickLength = PlayTickLength(difficulty);
    acceptInput = true;

    if (world.stageJustLoaded) {
        world.stageJustLoaded = 0;
        std::unique_ptr<Entity> card = CreateEntity(TypeId(EntityType::StageTitleCard));
        Entity& placed = *card;
        placed.Spawn(world.camera.x, world.camera.y);
        AddEntity(world, std::move(card), 4);
        if (!placed.LoadResources())
            quitRequested = true;
    }
    if (RecordingDemo())
        StartDemoRecording(*this);
}

void Engine::StartGameOver()
{
    gameOverFade = true;
    gameOverLevel = 0.0f;
    world.previousCamera = world.camera;
    for (EntityList& layer : world.entityLayers)
        for (size_t i = 0; i < layer.size(); ++i)
            layer[i]->Update();
    for (size_t i = 0; i < world.pickups.size(); ++i)
        world.pickups[i]->Update();
    FreezeShots(shots.playerShots);
    FreezeShots(shots.enemyShots);
    FreezeTrails(effects);
    for (SoundId id : LoopingEffects)
        if (SoundSample* effect = samples.Effect(SoundIndex(id)))
            effect->Stop();
}

void Engine::NextStage()
{
    // A demo that clears its stage ends there, as at its 1500th tick: its settings and score
    // must not reach the next stage, the ending or the table.
    if (demoMode) {
        StartGameOver();
        return;
    }
    ++stageIndex;
    if (stageIndex > StageCount) {
        EnterEnding();
        return;
    }
    if (!LoadStage()) {
        quitRequested = true;
        return;
    }
    checkpointTime = 0;
    stateTicks = 0;
    BuildStageAt(0);
    clock.ResetClock();
    // The water's ripple starts from rest on every stage, as on the first.
    world.waterScroll = world.previousWaterScroll = 0.0f;
    flashCycle = 0;
    editor.recordingPattern = false;
}

void Engine::ContinueGame()
{
    if (!cheats.infiniteContinues)
        --continues;
    score = 0;
    player.stageClear = false;
    lives = 3;
    acceptInput = true;
    stateTicks = checkpointTime;
    videoCache.Release("Videos/Continue.avi");
    // The continue screen played its own track in the music channel.
    if (!LoadStageMusic(*this))
        quitRequested = true;
    SetState(Play);
    gameOverFade = false;
    gameOverLevel = 0.0f;
    greyscale = false;
    BuildStageAt(checkpointTime);
    clock.ResetClock();
}
