// Demo files read and written, the order demos play in, and what a demo does to the
// player's settings.
#include "engine/engine.hpp"
#include "game/demo_file.hpp"
#include "engine/play/demo_playback.hpp"
#include "game/game_flow_globals.hpp"
#include "support/headless_scope.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace world_testing;

namespace {

ControlRecord Record(uint32_t tick, uint8_t fire)
{
    ControlRecord record;
    record.tick = tick;
    record.controls.FIRE = fire;
    return record;
}

DemoFlight SampleFlight()
{
    DemoFlight flight;
    flight.header = DemoHeader{2, 1, 3, 2, 3, {{{0.1f, 0.2f, 0.3f, 2.0f}, {1, 1, 1, 1}, {0, 0.5f, 1, 1.5f}}}, 1234};
    flight.x = 55.5f;
    flight.y = 240.25f;
    flight.pattern = {Record(3, 0), Record(3, 1), Record(9, 2)};
    return flight;
}

// The bytes of a demo file, field by field, in the order the format gives.
Bytes DemoBytes(const DemoHeader& h, int32_t count)
{
    Bytes bytes;
    bytes.I32(h.difficulty).I32(h.gunPodType).I32(h.stage).I32(h.orbPodType).I32(h.shipType);
    for (const ShipColour& c : h.colours)
        bytes.F32(c.red).F32(c.green).F32(c.blue).F32(c.saturation);
    bytes.I32(h.startTime).F32(10.0f).F32(20.0f).I32(count);
    return bytes;
}

class DemoDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        std::filesystem::create_directory("Demos");
        SetNextDemoIndex(1);
    }
    void TearDown() override
    {
        SetNextDemoIndex(1);
        RestoreDemoSettings(engine_);
        std::filesystem::current_path(previous_);
    }

    TempDir dir_{"demos"};
    std::filesystem::path previous_;
    testing_support::HeadlessScope headless_;
    Engine engine_{Engine::Detached{}};
};

} // namespace

TEST_F(DemoDir, AFlightIsWrittenInTheFileOrderAndReadsBackWhole)
{
    const DemoFlight flight = SampleFlight();
    ASSERT_TRUE(WriteDemoFile("Demos/one.dem", flight));
    EXPECT_FALSE(std::filesystem::exists("Demos/one.dem.saving"));
    Bytes expected = DemoBytes(flight.header, 3);
    expected.text.replace(72, 8, Bytes().F32(55.5f).F32(240.25f).text);
    for (const ControlRecord& r : flight.pattern)
        expected.U32(r.tick).U8(2).U8(r.controls.FIRE).U8(2).U8(2).U8(2).U8(2).U8(2).U8(2).U8(2);
    EXPECT_EQ(ReadBytes("Demos/one.dem"), expected.text);

    DemoFlight back;
    ASSERT_TRUE(ReadDemoFile("Demos/one.dem", back));
    EXPECT_EQ(back.header.startTime, 1234);
    EXPECT_EQ(back.header.shipType, 3);
    EXPECT_EQ(back.header.colours[2].saturation, 1.5f);
    EXPECT_EQ(back.x, 55.5f);
    EXPECT_EQ(back.pattern, flight.pattern);

    // Two records with the same tick are played on consecutive ticks, one per tick.
    PatternEntity ship;
    ship.pattern = back.pattern;
    for (int tick = 0; tick < 6; ++tick)
        ship.Update();
    ASSERT_EQ(ship.seen.size(), 6u);
    EXPECT_EQ(ship.seen[3].FIRE, 0);
    EXPECT_EQ(ship.seen[4].FIRE, 1);
    EXPECT_EQ(ship.seen[5].FIRE, 1);
}

