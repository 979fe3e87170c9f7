#pragma once
// Keeps a window whose player asked for vsync from presenting faster than the display
// refreshes when the display does not honour the request (Xvfb, some drivers and
// compositors). A display that keeps vsync never lets frames end closer together than its
// period; frames that do, one after another, mean nobody is waiting, so the loop waits for
// them, on a steady deadline. The length of the swap says nothing by itself: a software
// renderer finishes drawing the frame inside it.
class FramePacer {
public:
    // Pacing stays off without vsync: the loop then runs as fast as it can, as asked.
    explicit FramePacer(bool vsync, double refreshHz = 60.0);

    // After each swap: when it began and ended, in seconds on one clock. Returns how long to
    // wait before the next frame begins (0 while the display keeps the pace itself).
    double AfterSwap(double swapStart, double swapEnd);
    bool Pacing() const;

    // Frames ending closer together than this share of the period did not wait...
    static constexpr double EarlyFrame = 0.9;
    // ...and this many in a row mean the display ignores vsync (one or two can be queued).
    static constexpr int EarlyFramesToPace = 8;

private:
    bool vsync_;
    double period_;
    int earlyFrames_ = 0;
    double lastSwapEnd_ = -1.0;
    double nextPresent_ = -1.0;
};
