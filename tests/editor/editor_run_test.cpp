// The editor driven through the real binary by key scripts, headless, in a scratch run
// directory whose stage files are copies: a wave, water and a manipulator placed and saved
// (the saved file holds the shipped stage plus exactly those), play from a time index and
// back, a serpent's path flown, recorded and saved with its template, and integers driven past
// their ends saved into a stage that plays and saves again unchanged.
#include "editor/editor_test_support.hpp"
#include "support/headless_scope.hpp"
#include "tools/stage/stage_text.hpp"
#include "world/control_entity.hpp"
#include "world/entity.hpp"
#include "world/entity_file.hpp"
#include "game/entity_registry.hpp"
#include "world/stage_world.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <tuple>
#include <sstream>

using editor_testing::EditorScratch;
using namespace testing_support;

namespace {

constexpr int PlayState = 8;
constexpr int EditorScreen = 13;

// A key script built press by press: each press is a down at its tick and an up one later.
class KeyScript {
public:
    KeyScript& Press(long tick, const char* key) { return Hold(tick, tick + 1, key); }
    KeyScript& Presses(long tick, const char* key, int times)
    {
        for (int i = 0; i < times; ++i)
            Press(tick + 4 * i, key);
        return *this;
    }
    KeyScript& Hold(long down, long up, const char* key)
    {
        text_ << down << ' ' << key << " down\n" << up << ' ' << key << " up\n";
        return *this;
    }
    std::string Text() const { return text_.str(); }

private:
    std::ostringstream text_;
};

double Number(const std::string& line, const std::string& key)
{
    const size_t at = line.find("\"" + key + "\":");
    return at == std::string::npos ? -1.0 : std::strtod(line.c_str() + at + key.size() + 3, nullptr);
}

std::vector<std::string> RunEditor(const EditorScratch& dir, const KeyScript& keys, long ticks)
{
    WriteFile(dir / "keys.txt", keys.Text());
    const RunResult result = RunGame(dir, "--editor --headless --quit-after " + std::to_string(ticks) +
                                              " --input keys.txt --trace trace.jsonl");
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    return ReadLines(dir / "trace.jsonl");
}

// The trace line written after tick `tick` (ticks count from 1).
const std::string& AfterTick(const std::vector<std::string>& trace, long tick)
{
    static const std::string none;
    return tick >= 1 && static_cast<size_t>(tick) <= trace.size() ? trace[static_cast<size_t>(tick - 1)] : none;
}

void SetProperty(Entity& entity, const char* name, const std::function<void(const EntityProperty&)>& set)
{
    std::vector<EntityProperty> list;
    entity.DescribeProperties(list);
    for (const EntityProperty& property : list)
        if (std::strcmp(property.name, name) == 0)
            set(property);
}

} // namespace

