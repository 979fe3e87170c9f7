// Controls.dat: created with the defaults, read back, clamped, and saved whole.
#include "core/settings_file.hpp"
#include "input/control_config.hpp"
#include "input_test_support.hpp"
#include "support/game_run.hpp"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const char* const DefaultControls =
    "[Control Configuration]\r\n"
    "LEFT_PRIMARY\t= 276\r\nLEFT_SECONDARY\t= 323\r\n"
    "RIGHT_PRIMARY\t= 275\r\nRIGHT_SECONDARY\t= 324\r\n"
    "UP_PRIMARY\t= 273\r\nUP_SECONDARY\t= 325\r\n"
    "DOWN_PRIMARY\t= 274\r\nDOWN_SECONDARY\t= 326\r\n"
    "FIRE_PRIMARY\t= 122\r\nFIRE_SECONDARY\t= 327\r\n"
    "FIRE2_PRIMARY\t= 120\r\nFIRE2_SECONDARY\t= 328\r\n"
    "FIRE3_PRIMARY\t= 99\r\nFIRE3_SECONDARY\t= 329\r\n"
    "SPEEDUP_PRIMARY\t= 97\r\nSPEEDUP_SECONDARY\t= 332\r\n"
    "SPEEDDOWN_PRIMARY\t= 115\r\nSPEEDDOWN_SECONDARY\t= 333\r\n"
    "PAUSE_PRIMARY\t= 19\r\nPAUSE_SECONDARY\t= 19\r\n"
    "SENSITIVITY\t= 80\r\nAUTOFIRE\t= 0\r\n";

} // namespace

TEST(ControlConfig, MissingFileIsCreatedWithExactlyTheDefaultsInOrder)
{
    ScratchDir dir("controls");
    const std::string file = dir / "Controls.dat";
    InputState input;
    input.enableUnicode = nullptr;
    input.sensitivity = 31;
    input.hatX = 1;
    input.textEntryActive = true;
    input.bindingPending = true;
    input.BindKey(ActionFire, true, 5);
    input.ResetInputDefaults(file);
    EXPECT_EQ(ReadFile(file), DefaultControls);
    EXPECT_EQ(input.FIRE.primary, 122);
    EXPECT_EQ(input.SPEEDUP.secondary, 332);
    EXPECT_EQ(input.sensitivity, 80);
    EXPECT_FALSE(input.autofire);
    EXPECT_FALSE(input.bindingPending);
    EXPECT_FALSE(input.textEntryActive);
    EXPECT_EQ(input.textEntryMaxLength, 5);
    EXPECT_EQ(input.hatX, 0);
}

TEST(ControlConfig, ExistingFileOverridesTheDefaultsAndIsLeftAsItIs)
{
    ScratchDir dir("controls");
    const std::string file = dir / "Controls.dat";
    const std::string text = "[Control Configuration]\nFIRE_PRIMARY = 32\nPAUSE_SECONDARY = 999\n"
                             "UP_PRIMARY = junk\nAUTOFIRE = 7\n";
    WriteFile(file, text);
    InputState input;
    input.ResetInputDefaults(file);
    EXPECT_EQ(input.FIRE.primary, 32);
    EXPECT_EQ(input.PAUSE.secondary, 999) << "codes are not checked";
    EXPECT_EQ(input.UP.primary, 273) << "a malformed value keeps the default";
    EXPECT_EQ(input.LEFT.secondary, 323) << "a missing key keeps the default";
    EXPECT_TRUE(input.autofire);
    EXPECT_EQ(ReadFile(file), text);
}

TEST(ControlConfig, SensitivityIsClampedTo50Through100)
{
    const std::pair<const char*, int> cases[] = {{"30", 50}, {"250", 100}, {"-4", 50}, {"50", 50},
                                                 {"99", 99}, {"100", 100}, {"0", 50}};
    for (const auto& [stored, expected] : cases) {
        ScratchDir dir("controls");
        const std::string file = dir / "Controls.dat";
        WriteFile(file, std::string("[Control Configuration]\r\nSENSITIVITY\t= ") + stored + "\r\n");
        InputState input;
        input.ResetInputDefaults(file);
        EXPECT_EQ(input.sensitivity, expected) << stored;
        // The pad divisor is never zero, whatever the file held.
        input.OnJoyAxis(0, -32768);
        EXPECT_EQ(input.axisZone[0], expected == 100 ? -2 : -1) << stored;
    }
}

TEST(ControlConfig, SaveRewritesEveryKeyWithTheCurrentValues)
{
    ScratchDir dir("controls");
    const std::string file = dir / "Controls.dat";
    WriteFile(file, "[Control Configuration]\nFIRE_PRIMARY = 32\nSTRAY = 1\n");
    InputState input;
    input.ResetInputDefaults(file);
    input.BindKey(ActionFire, true, 102);
    input.BindKey(ActionPause + 10, false, 112);
    input.sensitivity = 100;
    input.autofire = true;
    ASSERT_TRUE(SaveControls(input, file));

    std::string expected = DefaultControls;
    auto replace = [&](const std::string& from, const std::string& to) {
        expected.replace(expected.find(from), from.size(), to);
    };
    replace("FIRE_PRIMARY\t= 122", "FIRE_PRIMARY\t= 102");
    replace("PAUSE_SECONDARY\t= 19", "PAUSE_SECONDARY\t= 112");
    replace("SENSITIVITY\t= 80", "SENSITIVITY\t= 100");
    replace("AUTOFIRE\t= 0", "AUTOFIRE\t= 1");
    EXPECT_EQ(ReadFile(file), expected);
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));

    // The next start reads what was saved.
    Settings().ForgetCreatedFiles();
    InputState next;
    next.ResetInputDefaults(file);
    EXPECT_EQ(next.FIRE.primary, 102);
    EXPECT_EQ(next.PAUSE.secondary, 112);
    EXPECT_EQ(next.sensitivity, 100);
    EXPECT_TRUE(next.autofire);
}

TEST(ControlConfig, SaveIntoAnUnwritablePlaceFailsWithoutAFile)
{
    ScratchDir dir("controls");
    const std::string file = (dir / "missing-dir" / "Controls.dat").string();
    InputState input;
    EXPECT_FALSE(SaveControls(input, file));
    EXPECT_FALSE(std::filesystem::exists(file));
}
