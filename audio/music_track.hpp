#pragma once
// A music track streamed from disk while it plays. One track sounds at a time: playing a
// track replaces whichever track was sounding.
#include "audio/audio_clip.hpp"

#include <cstdint>

class MusicTrack : public AudioClip {
public:
    MusicTrack() = default;
    ~MusicTrack() override;

    // Logs "Loaded track: " or "Failed to load track: " with the file name. A track
    // already loaded is freed first.
    bool Load(const std::string& file, bool loop) override;
    // Plays from the beginning.
    void Play() override;
    void Stop() override;
    void Free() override;

    // Moves a playing track to the given time; used to resume stage music at a checkpoint.
    void SetPositionSeconds(int32_t seconds);
    // The last position asked for, kept even when no track or device is there to take it.
    int32_t requestedSeconds = 0;
};
