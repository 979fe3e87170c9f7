#include "engine/frame_clock.hpp"

#include "core/process_flags.hpp"

#include <SDL/SDL.h>

namespace {
uint32_t SdlTicks() { return SDL_GetTicks(); }
} // namespace

FrameClock::FrameClock(TickSource source) : source_(source ? source : &SdlTicks) {}

void FrameClock::ResetClock()
{
    previousTicks_ = currentTicks_ = fixedStep_ ? 0 : source_();
    delta_ = 0.0f;
    lastSampleTime_ = 0.0f;
    elapsed_ = 0.0f;
    frameCount_ = 0;
    framesPerSecond_ = 0;
}

void FrameClock::UpdateClock()
{
    if (fixedStep_) {
        delta_ = TickLength;
    } else {
        previousTicks_ = currentTicks_;
        currentTicks_ = source_();
        // Unsigned difference: a wrap of the 32-bit counter still gives a small positive delta.
        delta_ = static_cast<float>(static_cast<uint32_t>(currentTicks_ - previousTicks_)) * 0.001f;
    }
    frameCount_ += 1;
    elapsed_ += delta_;
    if (elapsed_ > lastSampleTime_ + 1.0f) {
        lastSampleTime_ = elapsed_;
        framesPerSecond_ = frameCount_;
        frameCount_ = 0;
    }
}
