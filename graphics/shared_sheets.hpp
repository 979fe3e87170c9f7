#pragma once
// The pictures every part of the game shares, loaded once by the precache and kept for the
// engine's life, and the ships' pictures, which the ship selection fills.
#include "graphics/precache.hpp"
#include "graphics/sprite_sheet.hpp"

#include <array>
#include <cstdint>

struct SharedSheets {
    SpriteSheet bulletSheet;
    SpriteSheet bulletSplashSheet;
    SpriteSheet explosionSheet;
    SpriteSheet explosionRingSheet;
    SpriteSheet beamSheet;
    SpriteSheet beamGlowSheet;
    SpriteSheet particleSheet;
    SpriteSheet speedometerSheet;
    SpriteSheet hudBeamOrbSheet;
    SpriteSheet forceChargeSheet;
    uint32_t shockWaveMap = 0;
    uint32_t waveDistortionMap = 0;
    uint32_t waterMap = 0;
    uint32_t waterSurface = 0;
    uint32_t checkerTexture = 0;
    uint32_t barsTexture = 0;
    // Owns every precached texture above.
    PrecachedTextures precachedTextures;
    // The ships' pictures, filled by the ship-selection screen.
    std::array<SpriteSheet, 14> shipSheets;
};
