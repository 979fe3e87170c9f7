#include "engine/frame_pacer.hpp"

#include <algorithm>

FramePacer::FramePacer(bool vsync, double refreshHz) : vsync_(vsync), period_(1.0 / refreshHz) {}

bool FramePacer::Pacing() const { return vsync_ && earlyFrames_ >= EarlyFramesToPace; }

double FramePacer::AfterSwap(double swapStart, double swapEnd)
{
    if (!vsync_)
        return 0.0;
    const bool early = lastSwapEnd_ >= 0.0 && swapEnd - lastSwapEnd_ < EarlyFrame * period_;
    lastSwapEnd_ = swapEnd;
    // A swap held for a whole period waited for the display after all: measure again.
    if (swapEnd - swapStart >= period_)
        earlyFrames_ = 0;
    else if (!Pacing())
        earlyFrames_ = early ? earlyFrames_ + 1 : 0;
    if (!Pacing()) {
        nextPresent_ = -1.0;
        return 0.0;
    }
    // Deadlines a period apart, so a frame woken a little late does not slow the next; a frame
    // that took longer than its period goes on at once, and the deadlines start again from it
    // instead of rushing to catch up.
    nextPresent_ = nextPresent_ < 0.0 ? swapEnd + period_ : nextPresent_ + period_;
    if (nextPresent_ < swapEnd) {
        nextPresent_ = swapEnd;
        return 0.0;
    }
    return nextPresent_ - swapEnd;
}
