#include "audio/audio_system.hpp"

#include "audio/audio_device.hpp"
#include "core/automation.hpp"
#include "core/log.hpp"

void InitAudio()
{
    GameLog().Write("\n[Initializing BASS]\n");
    if (Automation().headless) {
        GameLog().Write(">>Headless run: no audio device\n");
        GameLog().Write("Complete...\n\n");
        return;
    }
    GameLog().Write(audio_device::OpenDevice() ? "Complete...\n\n" : "Failed...\n\n");
}

void SetVolumes(int32_t music, int32_t samples)
{
    audio_device::SetGlobalVolumes(music, samples);
}

void PauseAudio(bool pause)
{
    audio_device::PauseDevice(pause);
}

void StopAllAudio()
{
    audio_device::StopDevice();
}

void ShutdownAudio()
{
    audio_device::CloseDevice();
}
