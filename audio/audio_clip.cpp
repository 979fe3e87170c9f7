#include "audio/audio_clip.hpp"

void AudioClip::SetVolume(int volume)
{
    audio_device::SetHandleVolume(handle, volume);
}
