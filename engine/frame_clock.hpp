#pragma once
// Real time for the frame loop: per-frame delta, elapsed time since the last reset and the
// frames counted over the last full second.
#include <cstdint>

class FrameClock {
public:
    using TickSource = uint32_t (*)();

    // The source defaults to SDL's millisecond counter.
    explicit FrameClock(TickSource source = nullptr);

    void ResetClock();
    void UpdateClock();

    // Virtual clock: every update advances by exactly one TickLength, so every frame runs
    // exactly one tick and runs are reproducible frame by frame.
    void SetFixedStep(bool on) { fixedStep_ = on; }
    bool FixedStep() const { return fixedStep_; }

    float Delta() const { return delta_; }
    float Elapsed() const { return elapsed_; }
    int FramesPerSecond() const { return framesPerSecond_; }

private:
    TickSource source_;
    bool fixedStep_ = false;
    uint32_t previousTicks_ = 0;
    uint32_t currentTicks_ = 0;
    float delta_ = 0.0f;
    float lastSampleTime_ = 0.0f;
    int frameCount_ = 0;
    int framesPerSecond_ = 0;
    float elapsed_ = 0.0f;
};

// Runs every tick the accumulator holds; the tick length is re-read on every comparison so a
// change made by a tick takes effect at once. `stop` is checked between ticks. Returns the
// number of ticks run.
template <class TickFn, class StopFn>
int RunDueTicks(float& accumulator, const float& tickLength, TickFn&& tick, StopFn&& stop)
{
    int ran = 0;
    while (accumulator >= tickLength && !stop()) {
        tick();
        accumulator -= tickLength;
        ++ran;
    }
    return ran;
}
