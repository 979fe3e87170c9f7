// The busy scene of scripts/bench-play: it must compile, and everything it places must
// appear, in view, while the benchmark measures (it starts play at time index 5000 and
// measures from about 5400 to 6400).
#include "tools/stage/stage_text.hpp"
#include "world/entity.hpp"
#include "world/scroll_manipulator.hpp"
#include "world/stage_world.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

using namespace world_testing;

namespace {

const std::string BenchText = std::string(SKYREAVER_SOURCE_DIR) + "/bench/stages/busy/entities.txt";
constexpr uint32_t PlayStart = 5000;
constexpr uint32_t MeasuredFrom = 5400;
constexpr uint32_t MeasuredTo = 6400;
// Entities more than this far outside the view are dropped at once.
constexpr float Margin = 128.0f;

bool NearView(CameraPoint camera, float x, float y)
{
    return x >= camera.x - Margin && x <= camera.x + 640.0f + Margin && y >= camera.y - Margin &&
           y <= camera.y + 480.0f + Margin;
}

TEST(BenchStageTest, EveryGeneratorReleasesNearTheViewAfterPlayStartsAndTheWaterStaysOnScreen)
{
    Engine engine{Engine::Detached{}};
    std::string text, error;
    ASSERT_TRUE(ReadTextFile(BenchText, text));
    StageWorld world;
    ASSERT_TRUE(ReadStageText(text, "entities.txt", world, error)) << error;

    size_t generators = 0;
    for (const std::vector<Generator>& layer : world.generators) {
        for (const Generator& generator : layer) {
            ++generators;
            // A generator due at or before the start time is dropped by --play.
            EXPECT_GT(generator.timeIndex, PlayStart) << "generator at " << generator.x << "," << generator.y;
            const uint32_t lastRelease = generator.timeIndex + generator.delay * static_cast<uint32_t>(generator.count - 1);
            for (uint32_t t : {generator.timeIndex, lastRelease}) {
                const CameraPoint camera = LayerCameraOf(CameraAtTime(world.scrollManipulators, t), generator.layer);
                EXPECT_TRUE(NearView(camera, generator.x, generator.y))
                    << "generator at " << generator.x << "," << generator.y << " released at " << t;
            }
            // Repeating effects keep going to the end of the measured stretch.
            if (generator.delay > 0) {
                EXPECT_GE(lastRelease + generator.delay, MeasuredTo) << "generator at " << generator.x;
            }
        }
    }
    EXPECT_GE(generators, 20u) << "the scene is meant to be busy";

    ASSERT_FALSE(world.water.empty());
    for (uint32_t t : {MeasuredFrom, MeasuredTo}) {
        const CameraPoint camera = CameraAtTime(world.scrollManipulators, t);
        EXPECT_LT(world.water[0].left, camera.x + 640.0f);
        EXPECT_GT(world.water[0].right, camera.x);
        EXPECT_LT(world.water[0].top, camera.y + 480.0f) << "the lake's surface shows at " << t;
    }
}

} // namespace
