#pragma once
// A sound effect held in memory. It has one playback: playing it again cuts the instance
// still sounding, while different effects mix freely.
#include "audio/audio_clip.hpp"

#include <cstdint>

class SoundSample : public AudioClip {
public:
    SoundSample() = default;
    ~SoundSample() override;

    // Logs "Loaded sample: " or "Failed to load sample: " with the file name. A sample
    // already loaded is freed first.
    bool Load(const std::string& file, bool loop) override;
    // Plays from the start.
    void Play() override;
    void Stop() override;
    void Free() override;

    // How the game plays every effect: stop the one still sounding, start it again.
    void PlaySound();

    // How often the game has asked for the effect, and whether it asked it to stop since,
    // sound or no sound (no device, --headless): what tests of the game's rules listen to.
    uint32_t requests = 0;
    bool stopRequested = false;
};
