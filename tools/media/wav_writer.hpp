#pragma once
// Writes mono 16-bit PCM WAV files: the format every effect of the sample table uses.
#include <string>
#include <vector>

// Samples are -1..1; values outside are clamped. Returns false when the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate);
