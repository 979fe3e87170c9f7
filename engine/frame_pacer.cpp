#include "engine/frame_pacer.hpp"

#include <algorithm>

FramePacer::FramePacer(bool vsync, double refreshHz) : vsync_(vsync), period_(1.0 / refreshHz) {}

bool FramePacer::Pacing() const { return vsync_ && quickSwaps_ >= QuickSwapsToPace; }

double FramePacer::AfterSwap(double swapStart, double swapEnd)
{
    if (!vsync_)
        return 0.0;
    quickSwaps_ = swapEnd - swapStart < QuickSwap ? std::min(quickSwaps_ + 1, QuickSwapsToPace) : 0;
    if (!Pacing()) {
        nextPresent_ = -1.0;
        return 0.0;
    }
    // Deadlines a period apart, so a frame woken a little late does not slow the next; a loop
    // that fell a whole frame behind starts again from now instead of rushing to catch up.
    nextPresent_ = nextPresent_ < 0.0 ? swapEnd + period_ : nextPresent_ + period_;
    if (nextPresent_ < swapEnd)
        nextPresent_ = swapEnd + period_;
    return nextPresent_ - swapEnd;
}
