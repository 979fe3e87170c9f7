#pragma once
// The synthesised drum sounds a score can use, each rendered once per track and mixed in
// wherever a pattern strikes it.
#include <string>
#include <vector>

// Mono samples of one hit at full strength; pitch scales its tuned parts.
std::vector<float> RenderDrum(const std::string& name, double pitch, int sampleRate);
