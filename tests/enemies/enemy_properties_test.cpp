// The registry rows of the walkers, the graboid and the falling rock: what the editor lists,
// the bytes each stores (save, load, save again gives the same bytes, patterns included),
// the derived "Start Walking", and the values a stage file may not hold.
#include "still_stage.hpp"

#include "enemies/droid.hpp"
#include "enemies/falling_rock.hpp"
#include "enemies/graboid.hpp"
#include "enemies/power_droid.hpp"
#include "enemies/vulcan_droid.hpp"
#include "support/headless_scope.hpp"
#include "game/entity_registry.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace enemy_testing;
using world_testing::Bytes;
using world_testing::ListedNames;

namespace {

class EnemyPropertiesTest : public ::testing::Test {
protected:
    std::string Saved(Entity& entity) { return world_testing::SavedBytes(entity, dir / "entity.bin"); }
    std::unique_ptr<Entity> Loaded(int32_t type, const std::string& bytes)
    {
        return world_testing::LoadedFrom(type, bytes, dir / "entity.bin");
    }

    testing_support::HeadlessScope headless;
    Engine engine{Engine::Detached{}};
    world_testing::TempDir dir{"enemies"};
};

// A pattern of two records in the file's control order: DOWN, FIRE, FIRE2, LEFT, RIGHT, UP,
// FIRE3, SPEEDUP, SPEEDDOWN.
const std::deque<ControlRecord> TwoSteps = {Hold(0, {&ControlBlock::RIGHT}),
                                            Hold(40, {&ControlBlock::UP, &ControlBlock::FIRE})};

Bytes& TwoStepBytes(Bytes& bytes)
{
    bytes.I32(2);
    bytes.U32(0).U8(2).U8(2).U8(2).U8(2).U8(1).U8(2).U8(2).U8(2).U8(2);
    bytes.U32(40).U8(2).U8(1).U8(2).U8(2).U8(2).U8(1).U8(2).U8(2).U8(2);
    return bytes;
}

} // namespace

TEST_F(EnemyPropertiesTest, TheRegistryMakesEachClassWithItsDefaults)
{
    EXPECT_NE(dynamic_cast<PowerDroid*>(CreateEntity(7).get()), nullptr);
    EXPECT_NE(dynamic_cast<FallingRock*>(CreateEntity(11).get()), nullptr);
    EXPECT_NE(dynamic_cast<Droid*>(CreateEntity(14).get()), nullptr);
    EXPECT_NE(dynamic_cast<VulcanDroid*>(CreateEntity(15).get()), nullptr);
    EXPECT_NE(dynamic_cast<Graboid*>(CreateEntity(29).get()), nullptr);
    EXPECT_EQ(EntityTypeByName("POWERDROID"), 7);
    EXPECT_EQ(EntityTypeByName("FALLING ROCK"), 11);
    EXPECT_EQ(EntityTypeByName("GRABOID"), 29);

    auto droid = CreateEntity(7);
    EXPECT_EQ(static_cast<PowerDroid&>(*droid).containsPowerUp, -1) << "carries nothing unless told";
    EXPECT_EQ(droid->keepOnRestart, 1) << "walking, as it does not start flying";
    for (int32_t type : {11, 14, 15, 29})
        EXPECT_EQ(CreateEntity(type)->keepOnRestart, 1) << "fixed to the scenery: " << type;
}

TEST_F(EnemyPropertiesTest, TheEditorListsTheirPropertiesInItsOwnOrder)
{
    EXPECT_EQ(ListedNames(*CreateEntity(7)), (std::vector<std::string>{"Record Pattern", "Start Side", "Start Flying?",
                                                                       "Start Walking", "Contains PowerUP"}));
    const std::vector<std::string> droid = {"Record Pattern", "Start Falling?", "Start Facing right?", "COLOR"};
    EXPECT_EQ(ListedNames(*CreateEntity(14)), droid);
    EXPECT_EQ(ListedNames(*CreateEntity(15)), droid);
    EXPECT_EQ(ListedNames(*CreateEntity(29)), (std::vector<std::string>{"Up or Down", "Sideways"}));
    EXPECT_TRUE(ListedNames(*CreateEntity(11)).empty());

    // The editor changes the entity through the listed pointers.
    auto made = CreateEntity(7);
    auto& powerDroid = static_cast<PowerDroid&>(*made);
    std::vector<EntityProperty> list;
    powerDroid.DescribeProperties(list);
    EXPECT_EQ(list[0].kind, 3);
    EXPECT_EQ(list[0].boolValue, &powerDroid.recording);
    EXPECT_EQ(list[3].boolValue, &powerDroid.keepOnRestart);
    EXPECT_EQ(list[4].intValue, &powerDroid.containsPowerUp);
}

