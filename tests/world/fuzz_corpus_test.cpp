// Replays the fuzzers' seed corpora and every failing input they found through the same
// readers (stage map, stage entities, demo). Files named ok-* must load, bad-* must fail;
// any other file (found by a fuzzer) only has to be read safely.
#include "game/demo_file.hpp"
#include "support/headless_scope.hpp"
#include "world/entity_file.hpp"
#include "world/stage_map.hpp"
#include "world/stage_world.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>
#include <algorithm>

using namespace world_testing;

namespace {

std::vector<std::filesystem::path> Corpus(const std::string& kind)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(SKYREAVER_FIXTURES) + "/fuzz/" + kind))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

bool Named(const std::filesystem::path& file, const char* prefix)
{
    return file.filename().string().rfind(prefix, 0) == 0;
}

TEST(FuzzCorpus, MapSeedsAndFindingsReadSafely)
{
    const auto files = Corpus("map");
    ASSERT_GE(files.size(), 2u);
    for (const auto& file : files) {
        StageWorld world;
        const bool loaded = ReadMapFile(world, file);
        if (Named(file, "ok-")) {
            EXPECT_TRUE(loaded) << file;
        }
        if (Named(file, "bad-")) {
            EXPECT_FALSE(loaded) << file;
        }
        if (loaded) {
            for (float x = -40.0f; x < world.mapWidth * 30.0f + 40.0f; x += 7.5f)
                for (float y = -40.0f; y < world.mapHeight * 30.0f + 40.0f; y += 7.5f)
                    HitTile(world, x, y);
            RestoreTiles(world);
        }
    }
}

TEST(FuzzCorpus, EntitySeedsAndFindingsReadSafelyAndSaveTheSameBytes)
{
    testing_support::HeadlessScope headless;
    Engine engine{Engine::Detached{}};
    TempDir dir("corpus");
    const auto files = Corpus("ent");
    ASSERT_GE(files.size(), 2u);
    for (const auto& file : files) {
        StageWorld world;
        // As the fuzzer reads: without the pictures, which need a window.
        const bool loaded = LoadEntityFile(world, file, false);
        if (Named(file, "ok-")) {
            EXPECT_TRUE(loaded) << file;
        }
        if (Named(file, "bad-")) {
            EXPECT_FALSE(loaded) << file;
        }
        if (loaded) {
            ASSERT_TRUE(SaveEntityFile(world, dir / "saved.ENT"));
            std::string original = ReadBytes(file);
            const std::string saved = ReadBytes(dir / "saved.ENT");
            if (saved.size() == original.size() + 4)
                original += std::string(4, '\0'); // saved with the water count it lacked
            EXPECT_EQ(saved, original) << file;
        }
    }
}

TEST(FuzzCorpus, DemoSeedsAndFindingsReadSafelyAndSaveTheSameFlight)
{
    TempDir dir("demcorpus");
    const auto files = Corpus("dem");
    ASSERT_GE(files.size(), 2u);
    for (const auto& file : files) {
        DemoFlight flight;
        const bool loaded = ReadDemoFile(file.string(), flight);
        if (Named(file, "ok-")) {
            EXPECT_TRUE(loaded) << file;
        }
        if (Named(file, "bad-")) {
            EXPECT_FALSE(loaded) << file;
        }
        if (loaded) {
            const std::string saved = (dir / "saved.dem").string();
            ASSERT_TRUE(WriteDemoFile(saved, flight));
            DemoFlight again;
            ASSERT_TRUE(ReadDemoFile(saved, again));
            EXPECT_EQ(again.pattern, flight.pattern) << file;
            if (!flight.pattern.empty()) {
                EXPECT_EQ(ReadBytes(saved), ReadBytes(file)) << file;
            }
        }
    }
}

} // namespace
