#include "play_test_support.hpp"

#include "core/automation.hpp"


namespace play_testing {

PlayStage::PlayStage() : wasHeadless_(Automation().headless)
{
    Automation().headless = true;
    StageWorld& world = engine.world;
    world.mapWidth = 400;
    world.mapHeight = 20;
    const std::vector<int16_t> empty(400 * 20, 0);
    world.farPlane = world.middlePlane = world.playPlane = world.frontPlane = empty;
    world.collisionPlane = world.pristineCollision = empty;
    world.scrollManipulators = {ScrollManipulator{0, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0}};
}

PlayStage::~PlayStage()
{
    Automation().headless = wasHeadless_;
}

void PlayStage::AddGenerator(int layer, uint32_t timeIndex, float x, float y, std::shared_ptr<Entity> entity)
{
    Generator generator;
    generator.x = x;
    generator.y = y;
    generator.timeIndex = timeIndex;
    generator.templateEntity = std::move(entity);
    generator.layer = layer;
    engine.world.generators[static_cast<size_t>(layer - 1)].push_back(generator);
}

void PlayStage::Start(uint32_t timeIndex)
{
    engine.SetState(Play);
    engine.checkpointTime = 0;
    engine.BuildStageAt(timeIndex);
    engine.NewGame();
}

void PlayStage::Tick(int count)
{
    for (int i = 0; i < count; ++i) {
        (engine.*engine.updateOp)();
        engine.input.AdvanceButtons();
    }
}

void PlayStage::UntilLaunched()
{
    for (int i = 0; i < 400 && !engine.player.launched; ++i)
        Tick();
}

} // namespace play_testing