TEST_F(DemoDir, EveryCutAndEveryOutOfRangeSettingFailsTheLoad)
{
    const DemoFlight flight = SampleFlight();
    ASSERT_TRUE(WriteDemoFile("Demos/whole.dem", flight));
    const std::string whole = ReadBytes("Demos/whole.dem");
    for (size_t length = 0; length < whole.size(); ++length) {
        WriteBytes("Demos/cut.dem", whole.substr(0, length));
        DemoFlight back;
        EXPECT_FALSE(ReadDemoFile("Demos/cut.dem", back)) << "cut at " << length;
    }
    DemoFlight none;
    EXPECT_FALSE(ReadDemoFile("Demos/missing.dem", none));

    const DemoHeader good = flight.header;
    auto bad = [&](auto change) {
        DemoHeader header = good;
        change(header);
        WriteBytes("Demos/bad.dem", DemoBytes(header, 0).text);
        DemoFlight back;
        return !ReadDemoFile("Demos/bad.dem", back);
    };
    EXPECT_FALSE(bad([](DemoHeader&) {})) << "the unchanged header loads";
    EXPECT_TRUE(bad([](DemoHeader& h) { h.difficulty = 3; }));
    EXPECT_TRUE(bad([](DemoHeader& h) { h.difficulty = -1; }));
    EXPECT_TRUE(bad([](DemoHeader& h) { h.gunPodType = 3; }));
    EXPECT_TRUE(bad([](DemoHeader& h) { h.stage = 0; }));
    EXPECT_TRUE(bad([](DemoHeader& h) { h.stage = 4; }));
    EXPECT_TRUE(bad([](DemoHeader& h) { h.orbPodType = -7; }));
    EXPECT_TRUE(bad([](DemoHeader& h) { h.shipType = 4; }));
    EXPECT_TRUE(bad([](DemoHeader& h) { h.colours[1].green = std::numeric_limits<float>::quiet_NaN(); }));
    EXPECT_TRUE(bad([](DemoHeader& h) { h.startTime = -1; }));
    EXPECT_TRUE(bad([](DemoHeader& h) { h.startTime = 2000000000; }));

    // A count that promises more records than the file holds fails before reading them.
    WriteBytes("Demos/huge.dem", DemoBytes(good, 1 << 30).text);
    DemoFlight back;
    EXPECT_FALSE(ReadDemoFile("Demos/huge.dem", back));
}

TEST_F(DemoDir, ARecordCountOfZeroOrBelowLeavesTheShipsPatternAsItWas)
{
    for (const int32_t count : {0, -5}) {
        WriteBytes("Demos/DemoStage1.dem", DemoBytes(SampleFlight().header, count).text);
        engine_.player.pattern = {Record(7, 1)};
        SetNextDemoIndex(1);
        ASSERT_TRUE(LoadNextDemo(engine_)) << count;
        ASSERT_EQ(engine_.player.pattern.size(), 1u);
        EXPECT_EQ(engine_.player.pattern[0].tick, 7u);
        RestoreDemoSettings(engine_);
        EXPECT_TRUE(engine_.player.pattern.empty()) << "the title leaves nothing of a demo to steer the next game";
    }
}

TEST_F(DemoDir, DemosPlayOneToFiveInTurnWhetherOrNotTheyLoad)
{
    ASSERT_TRUE(WriteDemoFile("Demos/DemoStage2.dem", SampleFlight()));
    std::vector<bool> loaded;
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(NextDemoIndex(), i % 5 + 1);
        loaded.push_back(LoadNextDemo(engine_));
        RestoreDemoSettings(engine_);
    }
    EXPECT_EQ(loaded, (std::vector<bool>{false, true, false, false, false, false, true}))
        << "the sixth demo is demo 1 again, the seventh demo 2";
}

TEST_F(DemoDir, ADemoPlaysWithItsSettingsAndAutofireAndTheTitleGivesThePlayersBack)
{
    ASSERT_TRUE(WriteDemoFile("Demos/DemoStage1.dem", SampleFlight()));
    engine_.difficulty = 1;
    engine_.ship.ShipType = 2;
    engine_.ship.orbPodType = 1;
    engine_.ship.gunPodType = 0;
    engine_.ship.colours[0].red = 0.75f;
    engine_.input.autofire = false;
    const ShipSettings own = engine_.ship;

    ASSERT_TRUE(LoadNextDemo(engine_));
    EXPECT_EQ(engine_.difficulty, 2);
    EXPECT_EQ(engine_.stageIndex, 3);
    EXPECT_EQ(engine_.ship.ShipType, 3);
    EXPECT_EQ(engine_.ship.orbPodType, 2);
    EXPECT_EQ(engine_.ship.gunPodType, 1);
    EXPECT_EQ(engine_.ship.colours[0].red, 0.1f);
    EXPECT_TRUE(engine_.input.autofire) << "a demo always plays with autofire on";
    EXPECT_EQ(demoStartTime, 1234u);

    // A second demo in a row keeps the player's settings, not the first demo's.
    SetNextDemoIndex(1);
    ASSERT_TRUE(LoadNextDemo(engine_));

    demoMode = true;
    engine_.EnterTitle();
    EXPECT_TRUE(demoMode) << "the title arms the next demo";
    demoMode = false;
    EXPECT_EQ(engine_.difficulty, 1);
    EXPECT_EQ(engine_.ship.ShipType, own.ShipType);
    EXPECT_EQ(engine_.ship.orbPodType, own.orbPodType);
    EXPECT_EQ(engine_.ship.colours[0].red, 0.75f);
    EXPECT_FALSE(engine_.input.autofire);
}
