#include "core/data_file.hpp"
#include "world/world_test_support.hpp"

#include <gtest/gtest.h>

using namespace world_testing;

namespace {

uint8_t S(ButtonState state) { return static_cast<uint8_t>(state); }

class ControlEntityTest : public ::testing::Test {
protected:
    Engine engine{Engine::Detached{}};
};

TEST_F(ControlEntityTest, PlaybackConsumesAtMostOneDueRecordPerTick)
{
    PatternEntity e;
    e.Spawn(0, 0);
    ControlRecord first, second, third;
    first.tick = 0;
    first.controls.LEFT = S(ButtonState::JustPressed);
    second.tick = 0;
    second.controls.LEFT = S(ButtonState::Held);
    third.tick = 5;
    third.controls.FIRE = S(ButtonState::JustPressed);
    e.pattern = {first, second, third};
    for (int tick = 0; tick < 7; ++tick)
        e.Update();
    ASSERT_EQ(e.seen.size(), 7u);
    EXPECT_EQ(e.seen[0], first.controls);
    EXPECT_EQ(e.seen[1], second.controls);
    EXPECT_EQ(e.seen[4], second.controls) << "the block keeps its value between records";
    EXPECT_EQ(e.seen[5], third.controls);
    EXPECT_TRUE(e.pattern.empty());
    EXPECT_EQ(e.patternTick, 7u);
}

TEST_F(ControlEntityTest, RecordingStampsAChangeOfAnyButtonWithThePatternTick)
{
    PatternEntity e;
    e.Spawn(0, 0);
    e.pattern.push_back(ControlRecord{});
    e.StartRecording();
    EXPECT_TRUE(e.pattern.empty());
    e.Update(); // all idle: no change
    engine.input.UP.state = ButtonState::JustPressed;
    e.Update();
    engine.input.UP.state = ButtonState::Held;
    e.Update();
    e.Update();
    ASSERT_EQ(e.pattern.size(), 2u);
    EXPECT_EQ(e.pattern[0].tick, 1u);
    EXPECT_EQ(e.pattern[0].controls.UP, S(ButtonState::JustPressed));
    EXPECT_EQ(e.pattern[1].tick, 2u);
    EXPECT_EQ(e.pattern[1].controls.UP, S(ButtonState::Held));

    // Stopped, the entity plays its pattern back instead of recording the new press.
    engine.input.SPEEDDOWN.state = ButtonState::JustPressed;
    e.StopRecording();
    e.Update();
    EXPECT_EQ(e.pattern.size(), 1u);
    EXPECT_EQ(e.control.controls.SPEEDDOWN, S(ButtonState::Idle));
}

TEST_F(ControlEntityTest, PatternIsStoredInTheFileOrderAndReadsBack)
{
    TempDir dir("pattern");
    PatternEntity e;
    e.x = 3.0f;
    e.y = 4.0f;
    ControlRecord record;
    record.tick = 0x01020304;
    record.controls = ControlBlock{1, 2, 3, 0, 1, 2, 3, 0, 1}; // LEFT RIGHT UP DOWN FIRE FIRE2 SPEEDUP SPEEDDOWN FIRE3
    e.pattern = {record};
    DataFile out;
    ASSERT_TRUE(out.Open(dir / "e.bin", "wb"));
    ASSERT_TRUE(e.Save(out));
    Bytes expected;
    expected.F32(3.0f).F32(4.0f).I32(1).U32(0x01020304);
    // DOWN, FIRE, FIRE2, LEFT, RIGHT, UP, FIRE3, SPEEDUP, SPEEDDOWN
    for (uint8_t v : {0, 1, 2, 1, 2, 3, 1, 3, 0})
        expected.U8(v);
    EXPECT_EQ(ReadBytes(dir / "e.bin"), expected.text);

    PatternEntity back;
    back.pattern.push_back(ControlRecord{}); // replaced by a loaded pattern
    DataFile in;
    ASSERT_TRUE(in.Open(dir / "e.bin", "rb"));
    ASSERT_TRUE(back.Load(in));
    EXPECT_EQ(back.x, 3.0f);
    EXPECT_EQ(back.prevY, 4.0f);
    ASSERT_EQ(back.pattern.size(), 1u);
    EXPECT_EQ(back.pattern[0], record);

    auto copy = back.Clone();
    EXPECT_EQ(static_cast<PatternEntity&>(*copy).pattern.size(), 1u);
}

TEST_F(ControlEntityTest, APatternCountBeyondTheFileFailsWithoutReading)
{
    TempDir dir("pattern");
    Bytes bytes;
    bytes.F32(0).F32(0).I32(1000000).U32(0);
    WriteBytes(dir / "e.bin", bytes.text);
    PatternEntity e;
    DataFile in;
    ASSERT_TRUE(in.Open(dir / "e.bin", "rb"));
    EXPECT_FALSE(e.Load(in));
    EXPECT_TRUE(e.pattern.empty());

    Bytes shortRecord;
    shortRecord.F32(0).F32(0).I32(1).U32(0).U8(1).U8(1);
    WriteBytes(dir / "f.bin", shortRecord.text);
    DataFile cut;
    ASSERT_TRUE(cut.Open(dir / "f.bin", "rb"));
    EXPECT_FALSE(e.Load(cut));
}

TEST_F(ControlEntityTest, PropertyTableDrivesDescribeLoadAndSave)
{
    TempDir dir("props");
    ProbeEntity e;
    e.size = 7;
    e.angle = 90.0f;
    e.upsideDown = 1;
    e.hidden = -5;
    std::vector<EntityProperty> list;
    e.DescribeProperties(list);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_STREQ(list[0].name, "Size");
    EXPECT_EQ(list[0].kind, 0);
    EXPECT_EQ(list[0].intValue, &e.size);
    EXPECT_EQ(list[0].floatValue, nullptr);
    EXPECT_EQ(list[1].floatValue, &e.angle);
    EXPECT_STREQ(list[2].name, "Derived");
    EXPECT_EQ(list[3].boolValue, &e.upsideDown);

    DataFile out;
    ASSERT_TRUE(out.Open(dir / "p.bin", "wb"));
    ASSERT_TRUE(e.Save(out));
    Bytes expected;
    expected.F32(0).F32(0).I32(7).F32(90.0f).U8(1).I32(-5);
    EXPECT_EQ(ReadBytes(dir / "p.bin"), expected.text);

    ProbeEntity back;
    DataFile in;
    ASSERT_TRUE(in.Open(dir / "p.bin", "rb"));
    ASSERT_TRUE(back.Load(in));
    EXPECT_EQ(back.size, 7);
    EXPECT_EQ(back.angle, 90.0f);
    EXPECT_EQ(back.upsideDown, 1);
    EXPECT_EQ(back.hidden, -5);

    // A value outside the declared range fails the load.
    Bytes bad;
    bad.F32(0).F32(0).I32(9).F32(0).U8(0).I32(0);
    WriteBytes(dir / "bad.bin", bad.text);
    DataFile badFile;
    ASSERT_TRUE(badFile.Open(dir / "bad.bin", "rb"));
    EXPECT_FALSE(ProbeEntity().Load(badFile));
}

TEST(DataFileTest, ReadsDetectTheEndAndWritesAppend)
{
    TempDir dir("datafile");
    DataFile file;
    EXPECT_FALSE(file.Open(dir / "missing.bin", "rb"));
    ASSERT_TRUE(file.Open(dir / "d.bin", "wb"));
    ASSERT_TRUE(file.WriteU32(0xAABBCCDD));
    ASSERT_TRUE(file.WriteU8(7));
    EXPECT_EQ(file.Position(), 5u);
    EXPECT_EQ(ReadBytes(dir / "d.bin"), std::string("\xDD\xCC\xBB\xAA\x07", 5));

    DataFile in;
    ASSERT_TRUE(in.Open(dir / "d.bin", "rb"));
    EXPECT_EQ(in.BytesLeft(), 5u);
    uint32_t value = 0;
    ASSERT_TRUE(in.ReadU32(value));
    EXPECT_EQ(value, 0xAABBCCDDu);
    int32_t cut = 42;
    EXPECT_FALSE(in.ReadI32(cut));
    EXPECT_EQ(cut, 42) << "a short read leaves the value";
    EXPECT_EQ(in.Position(), 5u);
    uint8_t none = 9;
    EXPECT_FALSE(in.ReadU8(none));
}

} // namespace
