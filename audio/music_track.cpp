#include "audio/music_track.hpp"

#include "core/log.hpp"

MusicTrack::~MusicTrack()
{
    Free();
}

bool MusicTrack::Load(const std::string& file, bool loop)
{
    Free();
    handle = audio_device::OpenStream(file, loop);
    if (handle == 0) {
        GameLog().Write("Failed to load track: " + file + "\n");
        return false;
    }
    GameLog().Write("Loaded track: " + file + "\n");
    return true;
}

void MusicTrack::Play()
{
    audio_device::PlayStream(handle);
}

void MusicTrack::Stop()
{
    audio_device::StopStream(handle);
}

void MusicTrack::Free()
{
    audio_device::FreeStream(handle);
    handle = 0;
}

void MusicTrack::SetPositionSeconds(int32_t seconds)
{
    requestedSeconds = seconds;
    audio_device::SeekStream(handle, seconds);
}