TEST(EditorRun, AWaveWaterAndAManipulatorPlacedAndSavedAreExactlyWhatTheFileGains)
{
    EditorScratch dir("editor-place");
    // The entity classes read the engine as they are made; some load their pictures then.
    Engine engine{Engine::Detached{}};
    HeadlessScope headless;
    const std::string path = (dir / "Maps/STAGE1.ENT").string();
    StageWorld expected;
    ASSERT_TRUE(LoadEntityFile(expected, path, false));

    KeyScript keys;
    keys.Press(10, "RETURN")          // stage 1
        .Hold(20, 31, "RIGHT")        // ten seconds: 500
        .Hold(35, 38, "DOWN")         // two ticks: 502
        .Press(42, "RETURN")          // main menu
        .Press(44, "3")               // the play layer
        .Presses(46, "DOWN", 2)       // ENTITIES
        .Press(54, "RETURN")
        .Press(58, "DOWN")            // BUTTERFLY
        .Press(62, "RETURN")
        .Presses(66, "RIGHT", 3)
        .Presses(78, "DOWN", 2)
        .Press(86, "RETURN")          // properties
        .Hold(90, 96, "RIGHT")        // delay 5
        .Press(100, "DOWN")
        .Hold(104, 107, "RIGHT")      // count 1 + 2
        .Presses(110, "DOWN", 2)      // "Spawn Side"
        .Hold(118, 120, "RIGHT")      // 1
        .Presses(124, "DOWN", 2)      // "SineWave"
        .Hold(132, 140, "Z")          // FIRE: whole steps...
        .Hold(134, 137, "RIGHT")      // ...two of them
        .Hold(144, 146, "RIGHT")      // and one hundredth
        .Presses(150, "UP", 3)        // DONE
        .Press(162, "RETURN")
        .Press(166, "RETURN")         // main menu
        .Presses(170, "DOWN", 5)      // WATER PLANES
        .Press(190, "RETURN")
        .Press(194, "RIGHT")
        .Press(198, "DOWN")
        .Press(202, "RETURN")         // a 30 x 30 rectangle on the cursor's tile
        .Press(206, "RIGHT")          // half width 22.5
        .Press(210, "DOWN")
        .Press(214, "RIGHT")          // half height 22.5
        .Press(218, "DOWN")
        .Press(222, "LEFT")           // centre x - 7.5
        .Press(226, "RETURN")
        .Presses(230, "DOWN", 3)      // SCROLL MANIPULATOR
        .Press(242, "RETURN")
        .Hold(246, 249, "RIGHT")      // acceleration x 0.02
        .Presses(252, "DOWN", 2)
        .Hold(260, 262, "RIGHT")      // accelerate ticks 2
        .Press(266, "DOWN")
        .Press(270, "RETURN")         // DONE
        .Presses(274, "DOWN", 6)      // SAVE MAP
        .Press(298, "RETURN");
    RunEditor(dir, keys, 310);

    // What the script placed, applied by hand to the shipped stage.
    const uint32_t time = 502;
    const CameraPoint camera = CameraAtTime(expected.scrollManipulators, time);
    const float column = std::trunc(camera.x / 30.0f);
    const float row = std::trunc(camera.y / 30.0f);

    Generator wave;
    wave.timeIndex = time;
    wave.layer = 3;
    wave.x = 30.0f * (column + 3.0f);
    wave.y = 30.0f * (row + 2.0f);
    wave.delay = 5;
    wave.tickCounter = 5;
    wave.count = 3;
    wave.type = EntityTypeByName("BUTTERFLY");
    std::shared_ptr<Entity> butterfly = CreateEntity(wave.type);
    butterfly->x = butterfly->prevX = wave.x;
    butterfly->y = butterfly->prevY = wave.y;
    SetProperty(*butterfly, "Spawn Side", [](const EntityProperty& p) { *p.boolValue = 1; });
    SetProperty(*butterfly, "SineWave", [](const EntityProperty& p) {
        *p.floatValue = *p.floatValue + 1.0f + 1.0f + 0.01f;
    });
    wave.templateEntity = butterfly;
    auto& playLayer = expected.generators[2];
    playLayer.insert(std::upper_bound(playLayer.begin(), playLayer.end(), wave,
                                      [](const Generator& a, const Generator& b) { return a.timeIndex < b.timeIndex; }),
                     wave);

    expected.water.push_back(
        RectFromHalfSize(22.5f, 22.5f, 30.0f * (column + 1.0f) + 15.0f - 7.5f, 30.0f * (row + 1.0f) + 15.0f));

    ScrollManipulator added;
    added.startTime = time;
    added.positionX = camera.x;
    added.positionY = camera.y;
    const CameraPoint before = CameraAtTime(expected.scrollManipulators, time - 1);
    added.velocityX = camera.x - before.x;
    added.velocityY = camera.y - before.y;
    added.accelerationX = 0.01f + 0.01f;
    added.accelerateTicks = 2;
    auto& manipulators = expected.scrollManipulators;
    manipulators.insert(std::upper_bound(manipulators.begin(), manipulators.end(), added,
                                         [](const ScrollManipulator& a, const ScrollManipulator& b) {
                                             return a.startTime < b.startTime;
                                         }),
                        added);

    StageWorld saved;
    ASSERT_TRUE(LoadEntityFile(saved, path, false)) << "the saved file reads back";
    EXPECT_EQ(WriteStageText(saved), WriteStageText(expected));
    ASSERT_TRUE(SaveEntityFile(expected, (dir / "expected.ENT").string()));
    EXPECT_TRUE(ReadFile(dir / "expected.ENT") == ReadFile(path)) << "byte for byte";
}

