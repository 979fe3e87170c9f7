#pragma once
// Renders a score to stereo PCM: every note of every pattern of the arrangement, the drums,
// a tempo-synchronised echo, and a gentle master limiter.
#include "tools/media/audio_encoder.hpp"
#include "tools/media/score.hpp"

// A looping score renders exactly its arrangement's length, with the ringing tails of the
// last bars wrapped onto the first, so the end runs into the start without a seam.
StereoPcm RenderScore(const Score& score, int sampleRate);
