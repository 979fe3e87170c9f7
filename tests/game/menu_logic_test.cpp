// The menu pulse, the studio logo's secret entry and the state table.
#include "game/menu_pulse.hpp"
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