TEST_F(EnemyPropertiesTest, APowerDroidStoresItsPropertiesThenItsPatternAndReadsThemBack)
{
    PowerDroid droid;
    droid.x = 120.0f;
    droid.y = 330.0f;
    droid.startSide = 1;
    droid.startFlying = 0;
    droid.containsPowerUp = 7;
    droid.keepOnRestart = 0; // "Start Walking" is not stored
    droid.pattern = TwoSteps;
    Bytes expected;
    expected.F32(120).F32(330).U8(1).U8(0).I32(7);
    TwoStepBytes(expected);
    EXPECT_EQ(Saved(droid), expected.text);

    auto back = Loaded(7, expected.text);
    ASSERT_NE(back, nullptr);
    auto& loaded = static_cast<PowerDroid&>(*back);
    EXPECT_EQ(loaded.keepOnRestart, 1) << "saved with \"Start Flying?\" 0, it loads walking";
    EXPECT_EQ(loaded.containsPowerUp, 7);
    EXPECT_EQ(loaded.pattern, TwoSteps);
    EXPECT_EQ(Saved(loaded), expected.text);

    Bytes flying;
    flying.F32(0).F32(0).U8(0).U8(1).I32(-1).I32(0);
    auto flier = Loaded(7, flying.text);
    ASSERT_NE(flier, nullptr);
    flier->keepOnRestart = 1;
    EXPECT_EQ(Saved(*flier), flying.text);
    EXPECT_EQ(Loaded(7, flying.text)->keepOnRestart, 0) << "saved flying, it loads not walking";
}

TEST_F(EnemyPropertiesTest, EveryClassReadsBackWhatItWrote)
{
    Droid droid;
    droid.startFalling = 1;
    droid.color = 5;
    droid.pattern = TwoSteps;
    Bytes droidBytes;
    droidBytes.F32(0).F32(0).U8(1).U8(0).I32(5);
    TwoStepBytes(droidBytes);
    EXPECT_EQ(Saved(droid), droidBytes.text);

    VulcanDroid vulcan;
    vulcan.x = -30.0f;
    vulcan.startFacingRight = 1;
    vulcan.color = 2;
    Bytes vulcanBytes;
    vulcanBytes.F32(-30).F32(0).U8(0).U8(1).I32(2).I32(0);
    EXPECT_EQ(Saved(vulcan), vulcanBytes.text);

    Graboid graboid;
    graboid.sideways = 1;
    Bytes graboidBytes;
    graboidBytes.F32(0).F32(0).U8(0).U8(1);
    EXPECT_EQ(Saved(graboid), graboidBytes.text) << "\"Up or Down\" then \"Sideways\"";

    FallingRock rock;
    rock.x = 45.0f;
    Bytes rockBytes;
    rockBytes.F32(45).F32(0);
    EXPECT_EQ(Saved(rock), rockBytes.text);

    const std::pair<int32_t, std::string> stored[] = {
        {14, droidBytes.text}, {15, vulcanBytes.text}, {29, graboidBytes.text}, {11, rockBytes.text}};
    for (const auto& [type, bytes] : stored) {
        auto back = Loaded(type, bytes);
        ASSERT_NE(back, nullptr) << type;
        EXPECT_EQ(Saved(*back), bytes) << type;
        EXPECT_EQ(Saved(*back->Clone()), bytes) << "a clone carries the same: " << type;
    }
    auto loadedDroid = Loaded(14, droidBytes.text);
    EXPECT_EQ(static_cast<Droid&>(*loadedDroid).color, 5);
    EXPECT_EQ(static_cast<Droid&>(*loadedDroid).pattern, TwoSteps);
}

TEST_F(EnemyPropertiesTest, OutOfRangeColoursAndPowerUpsFailTheLoad)
{
    for (int32_t color : {-1, DroidWalker::Colours, 1000}) {
        Bytes bytes;
        bytes.F32(0).F32(0).U8(0).U8(0).I32(color).I32(0);
        EXPECT_EQ(Loaded(14, bytes.text), nullptr) << color;
        EXPECT_EQ(Loaded(15, bytes.text), nullptr) << color;
    }
    for (int32_t kind : {-2, 9, 1 << 30}) {
        Bytes bytes;
        bytes.F32(0).F32(0).U8(0).U8(0).I32(kind).I32(0);
        EXPECT_EQ(Loaded(7, bytes.text), nullptr) << kind;
    }
    Bytes lastKind;
    lastKind.F32(0).F32(0).U8(0).U8(0).I32(8).I32(0);
    EXPECT_NE(Loaded(7, lastKind.text), nullptr);
    Bytes cut;
    cut.F32(0).F32(0).U8(1);
    EXPECT_EQ(Loaded(29, cut.text), nullptr) << "a graboid cut after one flag";
}
