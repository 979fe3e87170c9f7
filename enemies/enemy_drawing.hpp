#pragma once
// How the family draws: the layer's tint (the far layers darker), the hit-flash program
// while hitFlash is set, straight alpha; the glow sheets added on top as light on the odd
// ticks of the flash cycle.
class Entity;
class SpriteSheet;

struct SpritePlacement {
    float x = 0.0f;
    float y = 0.0f;
    float halfWidth = 32.0f; // negative mirrors the cell
    float halfHeight = 32.0f;
    float degrees = 0.0f;
};

// The layer's tint: 0.5 on layer 1, 0.75 on layer 2, 1 elsewhere.
float LayerShade(int layer);

// The entity's position between the last tick (interpolation 1) and this one (0).
float InterpolatedX(const Entity& entity, float interpolation);
float InterpolatedY(const Entity& entity, float interpolation);
// Angles interpolated the short way round.
float InterpolatedAngle(const Entity& entity, float interpolation);

// A colour laid over a sheet drawn in greys.
struct Tint {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
};

// A cell of the entity's sheet, tinted by its layer (times `shade`), flashing when hit.
void DrawEnemyCell(const Entity& entity, const SpriteSheet& sheet, int cell, const SpritePlacement& at,
                   float shade = 1.0f);
// The same with a colour (times the layer's tint).
void DrawEnemyCellTinted(const Entity& entity, const SpriteSheet& sheet, int cell, const SpritePlacement& at,
                         Tint tint);
// The same cell of a glow sheet, added as light, on odd ticks of the flash cycle only.
void DrawEnemyGlow(const Entity& entity, const SpriteSheet& glow, int cell, const SpritePlacement& at);
