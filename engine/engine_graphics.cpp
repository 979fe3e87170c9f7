// The engine's post-effect operations: thin bindings of its shader set, render targets and
// effect state to the passes.
#include "core/automation.hpp"
#include "engine/engine.hpp"
#include "core/math_utils.hpp"
#include "graphics/bloom_present.hpp"
#include "graphics/post_passes.hpp"
#include "graphics/shader_programs.hpp"

bool Engine::BuildShaders()
{
    if (!::BuildShaders(shaders))
        return false;
    BuildBloomPresentPrograms(shaders);
    return true;
}

bool Engine::CreateRenderTargets() { return renderTargets.Create(width, height); }

void Engine::SwapTarget(bool copyPrevious) { renderTargets.Swap(shaders, copyPrevious); }


void Engine::ShockwavePass() { ::ShockwavePass(shaders, renderTargets, effects.shockWaves, sheets.shockWaveMap); }

void Engine::WaterPass(float fraction, const std::vector<WaterRect>& water, float previousScroll, float scroll)
{
    ::WaterPass(shaders, renderTargets, water, Lerp(scroll, previousScroll, fraction), sheets.waterMap, sheets.waterSurface);
}

void Engine::PostPass() { ::PostPass(shaders, renderTargets, greyscale, greyscaleAmount, bloom); }

void Engine::Present() { ::Present(shaders, renderTargets, scanLines, fullscreen, bloom); }
