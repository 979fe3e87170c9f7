#pragma once
// Process-wide values read and changed by the launcher, the extension check, the engine and
// the renderers. None of them is stored in Engine.cfg.

// No rectangle textures, frame-buffer objects or full-screen post effects while on.
extern bool LowSpecMode;
// No GLSL program is compiled or bound while off.
extern bool ShadersEnabled;
// Seconds of game time per tick; play changes it per difficulty.
extern float TickLength;

constexpr float DefaultTickLength = 0.02f;
