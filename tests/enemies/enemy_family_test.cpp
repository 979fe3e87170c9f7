// What every enemy class shares: it is made by its type id, dies to the damage its health
// says, pays its score with the explosion pair and the sound, and goes through a stage file
// and back without losing a property or a step of its pattern.
#include "enemy_test_support.hpp"

#include "support/headless_scope.hpp"
#include "world/entity_file.hpp"
#include "game/entity_registry.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace enemy_testing;

namespace {

struct Row {
    int32_t type;
    float rookieHealth;
    float expertHealth;
    int32_t score;
    float fireballHalf;
};

// The placeable enemies with their health on Rookie and Expert, score and blast size.
const Row Family[] = {
    {1, 1, 1, 50, 64},      {3, 1, 2, 80, 48},      {4, 2, 2, 85, 48},      {5, 2, 5, 90, 96},
    {6, 10, 10, 200, 64},   {12, 2, 2, 60, 64},     {16, 10, 25, 250, 64},  {17, 1, 2, 75, 64},
    {18, 10, 25, 150, 96},  {23, 20, 20, 150, 96},  {25, 2, 2, 50, 64},     {26, 15, 15, 250, 96},
    {27, 30, 30, 300, 64},  {28, 3, 3, 100, 64},    {37, 0.5f, 0.5f, 15, 64},   {7, 1, 1, 100, 64},
    {14, 1, 1, 75, 64},     {15, 1, 1, 95, 64},
};

std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every editable value set away from its default, so a field left out of the file shows.
void SetEveryProperty(Entity& entity, int32_t seed)
{
    std::vector<EntityProperty> properties;
    entity.DescribeProperties(properties);
    for (EntityProperty& p : properties) {
        if (p.kind == static_cast<int32_t>(PropertyKind::Integer))
            *p.intValue = 1 + seed % 5; // inside every class's range (colours, power-up kinds)
        else if (p.kind == static_cast<int32_t>(PropertyKind::Float))
            *p.floatValue = 0.25f * static_cast<float>(seed);
        else if (p.kind == static_cast<int32_t>(PropertyKind::Flag))
            *p.boolValue = 1;
    }
    if (auto* controlled = dynamic_cast<ControlEntity*>(&entity)) {
        for (uint32_t tick : {0u, 30u, 31u, 90u}) {
            ControlRecord record;
            record.tick = tick + static_cast<uint32_t>(seed);
            record.controls.LEFT = static_cast<uint8_t>(tick % 4);
            record.controls.FIRE = static_cast<uint8_t>((tick + 1) % 4);
            controlled->pattern.push_back(record);
        }
    }
}

} // namespace

TEST(EnemyFamily, EachDiesToItsHealthOnEachDifficultyAndPaysItsScore)
{
    for (int32_t difficulty : {0, 2}) {
        EnemyStage s(difficulty);
        for (const Row& row : Family) {
            std::unique_ptr<Entity> made = CreateEntity(row.type);
            ASSERT_NE(made, nullptr) << row.type;
            Entity& enemy = s.Spawn(std::move(made), s.CameraX() + 300.0f, 240.0f);
            const float health = difficulty == 0 ? row.rookieHealth : row.expertHealth;
            EXPECT_FLOAT_EQ(enemy.health, health) << row.type;
            s.stage.engine.world.explosions[2].clear();
            const int32_t score = s.stage.engine.score;
            enemy.TakeDamage(health * 0.99f);
            EXPECT_GT(enemy.health, 0.0f) << row.type;
            EXPECT_EQ(enemy.hitFlash, 3);
            enemy.TakeDamage(health * 0.02f);
            EXPECT_FLOAT_EQ(enemy.health, -1.0f) << row.type;
            EXPECT_EQ(s.stage.engine.score - score, row.score) << row.type;
            ASSERT_GE(s.Explosions(), 2u) << row.type;
            const auto& blasts = s.stage.engine.world.explosions[2];
            EXPECT_FLOAT_EQ(blasts[blasts.size() - 2].halfWidth, row.fireballHalf) << row.type;
            EXPECT_EQ(blasts[blasts.size() - 2].style, ExplosionStyle::Blast);
            EXPECT_EQ(blasts.back().style, ExplosionStyle::Glow);
            EXPECT_FLOAT_EQ(blasts.back().angle, 0.0f);
        }
    }
}

TEST(EnemyFamily, AStageFileWithOneOfEachClassSavesLoadsAndSavesToTheSameBytes)
{
    testing_support::HeadlessScope headless;
    Engine engine{Engine::Detached{}};
    world_testing::TempDir dir("enemies");
    StageWorld first;
    int32_t seed = 1;
    for (const Row& row : Family) {
        if (row.type == 37)
            continue; // not placeable
        Generator generator;
        generator.timeIndex = static_cast<uint32_t>(100 * seed);
        generator.layer = 1 + seed % 4;
        generator.x = 10.0f * static_cast<float>(seed);
        generator.y = 20.0f;
        generator.delay = 5;
        generator.count = 2;
        generator.type = row.type;
        std::unique_ptr<Entity> made = CreateEntity(row.type);
        made->x = 3.0f * static_cast<float>(seed);
        made->y = 4.0f;
        SetEveryProperty(*made, seed);
        generator.templateEntity = std::move(made);
        first.generators[static_cast<size_t>(generator.layer - 1)].push_back(std::move(generator));
        ++seed;
    }
    ASSERT_TRUE(SaveEntityFile(first, (dir / "first.ENT").string()));
    StageWorld loaded;
    ASSERT_TRUE(LoadEntityFile(loaded, (dir / "first.ENT").string(), false));
    ASSERT_TRUE(SaveEntityFile(loaded, (dir / "second.ENT").string()));
    const std::string a = FileBytes(dir / "first.ENT");
    EXPECT_GT(a.size(), 300u);
    EXPECT_EQ(a, FileBytes(dir / "second.ENT"));
    size_t generators = 0;
    for (size_t layer = 0; layer < 4; ++layer) {
        for (size_t i = 0; i < loaded.generators[layer].size(); ++i) {
            ++generators;
            std::vector<EntityProperty> was, is;
            first.generators[layer][i].templateEntity->DescribeProperties(was);
            loaded.generators[layer][i].templateEntity->DescribeProperties(is);
            ASSERT_EQ(was.size(), is.size());
            for (size_t k = 0; k < was.size(); ++k) {
                EXPECT_STREQ(was[k].name, is[k].name);
                if (was[k].floatValue) {
                    EXPECT_EQ(*was[k].floatValue, *is[k].floatValue) << was[k].name;
                }
                if (was[k].intValue) {
                    EXPECT_EQ(*was[k].intValue, *is[k].intValue) << was[k].name;
                }
            }
        }
    }
    EXPECT_EQ(generators, std::size(Family) - 1);
}

TEST(EnemyFamily, PatternClassesListRecordPatternFirstAndNeverStoreIt)
{
    for (int32_t type : {6, 12, 17, 27}) {
        std::unique_ptr<Entity> made = CreateEntity(type);
        std::vector<EntityProperty> properties;
        made->DescribeProperties(properties);
        ASSERT_EQ(properties.size(), 2u) << type;
        EXPECT_STREQ(properties[0].name, "Record Pattern");
        EXPECT_EQ(properties[0].kind, static_cast<int32_t>(PropertyKind::Action));
        EXPECT_EQ(properties[0].boolValue, &dynamic_cast<ControlEntity&>(*made).recording);
        EXPECT_STREQ(properties[1].name, "Start Top");
    }
}
