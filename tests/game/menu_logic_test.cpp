// The menu pulse, the studio logo's secret entry, the cheats' and options' rows and the state table.
#include "game/menu_pulse.hpp"
#include "game/shell_menus.hpp"
#include "game/secret_entry.hpp"
#include "engine/screens/state_table.hpp"

#include <gtest/gtest.h>

TEST(MenuPulse, RisesToOneInTwentyTicksAndHasAPeriodOfForty)
{
    MenuPulse pulse;
    for (int tick = 1; tick <= 20; ++tick)
        pulse.Step();
    EXPECT_EQ(pulse.value, 1.0f);
    EXPECT_FALSE(pulse.rising);
    for (int tick = 1; tick < 20; ++tick)
        pulse.Step();
    EXPECT_GT(pulse.value, 0.0f);
    pulse.Step();
    EXPECT_EQ(pulse.value, 0.0f);
    EXPECT_TRUE(pulse.rising);
    for (int period = 0; period < 10; ++period)
        for (int tick = 0; tick < 40; ++tick)
            pulse.Step();
    EXPECT_EQ(pulse.value, 0.0f) << "no drift after ten more periods";
    EXPECT_TRUE(pulse.rising);
}

namespace {

SecretOutcome Enter(std::vector<int32_t>& presses, std::initializer_list<int32_t> sequence)
{
    SecretOutcome outcome = SecretOutcome::Waiting;
    for (int32_t press : sequence)
        outcome = RecordSecretPress(presses, press);
    return outcome;
}

} // namespace

TEST(SecretEntry, TheCodeLeadsToCheats)
{
    std::vector<int32_t> presses;
    const std::vector<int32_t> code(SecretCode, SecretCode + SecretCodeLength);
    for (int i = 0; i < SecretCodeLength - 1; ++i)
        EXPECT_EQ(RecordSecretPress(presses, code[i]), SecretOutcome::Waiting);
    EXPECT_EQ(RecordSecretPress(presses, code.back()), SecretOutcome::Cheats);
    EXPECT_EQ(presses, code);
    EXPECT_EQ(code, (std::vector<int32_t>{PressUp, PressDown, PressFire2, PressLeft, PressRight, PressFire, PressUp,
                                          PressFire3, PressDown, PressLeft, PressRight}));
}

TEST(SecretEntry, OneWrongPressIsMarkedAndTheEleventhLeadsToTheIntro)
{
    std::vector<int32_t> presses;
    EXPECT_EQ(Enter(presses, {PressUp, PressDown, PressFire2, PressLeft, PressLeft, PressFire, PressUp, PressFire3,
                              PressDown, PressLeft, PressRight}),
              SecretOutcome::Intro);
    EXPECT_EQ(presses[4], PressWrong);
    EXPECT_EQ(presses[3], PressLeft);
    EXPECT_EQ(RecordSecretPress(presses, PressUp), SecretOutcome::Waiting) << "a full list takes no more";
    EXPECT_EQ(presses.size(), 11u);
}

TEST(StateTable, EveryNumberHasAScreenAndOthersNone)
{
    EXPECT_EQ(ScreenFor(-1), nullptr);
    EXPECT_EQ(ScreenFor(14), nullptr);
    EXPECT_EQ(ScreenFor(1000), nullptr);
    for (int32_t number = 0; number < GameStateCount; ++number) {
        ASSERT_NE(ScreenFor(number), nullptr) << number;
        EXPECT_NE(ScreenFor(number)->update, nullptr);
    }
    EXPECT_EQ(ScreenFor(Title)->update, &Engine::UpdateTitle);
    EXPECT_EQ(ScreenFor(Banner)->render, &Engine::RenderBanner);
    EXPECT_EQ(ScreenFor(StudioLogo)->update, &Engine::UpdateStudioLogo);
    EXPECT_EQ(ScreenFor(IntroStory)->update, &Engine::UpdateIntroStory);
    EXPECT_EQ(ScreenFor(Options)->update, &Engine::UpdateOptions);
    EXPECT_EQ(ScreenFor(Cheats)->update, &Engine::UpdateCheats);
    EXPECT_EQ(ScreenFor(ShipSelect)->update, &Engine::UpdateShipSelect);
    EXPECT_EQ(ScreenFor(ShipSelect)->render, &Engine::RenderShipSelect);
}

// The cheats' and options' rows at their ends: volumes stop at 0 and 100 in fives, the tests'
// indices wrap round, the start stage and weapon stop at theirs, the switches flip.
TEST(ShellMenus, RowsStopOrWrapAtTheirEnds)
{
    Volumes volumes{95, 5};
    ShellState shell;
    EXPECT_TRUE(StepOptionRow(MusicVolumeRow, +1, volumes, shell));
    EXPECT_TRUE(StepOptionRow(MusicVolumeRow, +1, volumes, shell));
    EXPECT_EQ(volumes.music, 100);
    StepOptionRow(SfxVolumeRow, -1, volumes, shell);
    StepOptionRow(SfxVolumeRow, -1, volumes, shell);
    EXPECT_EQ(volumes.effects, 0);
    EXPECT_FALSE(StepOptionRow(SoundTestRow, -1, volumes, shell));
    EXPECT_EQ(shell.soundTestIndex, 31) << "wraps round the 32 table entries, never the menu sounds";
    StepOptionRow(SoundTestRow, +1, volumes, shell);
    EXPECT_EQ(shell.soundTestIndex, 0);
    StepOptionRow(MusicTestRow, -1, volumes, shell);
    EXPECT_EQ(shell.musicTestIndex, LastMusicTest);
    EXPECT_FALSE(StepOptionRow(BackRow, +1, volumes, shell));

    CheatSettings cheats;
    int32_t startStage = 1;
    StepCheatRow(StartStageRow, -1, cheats, startStage);
    EXPECT_EQ(startStage, 1);
    for (int i = 0; i < 5; ++i)
        StepCheatRow(StartStageRow, +1, cheats, startStage);
    EXPECT_EQ(startStage, 3);
    for (int i = 0; i < 9; ++i)
        StepCheatRow(StartWeaponRow, +1, cheats, startStage);
    EXPECT_EQ(cheats.startWeapon, 7) << "none, then the seven orb weapons";
    StepCheatRow(BonusShipsRow, -1, cheats, startStage);
    StepCheatRow(AllGunPodsRow, +1, cheats, startStage);
    StepCheatRow(AllGunPodsRow, -1, cheats, startStage);
    EXPECT_TRUE(cheats.bonusShips);
    EXPECT_FALSE(cheats.allGunPods);
}