TEST(EditorRun, PlayFromHereRunsFromTheTimeIndexAndEscapeComesBackToIt)
{
    EditorScratch dir("editor-play");
    KeyScript keys;
    keys.Press(10, "RETURN")
        .Hold(20, 31, "RIGHT") // 500
        .Press(35, "RETURN")   // main menu
        .Press(40, "RETURN")   // PLAY FROM HERE
        .Press(100, "ESCAPE")
        .Press(110, "RETURN"); // and again
    const std::vector<std::string> trace = RunEditor(dir, keys, 130);
    ASSERT_EQ(trace.size(), 130u);
    EXPECT_EQ(Number(AfterTick(trace, 39), "state"), EditorScreen);
    for (long tick = 40; tick < 100; ++tick) {
        const std::string& line = AfterTick(trace, tick);
        ASSERT_EQ(Number(line, "state"), PlayState) << line;
        ASSERT_EQ(Number(line, "stateTicks"), 500 + (tick - 40)) << line;
    }
    for (long tick = 100; tick < 110; ++tick) {
        const std::string& line = AfterTick(trace, tick);
        ASSERT_EQ(Number(line, "state"), EditorScreen) << line;
        ASSERT_EQ(Number(line, "stateTicks"), 500) << line;
    }
    EXPECT_EQ(Number(AfterTick(trace, 110), "state"), PlayState) << "back at the menu's first row";
    EXPECT_EQ(Number(AfterTick(trace, 111), "stateTicks"), 501);
}

