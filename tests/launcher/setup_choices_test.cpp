// The setup window's values without the toolkit: filled from the settings, applied back.
#include "engine/launcher/setup_choices.hpp"
#include "core/process_flags.hpp"

#include <gtest/gtest.h>

namespace {

// The two process-wide flags are restored after each test.
class SetupChoicesTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        LowSpecMode = false;
        ShadersEnabled = true;
    }
};

} // namespace

TEST_F(SetupChoicesTest, WidgetsShowTheRecordAndTheFlags)
{
    LaunchSettings settings;
    settings.resolutionIndex = 1;
    settings.fullscreen = true;
    settings.vsync = false;
    settings.showFps = true;
    settings.scanLines = false;
    settings.bloom = true;
    LowSpecMode = true;
    ShadersEnabled = false;
    const SetupChoices choices = ChoicesFromSettings(settings);
    EXPECT_EQ(choices.resolution, "800x600");
    EXPECT_TRUE(choices.fullscreen);
    EXPECT_FALSE(choices.vsync);
    EXPECT_TRUE(choices.showFps);
    EXPECT_FALSE(choices.scanLines);
    EXPECT_TRUE(choices.bloom);
    EXPECT_FALSE(choices.postFx) << "\"Post FX\" is the negation of LowSpecMode";
    EXPECT_FALSE(choices.shaders);

    LowSpecMode = false;
    ShadersEnabled = true;
    const SetupChoices defaults = ChoicesFromSettings(LaunchSettings{});
    EXPECT_EQ(defaults.resolution, "640x480");
    EXPECT_TRUE(defaults.postFx);
    EXPECT_TRUE(defaults.shaders);
}

TEST_F(SetupChoicesTest, IndexOutsideTheTableLeavesTheInitialLabel)
{
    for (int index : {-1, 14, 99}) {
        LaunchSettings settings;
        settings.resolutionIndex = index;
        EXPECT_EQ(ChoicesFromSettings(settings).resolution, "640x480") << index;
    }
    LaunchSettings last;
    last.resolutionIndex = 13;
    EXPECT_EQ(ChoicesFromSettings(last).resolution, "320x240");
}

TEST_F(SetupChoicesTest, ApplyingCopiesEveryWidgetAndSetsTheFlagsForThisRun)
{
    SetupChoices choices;
    choices.resolution = "336x240";
    choices.fullscreen = true;
    choices.vsync = false;
    choices.showFps = true;
    choices.scanLines = false;
    choices.bloom = true;
    choices.postFx = false;
    choices.shaders = false;
    LaunchSettings settings;
    settings.launchRequested = true;
    ApplyChoices(choices, settings);
    EXPECT_EQ(settings.resolutionIndex, 12);
    EXPECT_TRUE(settings.fullscreen);
    EXPECT_FALSE(settings.vsync);
    EXPECT_TRUE(settings.showFps);
    EXPECT_FALSE(settings.scanLines);
    EXPECT_TRUE(settings.bloom);
    EXPECT_TRUE(settings.launchRequested) << "only READY touches launchRequested";
    EXPECT_TRUE(LowSpecMode);
    EXPECT_FALSE(ShadersEnabled);

    choices.postFx = true;
    choices.shaders = true;
    ApplyChoices(choices, settings);
    EXPECT_FALSE(LowSpecMode);
    EXPECT_TRUE(ShadersEnabled);
}

TEST_F(SetupChoicesTest, LabelMatchingNoEntryLeavesTheIndex)
{
    for (const char* text : {"", "800X600", "800x600 ", "1024x768x32"}) {
        SetupChoices choices;
        choices.resolution = text;
        LaunchSettings settings;
        settings.resolutionIndex = 7;
        ApplyChoices(choices, settings);
        EXPECT_EQ(settings.resolutionIndex, 7) << '"' << text << '"';
    }
}

TEST_F(SetupChoicesTest, EveryLabelRoundTripsToItsIndex)
{
    for (int index = 0; index < static_cast<int>(ResolutionTable.size()); ++index) {
        LaunchSettings settings;
        settings.resolutionIndex = index;
        const SetupChoices choices = ChoicesFromSettings(settings);
        settings.resolutionIndex = -5;
        ApplyChoices(choices, settings);
        EXPECT_EQ(settings.resolutionIndex, index);
    }
}
