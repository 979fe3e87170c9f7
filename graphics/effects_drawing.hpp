#pragma once
// Drawing of the effect lists, kept apart from their updates: the emitters' two draw
// operations, the trail ribbons and the impact sparks. Callers set the view (translated by
// minus the interpolated camera) and, for emitters, the additive blend.
#include "graphics/effects.hpp"

class SpriteSheet;
class ShaderSet;

// D1: each particle as an axis-aligned quad of its half sizes, in its colour.
void DrawParticlesFlat(const EffectEmitter& emitter, float fraction, const SpriteSheet& particles);
// D2: as D1, each quad turned by the particle's angle.
void DrawParticlesRotated(const EffectEmitter& emitter, float fraction, const SpriteSheet& particles);

// Every emitter in list order, with the particle sheet bound.
void DrawEmitters(const Effects& effects, float fraction, const SpriteSheet& particles);
// One ribbon per trail of two points or more, textured by the trail's row of `beams`
// (the beam sheet for the alpha pass, the glow sheet for the additive one).
void DrawTrails(const Effects& effects, float fraction, const SpriteSheet& beams);
// Additive flashes: style 0 from the bullet splash sheet, 1..3 from the bullet sheet.
void DrawImpactSparks(const Effects& effects, ShaderSet& shaders, const SpriteSheet& splash,
                      const SpriteSheet& bullets);
