#pragma once
// What play draws over the scene: the heads-up display (gauges, speed, scores, the demo and
// pause texts) and the editor's debug read-out.
#include <cstdint>

class Engine;

void DrawHud(Engine& engine);
void DrawDebugOverlay(Engine& engine);

// The force gauge's colour phase: 0 while the charge is below 100; when full, rising from 0
// to 1 over the first 10 steps of the flash cycle and 1 for the rest of it.
float GaugeFlash(int32_t charge, int32_t flashCycle);
