#pragma once
// The audio-device layer: the only code that talks to SDL_mixer. It offers the call pattern
// the game's audio was designed around, on handles instead of mixer objects:
//
//  - one output device, opened once; `PauseDevice` freezes all output where it is (and
//    queues what is started meanwhile), `StopDevice` halts every sample and stream and
//    leaves the output running;
//  - global volumes on a 0..100 scale, one for samples and one for music streams;
//  - samples: decoded into memory, each with exactly one playback (a mixer channel of its
//    own), so playing a sample again cuts its previous instance while different samples
//    mix freely; optionally looping;
//  - streams: music decoded from disk while it plays (WAV, MP3, OGG), optionally looping,
//    seekable by seconds. The mixer sounds one stream at a time: playing a stream replaces
//    whichever stream was sounding.
//
// Handles are never reused and 0 means "nothing": every call on 0, on a freed handle or on
// a handle of the wrong kind does nothing. When no device is open (start-up failed or a
// headless run) loading still checks that the file can be read and hands out a silent
// handle, so the game takes the same paths with or without sound.
#include <cstdint>
#include <string>

namespace audio_device {

using Handle = uint32_t;

// Opens the default output device (44100 Hz, 16-bit stereo). False when no device could
// be opened; the layer then stays silent.
bool OpenDevice();
bool DeviceOpen();
// Frees every sample and stream and closes the device; outstanding handles become inert.
void CloseDevice();

void PauseDevice(bool pause);
void StopDevice();
// Values outside 0..100 are clamped.
void SetGlobalVolumes(int music, int samples);

// 0 when the file cannot be read or decoded.
Handle LoadSample(const std::string& file, bool loop);
// Restarts the sample's one playback from its beginning.
void PlaySample(Handle sample);
void StopSample(Handle sample);
void FreeSample(Handle sample);

// 0 when the file cannot be read or decoded.
Handle OpenStream(const std::string& file, bool loop);
// Starts the stream from its beginning.
void PlayStream(Handle stream);
void StopStream(Handle stream);
void FreeStream(Handle stream);
// Moves the stream to the given time if it is the one sounding (or paused with the
// output); false otherwise.
bool SeekStream(Handle stream, int seconds);

// The handle's own volume 0..100 (either kind), scaled by the matching global volume.
void SetHandleVolume(Handle handle, int volume);

// Whether the handle is a sample or a stream that is currently sounding (false for silent
// handles). For diagnostics and tests.
bool HandlePlaying(Handle handle);
// Frames (1/44100 s) mixed for the output since the device opened, silence included; 0
// without a device. Lets tests place calls on the output's own clock.
uint64_t OutputFrames();

} // namespace audio_device
