#pragma once
// A sound the game can play: an effect sample or a music stream, addressed by a handle of
// the audio-device layer (0 when nothing is loaded; every operation on 0 does nothing).
#include "audio/audio_device.hpp"

#include <string>

class AudioClip {
public:
    AudioClip() = default;
    virtual ~AudioClip() = default;
    AudioClip(const AudioClip&) = delete;
    AudioClip& operator=(const AudioClip&) = delete;

    virtual bool Load(const std::string& file, bool loop) = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual void Free() = 0;
    // The clip's own volume 0..100, on top of the global volume of its kind.
    virtual void SetVolume(int volume);

    audio_device::Handle handle = 0;
};
