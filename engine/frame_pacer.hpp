#pragma once
// Keeps a window whose player asked for vsync from presenting faster than the display
// refreshes when the display does not honour the request (Xvfb, some drivers and
// compositors). A swap that waits for the display takes a while; swaps that return at once
// frame after frame are not waiting, so the loop waits for them, on a steady deadline.
class FramePacer {
public:
    // Pacing stays off without vsync: the loop then runs as fast as it can, as asked.
    explicit FramePacer(bool vsync, double refreshHz = 60.0);

    // After each swap: when it began and ended, in seconds on one clock. Returns how long to
    // wait before the next frame begins (0 while the display keeps the pace itself).
    double AfterSwap(double swapStart, double swapEnd);
    bool Pacing() const;

    // A swap shorter than this did not wait for the display...
    static constexpr double QuickSwap = 0.002;
    // ...and this many in a row mean the display ignores vsync (one or two can be queued).
    static constexpr int QuickSwapsToPace = 8;

private:
    bool vsync_;
    double period_;
    int quickSwaps_ = 0;
    double nextPresent_ = -1.0;
};
