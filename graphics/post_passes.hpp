#pragma once
// The full-screen passes of a frame: shock waves, water, greyscale and bloom, and the final
// composition onto the window with optional scan lines. Each is a no-op in LowSpecMode
// except the tint and surface of the water.
#include <cstdint>
#include <vector>

class RenderTargets;
class ShaderSet;

// A distortion ring in logical coordinates, added by explosions.
struct ShockWave {
    float x = 0.0f;
    float y = 0.0f;
    float intensity = 0.0f;
    float radius = 0.0f;
};

// A stage's water area in logical units.
struct WaterRect {
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
};

void ShockwavePass(ShaderSet& shaders, RenderTargets& targets, const std::vector<ShockWave>& waves, uint32_t shockWaveMap);
// scroll: the water scroll offset already interpolated for this frame.
void WaterPass(ShaderSet& shaders, RenderTargets& targets, const std::vector<WaterRect>& water, float scroll,
               uint32_t waterMap, uint32_t waterSurface);
// Bloom is drawn here only where Present cannot add it (graphics/bloom_present): give both
// the same flag.
void PostPass(ShaderSet& shaders, RenderTargets& targets, bool greyscale, float greyscaleAmount, bool bloom);
void Present(ShaderSet& shaders, RenderTargets& targets, bool scanLines, bool fullscreen, bool bloom);
