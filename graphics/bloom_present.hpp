#pragma once
// Bloom folded into the composition: one full-screen pass adds the bloom while it copies the
// scene onto the window (with or without scan lines), where bloom as its own pass costs a
// full-screen copy and a full-screen blend before the composition. The programs round as the
// blend into an 8-bit target would, so the picture stays the same to within a step or two.
class ShaderSet;

// Builds the two programs after the game's own, without log lines (the start-up log is the
// game's). On failure bloom keeps its own pass.
void BuildBloomPresentPrograms(ShaderSet& shaders);
// Whether Present adds the bloom: its programs are built and the plain drawing is not asked for.
bool BloomInPresent(const ShaderSet& shaders);
