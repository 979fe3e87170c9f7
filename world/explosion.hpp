#pragma once
// A layer explosion: an animated sprite that runs once through the 32 cells of its sheet.
#include <cstdint>

// How an explosion draws: the explosion sheet alpha blended, or the glow sheet added.
enum class ExplosionStyle : int32_t { Blast = 0, Glow = 1 };

struct Explosion {
    float x = 0.0f;
    float y = 0.0f;
    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    ExplosionStyle style = ExplosionStyle::Blast;
    float frame = 0.0f;
    float angle = 0.0f;
    uint8_t finished = 0;
};

constexpr float ExplosionFrameStep = 0.75f;
constexpr float ExplosionLastFrame = 32.0f;
