#pragma once
// The picture generators: each turns one source description into one picture. A source
// names its generator with its "kind" line.
#include "tools/art/art_source.hpp"
#include "tools/art/image.hpp"

#include <string>
#include <vector>

struct ArtContext {
    const ArtSource& source;
    std::string sourceDir;                  // folder of the source, for "uses" files
    std::map<std::string, Rgba> palette;
    std::vector<std::string>& errors;

    // Another source file (relative to sourceDir) with the same palette.
    ArtSource Load(const std::string& relative) const;
    int Width() const { return int(source.Number("size", 0, 0)); }
    int Height() const { return int(source.Number("size", 0, 1)); }
};

using Generator = Image (*)(ArtContext& context);

// nullptr for an unknown kind.
Generator FindGenerator(const std::string& kind);
std::vector<std::string> GeneratorKinds();

// Shared shapes every family draws with.
// A radial glow: 1 at the centre falling smoothly to 0 at `radius`, raised to `sharpness`.
float Falloff(float distance, float radius, float sharpness = 2.0f);
float Smoothstep(float edge0, float edge1, float x);
