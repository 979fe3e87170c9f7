// Fade processing: completion timing, removal, delays, order, styles and the one-frame text.
#include "engine/engine.hpp"
#include "game/screen_fade.hpp"

#include <gtest/gtest.h>

namespace {

struct Calls {
    std::vector<ScreenFade::Operation> done;
    std::function<void(ScreenFade::Operation)> Recorder()
    {
        return [this](ScreenFade::Operation op) { done.push_back(op); };
    }
};

} // namespace

TEST(ScreenFade, Duration25CallsOnDoneOnceOnThe26thProcessingAndIsRemovedThen)
{
    std::vector<ScreenFade> fades{MakeFade(FadeClearBlack, FadeBlack, 25, &Engine::RequestQuit)};
    Calls calls;
    for (int pass = 1; pass <= 25; ++pass) {
        ProcessFades(fades, true, calls.Recorder());
        ASSERT_EQ(fades.size(), 1u) << "pass " << pass;
        EXPECT_TRUE(calls.done.empty()) << "pass " << pass;
    }
    EXPECT_NEAR(fades[0].colour[3], 24.0f / 25.0f, 1e-6f) << "the 25th pass shows elapsed 24";
    ProcessFades(fades, true, calls.Recorder());
    ASSERT_EQ(calls.done.size(), 1u);
    EXPECT_EQ(calls.done[0], &Engine::RequestQuit);
    EXPECT_TRUE(fades.empty()) << "removed in the pass that completed it";
    ProcessFades(fades, true, calls.Recorder());
    EXPECT_EQ(calls.done.size(), 1u);
}

TEST(ScreenFade, InterpolatesEveryChannelAndShowsItsStartBeforeTheFirstPass)
{
    std::vector<ScreenFade> fades{MakeFade({1, 0, 0.5f, 1}, {0, 1, 0.5f, 0}, 4, nullptr)};
    EXPECT_EQ(fades[0].colour, (FadeColour{1, 0, 0.5f, 1}));
    Calls calls;
    ProcessFades(fades, true, calls.Recorder());
    ProcessFades(fades, true, calls.Recorder());
    ProcessFades(fades, true, calls.Recorder()); // elapsed 2 of 4
    EXPECT_EQ(fades[0].colour, (FadeColour{0.5f, 0.5f, 0.5f, 0.5f}));
    ProcessFades(fades, true, calls.Recorder());
    ProcessFades(fades, true, calls.Recorder());
    EXPECT_TRUE(fades.empty()) << "a fade without onDone is removed all the same";
    EXPECT_TRUE(calls.done.empty());
}

TEST(ScreenFade, DelayedFadeHoldsItsColourThenRamps)
{
    std::vector<ScreenFade> fades{MakeFade(FadeClearBlack, FadeBlack, 10, &Engine::RequestQuit, 5)};
    EXPECT_EQ(fades[0].elapsed, -5);
    Calls calls;
    for (int pass = 0; pass < 5; ++pass) {
        ProcessFades(fades, true, calls.Recorder());
        EXPECT_EQ(fades[0].colour[3], 0.0f) << "held during the delay, pass " << pass;
    }
    ProcessFades(fades, true, calls.Recorder()); // elapsed 0
    ProcessFades(fades, true, calls.Recorder()); // elapsed 1
    EXPECT_NEAR(fades[0].colour[3], 0.1f, 1e-6f);
    for (int pass = 0; pass < 9; ++pass)
        ProcessFades(fades, true, calls.Recorder());
    EXPECT_EQ(calls.done.size(), 1u) << "5 + 10 + 1 passes";
    EXPECT_TRUE(fades.empty());
}

TEST(ScreenFade, ListOrderAndFadesAddedByOnDoneWaitForTheNextPass)
{
    std::vector<ScreenFade> fades{MakeFade(FadeBlack, FadeClearBlack, 0, &Engine::RequestQuit),
                                  MakeFade(FadeBlack, FadeClearBlack, 0, &Engine::EnterTitle)};
    std::vector<ScreenFade::Operation> order;
    ProcessFades(fades, true, [&](ScreenFade::Operation op) {
        order.push_back(op);
        if (op == &Engine::RequestQuit)
            fades.push_back(MakeFade(FadeWhite, FadeClearWhite, 3, nullptr));
    });
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], &Engine::RequestQuit);
    EXPECT_EQ(order[1], &Engine::EnterTitle);
    ASSERT_EQ(fades.size(), 1u);
    EXPECT_EQ(fades[0].elapsed, 0) << "the new fade was not processed yet";
    EXPECT_EQ(fades[0].colour, FadeWhite);
}

TEST(ScreenFade, OnDoneThatEmptiesTheListEndsThePass)
{
    std::vector<ScreenFade> fades{MakeFade(FadeBlack, FadeClearBlack, 0, &Engine::RequestQuit),
                                  MakeFade(FadeBlack, FadeClearBlack, 0, &Engine::EnterTitle)};
    int calls = 0;
    ProcessFades(fades, true, [&](ScreenFade::Operation) {
        ++calls;
        fades.clear();
    });
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(fades.empty());
}

TEST(ScreenFade, StyleIsForcedToPlainWithoutShaders)
{
    std::vector<ScreenFade> fades{MakeFade(FadeBlack, FadeClearBlack, 10, nullptr)};
    fades[0].style = 2;
    Calls calls;
    ProcessFades(fades, true, calls.Recorder());
    EXPECT_EQ(fades[0].style, 2);
    ProcessFades(fades, false, calls.Recorder());
    EXPECT_EQ(fades[0].style, 0);
}

TEST(ScreenFade, EnjoyTextShowsOnlyOnTheFirstOpaqueWhiteFrame)
{
    int count = 0;
    ScreenFade white = MakeFade(FadeWhite, FadeClearWhite, 25, nullptr);
    ScreenFade grey = MakeFade({0.5f, 0.5f, 0.5f, 1}, FadeClearBlack, 25, nullptr);
    EXPECT_TRUE(EnjoyTextDue(white, count));
    EXPECT_FALSE(EnjoyTextDue(white, count)) << "the next frame of the same white";
    EXPECT_FALSE(EnjoyTextDue(white, count));
    EXPECT_FALSE(EnjoyTextDue(grey, count));
    EXPECT_TRUE(EnjoyTextDue(white, count)) << "any other fade resets the count";
    white.colour[3] = 0.999f;
    EXPECT_FALSE(EnjoyTextDue(white, count)) << "exactly opaque only";
}
