#pragma once
// Encodes stereo PCM to MP3 (libmp3lame) or Ogg Vorbis (libvorbis) through FFmpeg's libraries,
// chosen by the file extension. Output is bit-exact: the same samples give the same bytes.
#include <string>
#include <vector>

struct StereoPcm {
    int sampleRate = 44100;
    std::vector<float> left;
    std::vector<float> right;
};

// Returns false (with a message on stderr) on any failure; no partial file is left behind.
bool EncodeAudio(const std::string& path, const StereoPcm& pcm);
