#include "engine/play_installation.hpp"

#include "engine/engine.hpp"
#include "game/entity_registry.hpp"
#include "game/game_flow_globals.hpp"
#include "world/play_context.hpp"

namespace {

class EnginePlayHost : public PlayHost {
public:
    explicit EnginePlayHost(Engine& engine) : engine_(engine) {}

    void FadeOutForRebuild() override { engine_.StartFade(FadeClearBlack, FadeBlack, 101); }
    void BuildStageAt(uint32_t timeIndex) override { engine_.BuildStageAt(timeIndex); }
    void StartGameOver() override { engine_.StartGameOver(); }
    void FadeToNextStage() override { engine_.StartFade(FadeClearBlack, FadeBlack, 75, &Engine::NextStage); }
    void ShiftWorld(float dx, float dy) override { engine_.ShiftWorld(dx, dy); }

private:
    Engine& engine_;
};

} // namespace

PlayInstallation::PlayInstallation(Engine& engine)
    : host_(std::make_unique<EnginePlayHost>(engine)),
      context_(std::make_unique<PlayContext>(PlayContext{
          engine.world, *host_, engine.difficulty, engine.stateTicks, engine.stageIndex, engine.score, engine.lives,
          engine.checkpointTime, engine.checkpointHeight, engine.paused, engine.fromEditor,
          engine.editor.recordingPattern, demoMode, demoShipLost, engine.flashCycle, engine.cheats.startWeapon,
          engine.cheats.allGunPods, engine.player, engine.shots, engine.ship, engine.input, engine.effects, engine.samples,
          engine.music, engine.secondMusic, engine.textureCache, engine.videoCache, engine.shaders, engine.mainFont,
          engine.sheets}))
{
    InstallPlayContext(context_.get());
    InstallEntityRegistry();
}

PlayInstallation::~PlayInstallation()
{
    if (PlayInstalled() && &CurrentPlay() == context_.get())
        InstallPlayContext(nullptr);
}
