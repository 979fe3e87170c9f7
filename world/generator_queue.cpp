#include "world/generator_queue.hpp"

#include "world/entity.hpp"
#include "world/stage_world.hpp"

#include <algorithm>

namespace {

bool KeptOnRestart(const Generator& generator, CameraPoint startCamera)
{
    if (!generator.templateEntity || !generator.templateEntity->keepOnRestart)
        return false;
    std::unique_ptr<Entity> probe = generator.templateEntity->Clone();
    probe->Spawn(generator.x, generator.y);
    probe->layer = generator.layer;
    const CameraPoint camera = LayerCameraOf(startCamera, generator.layer);
    probe->UpdateActivation(camera.x, camera.y);
    return probe->active != 0;
}

} // namespace

void QueueGenerators(StageWorld& world, uint32_t startTime)
{
    const CameraPoint startCamera = CameraAtTime(world.scrollManipulators, startTime);
    for (size_t layer = 0; layer < world.generators.size(); ++layer) {
        std::deque<Generator>& queue = world.generatorQueues[layer];
        queue.assign(world.generators[layer].begin(), world.generators[layer].end());
        for (Generator& generator : queue) {
            if (generator.timeIndex <= startTime && !KeptOnRestart(generator, startCamera))
                generator.count = -1;
        }
        std::erase_if(queue, [](const Generator& generator) { return generator.count <= 0; });
    }
    world.activeGenerators.clear();
}

void ActivateDue(StageWorld& world, std::deque<Generator>& queue, uint32_t timeIndex)
{
    while (!queue.empty() && queue.front().timeIndex <= timeIndex) {
        world.activeGenerators.push_back(queue.front());
        queue.pop_front();
    }
}

void ActivateAllDue(StageWorld& world, uint32_t timeIndex)
{
    for (std::deque<Generator>& queue : world.generatorQueues)
        ActivateDue(world, queue, timeIndex);
}

void RunGenerators(StageWorld& world)
{
    std::vector<Generator>& active = world.activeGenerators;
    for (size_t i = 0; i < active.size();) {
        if (StepGenerator(world, active[i]))
            active.erase(active.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}
