#include "engine/frame_pacer.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Frames of a loop that renders in 3 ms and swaps in `swap` seconds, each begun after the
// pacer's wait; returns the time each swap ended.
std::vector<double> Frames(FramePacer& pacer, int frames, double swap, double start = 0.0)
{
    std::vector<double> ends;
    double now = start;
    for (int i = 0; i < frames; ++i) {
        now += 0.003;
        const double begun = now;
        now += swap;
        ends.push_back(now);
        now += pacer.AfterSwap(begun, now);
    }
    return ends;
}

} // namespace

TEST(FramePacer, WaitsOnlyWhenVsyncIsAskedForAndTheSwapsDoNotWait)
{
    FramePacer off(false);
    Frames(off, 20, 0.0001);
    EXPECT_FALSE(off.Pacing());

    // A display that keeps vsync: each swap waits for it, and the loop adds nothing.
    FramePacer honoured(true);
    const auto kept = Frames(honoured, 20, 0.0137);
    EXPECT_FALSE(honoured.Pacing());
    EXPECT_NEAR(kept[19] - kept[18], 0.0167, 1e-9);

    // Swaps that return at once: after eight of them the frames come a 60th of a second apart.
    FramePacer ignored(true);
    const auto paced = Frames(ignored, 40, 0.0001);
    EXPECT_TRUE(ignored.Pacing());
    EXPECT_NEAR(paced[6] - paced[5], 0.0031, 1e-9) << "not yet pacing";
    for (int i = 10; i < 40; ++i)
        EXPECT_NEAR(paced[i] - paced[i - 1], 1.0 / 60.0, 1e-9) << i;

    // One slow swap (the display waited after all) stops the pacing until eight quick ones again.
    const auto slow = Frames(ignored, 1, 0.010, paced.back());
    EXPECT_FALSE(ignored.Pacing());
    Frames(ignored, 7, 0.0001, slow.back());
    EXPECT_FALSE(ignored.Pacing());
    Frames(ignored, 1, 0.0001, slow.back() + 1.0);
    EXPECT_TRUE(ignored.Pacing());
}