TEST(EditorRun, ASerpentsRecordedPathIsSavedWithItsTemplateTickForTick)
{
    EditorScratch dir("editor-record");
    Engine engine{Engine::Detached{}};
    HeadlessScope headless;
    const std::string path = (dir / "Maps/STAGE1.ENT").string();
    StageWorld shipped;
    ASSERT_TRUE(LoadEntityFile(shipped, path, false));
    const CameraPoint camera = CameraAtTime(shipped.scrollManipulators, 500);

    constexpr long RecordTick = 143; // Return on "Record Pattern"; play's first tick follows
    KeyScript keys;
    keys.Press(10, "RETURN")
        .Hold(20, 31, "RIGHT") // 500
        .Press(35, "RETURN")
        .Press(37, "3")
        .Presses(39, "DOWN", 2)
        .Press(47, "RETURN")
        .Presses(51, "DOWN", 6) // SERPENT
        .Press(75, "RETURN")
        .Presses(79, "RIGHT", 6)
        .Presses(103, "DOWN", 6)
        .Press(127, "RETURN")
        .Presses(131, "DOWN", 3) // "Record Pattern"
        .Press(RecordTick, "RETURN")
        .Hold(150, 170, "UP")
        .Hold(175, 200, "RIGHT")
        .Hold(205, 215, "DOWN")
        .Press(240, "ESCAPE")
        .Presses(244, "DOWN", 2) // DONE: placed once, though the recording placed it already
        .Press(252, "RETURN")
        .Press(256, "RETURN")
        .Presses(260, "DOWN", 6) // SAVE MAP
        .Press(284, "RETURN");
    const std::vector<std::string> trace = RunEditor(dir, keys, 300);
    EXPECT_EQ(Number(AfterTick(trace, RecordTick), "state"), PlayState);
    EXPECT_EQ(Number(AfterTick(trace, RecordTick + 1), "stateTicks"), 501);
    EXPECT_EQ(Number(AfterTick(trace, 239), "state"), PlayState);
    EXPECT_EQ(Number(AfterTick(trace, 240), "state"), EditorScreen);
    EXPECT_EQ(Number(AfterTick(trace, 240), "stateTicks"), 500);

    StageWorld saved;
    ASSERT_TRUE(LoadEntityFile(saved, path, false));
    const float x = 30.0f * (std::trunc(camera.x / 30.0f) + 6.0f);
    const float y = 30.0f * (std::trunc(camera.y / 30.0f) + 6.0f);
    std::vector<const Generator*> placed;
    for (const Generator& generator : saved.generators[2])
        if (generator.type == EntityTypeByName("SERPENT") && generator.x == x && generator.y == y)
            placed.push_back(&generator);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0]->timeIndex, 500u);
    EXPECT_EQ(saved.generators[2].size(), shipped.generators[2].size() + 1);

    // Each change of the live buttons, stamped with the ticks since the recording began.
    const auto stamp = [](long keyTick) { return static_cast<uint32_t>(keyTick - (RecordTick + 1)); };
    std::vector<ControlRecord> flown;
    const auto add = [&](long keyTick, uint8_t ControlBlock::*button, ButtonState state) {
        ControlRecord record;
        record.tick = stamp(keyTick);
        record.controls.*button = static_cast<uint8_t>(state);
        flown.push_back(record);
    };
    for (const auto& [down, up, button] : {std::tuple{150L, 170L, &ControlBlock::UP},
                                           std::tuple{175L, 200L, &ControlBlock::RIGHT},
                                           std::tuple{205L, 215L, &ControlBlock::DOWN}}) {
        add(down, button, ButtonState::JustPressed);
        add(down + 1, button, ButtonState::Held);
        add(up, button, ButtonState::JustReleased);
        add(up + 1, button, ButtonState::Idle);
    }
    const auto& serpent = dynamic_cast<const ControlEntity&>(*placed[0]->templateEntity);
    const std::vector<ControlRecord> recorded(serpent.pattern.begin(), serpent.pattern.end());
    ASSERT_EQ(recorded.size(), flown.size());
    for (size_t i = 0; i < flown.size(); ++i)
        EXPECT_TRUE(recorded[i] == flown[i]) << "record " << i << " at tick " << recorded[i].tick;
    EXPECT_EQ(serpent.x, x) << "the template stands where it was placed";
}

