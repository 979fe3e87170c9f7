// The editor's modes driven button by button on a detached, headless engine: the time line,
// fixed objects released before they scroll into view, removal in time order, property
// steps, saving, and the stage choice's missing files.
#include "engine/editor/editor_modes.hpp"
#include "editor/editor_test_support.hpp"
#include "editor/editor_texts.hpp"
#include "editor/property_step.hpp"
#include "world/entity.hpp"
#include "world/entity_file.hpp"
#include "game/entity_registry.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using editor_testing::EditorEngine;

namespace {

constexpr int32_t TurretType = 3;
constexpr int32_t TimeManipulatorType = 2;
constexpr int32_t ButterflyType = 1;
constexpr int32_t TileBreakerType = 8;

// A map of 200 by 16 tiles and a camera moving right one pixel per tick from tick 0.
void ScrollingStage(Engine& engine)
{
    engine.world.mapWidth = 200;
    engine.world.mapHeight = 16;
    ScrollManipulator path;
    path.velocityX = 1.0f;
    engine.world.scrollManipulators = {path};
    engine.editor.editorMode = TimeIndexMode;
}

// From the time line to the entity list at `type`, then Return: placement begins.
void ChooseEntity(EditorEngine& e, int32_t type)
{
    InputState& input = e.Input();
    e.Press(input.Select); // time line -> main menu
    ASSERT_EQ(e.engine.editor.editorMode, MainMenuMode);
    e.PressTimes(input.MenuDown, EntitiesRow);
    e.Press(input.Select);
    ASSERT_EQ(e.engine.editor.editorMode, EntityTypeMode);
    e.engine.editor.editorSelection = type;
    e.Press(input.Select);
    ASSERT_EQ(e.engine.editor.editorMode, PlacementMode);
    ASSERT_TRUE(e.engine.editor.pendingEntity);
}

// Placement -> properties -> DONE.
void FinishPlacement(EditorEngine& e)
{
    InputState& input = e.Input();
    e.Press(input.Select);
    ASSERT_EQ(e.engine.editor.editorMode, PropertiesMode);
    e.PressTimes(input.MenuDown, PropertiesDoneRow);
    e.Press(input.Select);
    ASSERT_EQ(e.engine.editor.editorMode, TimeIndexMode);
}

const std::vector<Generator>& PlayLayer(const Engine& engine) { return engine.world.generators[2]; }

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(EditorTimeLine, StepsBySecondsOnlyAboveOneSecondAndNeverBelowZero)
{
    EditorEngine e;
    Engine& engine = e.engine;
    engine.editor.editorMode = TimeIndexMode;
    InputState& input = e.Input();

    engine.stateTicks = 40;
    e.Hold(input.MenuLeft, 5);
    EXPECT_EQ(engine.stateTicks, 40u) << "seconds back only while above 50";

    engine.stateTicks = 0;
    e.Hold(input.MenuUp, 5);
    EXPECT_EQ(engine.stateTicks, 0u);

    // Held, not pressed: the tick of the press itself moves nothing.
    e.Hold(input.MenuDown, 4);
    EXPECT_EQ(engine.stateTicks, 3u);
    e.Hold(input.MenuRight, 3);
    EXPECT_EQ(engine.stateTicks, 103u);
    e.Hold(input.MenuLeft, 2);
    EXPECT_EQ(engine.stateTicks, 53u);
    e.Hold(input.MenuLeft, 3);
    EXPECT_EQ(engine.stateTicks, 3u) << "53 -> 3, then 3 is not above 50";
}

TEST(EditorTimeLine, TheCameraFollowsTheTimeIndexAndANewManipulatorStartsWithTheScrollingSpeed)
{
    EditorEngine e;
    Engine& engine = e.engine;
    ScrollingStage(engine);
    engine.stateTicks = 300;
    e.Tick();
    EXPECT_EQ(engine.world.camera.x, 300.0f);

    // At time index 0 there is no earlier tick: the speed is the one leaving it.
    engine.stateTicks = 0;
    e.Tick();
    e.Press(e.Input().Select);
    e.PressTimes(e.Input().MenuDown, ScrollManipulatorRow);
    e.Press(e.Input().Select);
    ASSERT_EQ(engine.editor.editorMode, ManipulatorMode);
    EXPECT_EQ(engine.editor.pendingManipulator.velocityX, 1.0f);
    EXPECT_EQ(engine.editor.pendingManipulator.accelerateTicks, 1);

    e.Hold(e.Input().MenuRight, 3); // acceleration x + 0.01 on two ticks
    e.PressTimes(e.Input().MenuDown, 5);
    EXPECT_EQ(engine.editor.editorSelection, ManipulatorDoneRow) << "the rows end at DONE";
    e.Press(e.Input().Select);
    EXPECT_EQ(engine.editor.editorMode, MainMenuMode);
    ASSERT_EQ(engine.world.scrollManipulators.size(), 2u);
    const ScrollManipulator& added = engine.world.scrollManipulators[1];
    EXPECT_EQ(added.startTime, 0u) << "sorted by start time, the new one after the old of equal start";
    EXPECT_EQ(added.accelerationX, 0.01f + 0.01f);
}

TEST(EditorPlacement, AFixedObjectIsReleasedAtTheLastTickBeforeItsTileComesWithinTheActivationWindow)
{
    for (const int32_t type : {TileBreakerType, TurretType}) {
        EditorEngine e;
        Engine& engine = e.engine;
        ScrollingStage(engine);
        engine.editLayer = 3;
        engine.stateTicks = 3000;
        e.Tick();
        ChooseEntity(e, type);
        e.PressTimes(e.Input().MenuDown, 5); // tile (100, 5): x 3000, y 150
        if (type == TurretType) {
            // Ground-mounted guns belong with the scenery, which the editor releases early.
            e.engine.editor.pendingEntity->keepOnRestart = 1;
        }
        ASSERT_EQ(e.engine.editor.pendingEntity->keepOnRestart, 1) << type;
        FinishPlacement(e);
        ASSERT_EQ(PlayLayer(engine).size(), 1u);
        const Generator& placed = PlayLayer(engine)[0];
        EXPECT_EQ(placed.x, 3000.0f);
        EXPECT_EQ(placed.y, 150.0f);
        // The window reaches 64 px past the right edge: x 3000 is inside from camera 2296 on.
        EXPECT_EQ(placed.timeIndex, 2295u) << EntityTypeName(type);
        EXPECT_EQ(engine.stateTicks, 3000u) << "DONE leaves the editor's time index where it was";
        EXPECT_EQ(placed.templateEntity->active, 0) << "the probing leaves the template as it was";
    }
}

TEST(EditorPlacement, AFlyingEnemyKeepsTheTimeIndexItWasPlacedAt)
{
    EditorEngine e;
    Engine& engine = e.engine;
    ScrollingStage(engine);
    engine.editLayer = 3;
    engine.stateTicks = 3000;
    e.Tick();
    ChooseEntity(e, ButterflyType);
    FinishPlacement(e);
    ASSERT_EQ(PlayLayer(engine).size(), 1u);
    EXPECT_EQ(PlayLayer(engine)[0].timeIndex, 3000u);
    EXPECT_EQ(PlayLayer(engine)[0].type, ButterflyType);
    EXPECT_EQ(engine.editor.lastEntityType, ButterflyType);
}

TEST(EditorRemoval, TwoEntitiesOnOneTileGoOnePerReturnTheEarlierFirstAndOtherLayersStay)
{
    EditorEngine e;
    Engine& engine = e.engine;
    engine.world.mapWidth = 50;
    engine.world.mapHeight = 16;
    engine.editor.editorMode = TimeIndexMode;
    engine.editLayer = 3;
    InputState& input = e.Input();
    for (const uint32_t time : {500u, 200u}) {
        engine.stateTicks = time;
        ChooseEntity(e, TimeManipulatorType);
        e.PressTimes(input.MenuRight, 2);
        e.PressTimes(input.MenuDown, 3);
        FinishPlacement(e);
    }
    ASSERT_EQ(PlayLayer(engine).size(), 2u);
    EXPECT_EQ(PlayLayer(engine)[0].timeIndex, 200u) << "the list is kept in time order";
    // The same spot on the middle layer.
    Generator other = PlayLayer(engine)[0];
    other.layer = 2;
    engine.world.generators[1].push_back(other);

    e.Press(input.Select);
    e.PressTimes(input.MenuDown, RemoveEntityRow);
    e.Press(input.Select);
    ASSERT_EQ(engine.editor.editorMode, RemovalMode);
    e.Tick();
    EXPECT_EQ(engine.editor.cursorColumn, 0.0f) << "a still camera's tile";
    e.PressTimes(input.MenuRight, 2);
    e.PressTimes(input.MenuDown, 3);

    e.Press(input.Select);
    ASSERT_EQ(PlayLayer(engine).size(), 1u);
    EXPECT_EQ(PlayLayer(engine)[0].timeIndex, 500u);
    e.Press(input.Select);
    EXPECT_TRUE(PlayLayer(engine).empty());
    e.Press(input.Select);
    EXPECT_EQ(engine.world.generators[1].size(), 1u);
}

TEST(EditorProperties, FireMakesIntegersMoveByTensAndTheDelayStopsAtZero)
{
    EditorEngine e;
    Engine& engine = e.engine;
    engine.world.mapWidth = 50;
    engine.world.mapHeight = 16;
    engine.editor.editorMode = TimeIndexMode;
    engine.stateTicks = 100;
    ChooseEntity(e, TimeManipulatorType);
    InputState& input = e.Input();
    e.Press(input.Select);
    ASSERT_EQ(engine.editor.editorMode, PropertiesMode);
    ASSERT_GE(engine.editor.properties.size(), 1u);
    const EntityProperty jump = engine.editor.properties[0];
    ASSERT_STREQ(jump.name, "Jump To Index");
    ASSERT_EQ(*jump.intValue, 100);

    e.PressTimes(input.MenuDown, FirstPropertyRow);
    e.Hold(input.MenuRight, 4); // three held ticks
    EXPECT_EQ(*jump.intValue, 103);
    input.FIRE.state = ButtonState::Held;
    e.Hold(input.MenuRight, 4);
    EXPECT_EQ(*jump.intValue, 133);
    e.Hold(input.MenuLeft, 2);
    EXPECT_EQ(*jump.intValue, 123);
    input.FIRE.state = ButtonState::Idle;

    e.PressTimes(input.MenuUp, FirstPropertyRow);
    ASSERT_EQ(engine.editor.editorSelection, DelayRow);
    e.Hold(input.MenuRight, 3);
    EXPECT_EQ(engine.editor.pendingGenerator.delay, 2u);
    EXPECT_EQ(engine.editor.pendingGenerator.tickCounter, 2u);
    e.Hold(input.MenuLeft, 6);
    EXPECT_EQ(engine.editor.pendingGenerator.delay, 0u) << "never wraps round to four billion";
    e.PressTimes(input.MenuDown, 10);
    EXPECT_EQ(engine.editor.editorSelection,
              FirstPropertyRow + static_cast<int32_t>(engine.editor.properties.size()) - 1);
}

TEST(EditorEscape, LeavesForTheTitleFromTheStageChoiceAndDropsWhatIsBeingPlacedElsewhere)
{
    {
        EditorEngine e;
        e.engine.world.mapWidth = 50;
        e.engine.world.mapHeight = 16;
        e.engine.editor.editorMode = TimeIndexMode;
        ChooseEntity(e, TimeManipulatorType);
        e.Press(e.Input().Escape);
        EXPECT_EQ(e.engine.editor.editorMode, TimeIndexMode);
        EXPECT_FALSE(e.engine.editor.pendingEntity);
        for (const auto& list : e.engine.world.generators)
            EXPECT_TRUE(list.empty()) << "nothing pending is placed";
    }
    EditorEngine e;
    ASSERT_EQ(e.engine.state, Editor);
    e.engine.editLayer = 2;
    e.Press(e.Input().Escape);
    EXPECT_EQ(e.engine.state, Title);
    EXPECT_FALSE(e.engine.quitRequested);
    // A game begun from the title edits nothing: the layer its overlay would show is 4 again.
    e.engine.StartGame();
    ASSERT_EQ(e.engine.state, Play);
    EXPECT_EQ(e.engine.editLayer, 4);
}

TEST(EditorStageChoice, AStageWithoutAMapStaysAtTheChoiceAndSaysWhichFileIsMissing)
{
    EditorEngine e;
    Engine& engine = e.engine;
    InputState& input = e.Input();
    ASSERT_EQ(engine.stageIndex, 1);
    e.Press(input.MenuUp);
    EXPECT_EQ(engine.stageIndex, 8) << "below 1 comes 8";
    e.Press(input.MenuDown);
    EXPECT_EQ(engine.stageIndex, 1) << "above 8 comes 1";
    e.PressTimes(input.MenuUp, 4);
    ASSERT_EQ(engine.stageIndex, 5);
    e.Press(input.Select);
    EXPECT_EQ(engine.editor.editorMode, StageChoiceMode);
    EXPECT_FALSE(engine.quitRequested);
    EXPECT_NE(e.LogText().find("Maps/STAGE5.MAP: there is no such stage map; choose another stage to edit.\n"),
              std::string::npos)
        << e.LogText();

    // A shipped stage still loads afterwards.
    e.PressTimes(input.MenuDown, 4);
    e.Press(input.Select);
    EXPECT_EQ(engine.editor.editorMode, TimeIndexMode);
    EXPECT_GT(engine.world.mapWidth, 0);
}

TEST(EditorSave, SavingRightAfterLoadingWritesTheLoadedBytesAndLeavesNoTemporaryFile)
{
    for (int stage = 1; stage <= 3; ++stage) {
        EditorEngine e;
        Engine& engine = e.engine;
        const std::string path = "Maps/STAGE" + std::to_string(stage) + ".ENT";
        const std::string loaded = testing_support::ReadFile(path);
        ASSERT_FALSE(loaded.empty());
        engine.stageIndex = stage;
        InputState& input = e.Input();
        e.Press(input.Select);
        ASSERT_EQ(engine.editor.editorMode, TimeIndexMode);
        std::filesystem::remove(path); // the save must write every byte itself
        e.Press(input.Select);
        e.PressTimes(input.MenuDown, SaveMapRow);
        e.Press(input.Select);
        EXPECT_EQ(engine.editor.editorMode, MainMenuMode);
        EXPECT_TRUE(testing_support::ReadFile(path) == loaded) << path;
        EXPECT_FALSE(std::filesystem::exists(path + ".saving"));

        // Loading another map throws the stage away and returns to the choice.
        e.Press(input.MenuDown);
        e.Press(input.Select);
        EXPECT_EQ(engine.editor.editorMode, StageChoiceMode);
        EXPECT_EQ(engine.world.mapWidth, 0);
        EXPECT_TRUE(engine.world.generators[2].empty());
    }
}

TEST(EditorSave, ASaveThatCannotBeWrittenKeepsThePreviousFileAndSaysSo)
{
    EditorEngine e;
    Engine& engine = e.engine;
    const std::string loaded = testing_support::ReadFile("Maps/STAGE1.ENT");
    InputState& input = e.Input();
    e.Press(input.Select);
    ASSERT_EQ(engine.editor.editorMode, TimeIndexMode);
    engine.world.generators[2].clear(); // an edit that must not reach the file
    // The temporary file's place is taken, so the save cannot even begin.
    std::filesystem::create_directories("Maps/STAGE1.ENT.saving/blocked");
    e.Press(input.Select);
    e.PressTimes(input.MenuDown, SaveMapRow);
    e.Press(input.Select);
    EXPECT_EQ(engine.editor.editorMode, MainMenuMode);
    EXPECT_TRUE(testing_support::ReadFile("Maps/STAGE1.ENT") == loaded);
    const std::string log = e.LogText();
    EXPECT_NE(log.find("Maps/STAGE1.ENT: the stage could not be saved; the previous file is kept.\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("Maps/STAGE1.ENT saved."), std::string::npos);
}

// Every integer property of every type the editor lists, stepped at and past both ends of what
// the loader accepts (one step and a fast step), is kept inside; a stage holding each such
// template saves, loads, and saves again to the same bytes.
TEST(EditorProperties, NoStepTakesAnIntegerOutsideWhatTheStageLoaderAccepts)
{
    Engine engine{Engine::Detached{}};
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "skyreaver_ranges.ENT";
    int checked = 0;
    for (int32_t type = 0; type < EditorEntityTypeCount; ++type) {
        std::vector<EntityProperty> properties;
        std::shared_ptr<Entity> probe = CreateEntity(type);
        ASSERT_TRUE(probe) << type;
        probe->DescribeProperties(properties);
        for (size_t index = 0; index < properties.size(); ++index) {
            if (properties[index].kind != static_cast<int32_t>(PropertyKind::Integer))
                continue;
            for (const int direction : {-1, +1}) {
                for (const bool fast : {false, true}) {
                    std::shared_ptr<Entity> entity = CreateEntity(type);
                    std::vector<EntityProperty> own;
                    entity->DescribeProperties(own);
                    const EntityProperty& property = own[index];
                    const int32_t end = direction < 0 ? property.minValue : property.maxValue;
                    *property.intValue = direction < 0 ? end + (end < INT32_MAX - 20 ? 3 : 0)
                                                       : end - (end > INT32_MIN + 20 ? 3 : 0);
                    for (int step = 0; step < 5; ++step)
                        StepProperty(property, direction, fast);
                    EXPECT_EQ(*property.intValue, end) << EntityTypeName(type) << " " << property.name;

                    StageWorld saved;
                    Generator generator;
                    generator.layer = 3;
                    generator.count = 1;
                    generator.type = type;
                    generator.templateEntity = entity;
                    saved.generators[2].push_back(generator);
                    ASSERT_TRUE(SaveEntityFile(saved, file.string()));
                    StageWorld loaded;
                    ASSERT_TRUE(LoadEntityFile(loaded, file.string(), false))
                        << EntityTypeName(type) << " " << property.name << " = " << end;
                    const std::string first = ReadBytes(file);
                    ASSERT_TRUE(SaveEntityFile(loaded, file.string()));
                    EXPECT_EQ(ReadBytes(file), first) << EntityTypeName(type) << " " << property.name;
                    ++checked;
                }
            }
        }
    }
    std::filesystem::remove(file);
    EXPECT_GE(checked, 40) << "the listed types have integer properties to step";
}
