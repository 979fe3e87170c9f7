#pragma once
// Start-up and global control of the game's audio output.
#include <cstdint>

// Opens the output device, logging the start-up step. When it fails (or in a headless run,
// which never opens one) the game runs silent: every later audio call does nothing.
void InitAudio();
// Global volumes 0..100: music applies to music and streams, samples to effects.
void SetVolumes(int32_t music, int32_t samples);
// true freezes all output where it is; false resumes it.
void PauseAudio(bool pause);
// Stops every effect and track; output is ready for new playback at once.
void StopAllAudio();
// Frees every sample and stream and closes the device. Must run before the program exits:
// the mixer's thread calls into SDL until the device is closed, and would otherwise run on
// while the libraries it calls are being unloaded.
void ShutdownAudio();
