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

TEST(FramePacer, WaitsOnlyWhenVsyncIsAskedForAndTheFramesComeFasterThanTheDisplay)
{
    FramePacer off(false);
    Frames(off, 20, 0.0001);
    EXPECT_FALSE(off.Pacing());

    // A display that keeps vsync: each swap waits for it, and the loop adds nothing.
    FramePacer honoured(true);
    const auto kept = Frames(honoured, 20, 0.0137);
    EXPECT_FALSE(honoured.Pacing());
    EXPECT_NEAR(kept[19] - kept[18], 0.0167, 1e-9);

    // A loop slower than the display is left alone.
    FramePacer slow(true);
    const auto slowFrames = Frames(slow, 20, 0.015);
    EXPECT_FALSE(slow.Pacing());
    EXPECT_NEAR(slowFrames[19] - slowFrames[18], 0.018, 1e-9);

    // Frames that end 3.1 ms apart: after eight of them the frames come a 60th of a second
    // apart. A software renderer's swap, which finishes the drawing, is no quicker than its
    // frames are short: 4 ms here.
    for (const double swap : {0.0001, 0.004}) {
        FramePacer ignored(true);
        const auto paced = Frames(ignored, 40, swap);
        EXPECT_TRUE(ignored.Pacing()) << swap;
        EXPECT_NEAR(paced[6] - paced[5], 0.003 + swap, 1e-9) << "not yet pacing";
        for (int i = 10; i < 40; ++i)
            EXPECT_NEAR(paced[i] - paced[i - 1], 1.0 / 60.0, 1e-9) << swap << " " << i;

        // Frames that grow slower than the display go on at once, each as it is done.
        const auto heavy = Frames(ignored, 6, 0.015, paced.back());
        EXPECT_TRUE(ignored.Pacing());
        for (int i = 3; i < 6; ++i)
            EXPECT_NEAR(heavy[i] - heavy[i - 1], 0.018, 1e-9) << swap << " " << i;

        // A swap held a whole period (the display waited after all) stops the pacing until
        // eight early frames again.
        const auto held = Frames(ignored, 1, 0.017, heavy.back());
        EXPECT_FALSE(ignored.Pacing());
        const auto again = Frames(ignored, 7, swap, held.back());
        EXPECT_FALSE(ignored.Pacing()) << "seven early frames after the held one";
        Frames(ignored, 1, swap, again.back());
        EXPECT_TRUE(ignored.Pacing());
    }
}