// Every integer an author can reach on a door, a tile breaker and a tile animation, a time
// jump, a droid and a power droid, driven well past each end (twice over, once each way):
// the stage saved with them is read by play's own loader, and saved again from the editor
// after play and back it is the same file.
TEST(EditorRun, IntegersDrivenPastTheirEndsSaveAStageThatPlaysAndSavesAgainUnchanged)
{
    EditorScratch dir("editor-extremes");
    Engine engine{Engine::Detached{}};
    HeadlessScope headless;
    const std::string path = (dir / "Maps/STAGE1.ENT").string();
    StageWorld shipped;
    ASSERT_TRUE(LoadEntityFile(shipped, path, false));

    struct Placed {
        int32_t type;
        int column; // tiles right of the camera's
        int direction;
    };
    std::vector<Placed> placed;
    KeyScript keys;
    long at = 10;
    const auto press = [&](const char* key, int times = 1) {
        for (int i = 0; i < times; ++i, at += 3)
            keys.Press(at, key);
    };
    press("RETURN"); // stage 1, time index 0
    press("3");
    int32_t listed = 0; // the entity list starts at the type chosen last
    for (const char* name :
         {"SLIDING DOOR", "TILEBREAKER", "TILEANIMATION", "TIME_MANIPULATOR", "DROID", "POWERDROID"}) {
        for (const int direction : {-1, +1}) {
            const int32_t type = EntityTypeByName(name);
            ASSERT_GE(type, 0) << name;
            placed.push_back({type, static_cast<int>(placed.size()), direction});
            press("RETURN"); // main menu
            press("DOWN", 2);
            press("RETURN"); // ENTITIES
            press(type > listed ? "DOWN" : "UP", std::abs(type - listed));
            listed = type;
            press("RETURN");
            press("RIGHT", placed.back().column);
            press("RETURN"); // properties
            std::vector<EntityProperty> rows;
            CreateEntity(type)->DescribeProperties(rows);
            int row = 0;
            for (size_t i = 0; i < rows.size(); ++i) {
                if (rows[i].kind != static_cast<int32_t>(PropertyKind::Integer))
                    continue;
                press("DOWN", 3 + static_cast<int>(i) - row);
                row = 3 + static_cast<int>(i);
                keys.Hold(at, at + 14, "Z"); // tens
                keys.Hold(at + 1, at + 13, direction < 0 ? "LEFT" : "RIGHT");
                at += 16;
            }
            press("UP", row - 2);
            press("RETURN"); // DONE
        }
    }
    press("RETURN");
    press("DOWN", 6);
    press("RETURN"); // SAVE MAP
    RunEditor(dir, keys, at + 10);

    StageWorld saved;
    ASSERT_TRUE(LoadEntityFile(saved, path, false)) << "the saved file reads back";
    const CameraPoint camera = CameraAtTime(shipped.scrollManipulators, 0);
    int integers = 0;
    for (const Placed& p : placed) {
        const float x = 30.0f * (std::trunc(camera.x / 30.0f) + static_cast<float>(p.column));
        const Generator* found = nullptr;
        for (const auto& layer : saved.generators)
            for (const Generator& generator : layer)
                if (generator.type == p.type && generator.x == x && generator.layer == 3)
                    found = &generator;
        ASSERT_TRUE(found) << EntityTypeName(p.type) << " at column " << p.column;
        std::vector<EntityProperty> values;
        found->templateEntity->DescribeProperties(values);
        for (const EntityProperty& property : values) {
            if (property.kind != static_cast<int32_t>(PropertyKind::Integer))
                continue;
            const int32_t end = p.direction < 0 ? property.minValue : property.maxValue;
            if (end != INT32_MIN && end != INT32_MAX) {
                EXPECT_EQ(*property.intValue, end) << EntityTypeName(p.type) << " " << property.name;
                ++integers;
            }
        }
    }
    EXPECT_EQ(integers, 13) << "every bounded end was reached and kept";
    const std::string first = ReadFile(path);

    // Play's own loader, which refuses what it cannot use, runs the stage.
    const RunResult play = RunGame(dir, "--play 1 --headless --quit-after 40 --trace play.jsonl");
    ASSERT_EQ(play.exitStatus, 0) << play.output;
    const std::vector<std::string> played = ReadLines(dir / "play.jsonl");
    ASSERT_EQ(played.size(), 40u);
    EXPECT_EQ(Number(played.back(), "state"), PlayState) << played.back();

    // Reopened by the editor into play, back to its menu, and saved again.
    KeyScript again;
    again.Press(30, "ESCAPE").Presses(34, "DOWN", 6).Press(60, "RETURN");
    WriteFile(dir / "keys.txt", again.Text());
    const RunResult edit =
        RunGame(dir, "--editor --play 1 --headless --quit-after 70 --input keys.txt --trace again.jsonl");
    ASSERT_EQ(edit.exitStatus, 0) << edit.output;
    const std::vector<std::string> trace = ReadLines(dir / "again.jsonl");
    EXPECT_EQ(Number(AfterTick(trace, 29), "state"), PlayState);
    EXPECT_EQ(Number(AfterTick(trace, 30), "state"), EditorScreen);
    EXPECT_NE(ReadFile(dir / "Logfile.txt").find("Maps/STAGE1.ENT saved.\n"), std::string::npos)
        << ReadFile(dir / "Logfile.txt");
    EXPECT_TRUE(ReadFile(path) == first) << "the second save is the first, byte for byte";
}
