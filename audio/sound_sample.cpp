#include "audio/sound_sample.hpp"

#include "core/log.hpp"

SoundSample::~SoundSample()
{
    Free();
}

bool SoundSample::Load(const std::string& file, bool loop)
{
    Free();
    handle = audio_device::LoadSample(file, loop);
    if (handle == 0) {
        GameLog().Write("Failed to load sample: " + file + "\n");
        return false;
    }
    GameLog().Write("Loaded sample: " + file + "\n");
    return true;
}

void SoundSample::Play()
{
    audio_device::PlaySample(handle);
}

void SoundSample::Stop()
{
    stopRequested = true;
    audio_device::StopSample(handle);
}

void SoundSample::Free()
{
    audio_device::FreeSample(handle);
    handle = 0;
}

void SoundSample::PlaySound()
{
    ++requests;
    stopRequested = false;
    if (handle == 0)
        return;
    audio_device::StopSample(handle);
    audio_device::PlaySample(handle);
}
