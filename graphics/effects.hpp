#pragma once
// The light-weight effects of a stage: particle emitters (splashes, flares, the gather ring,
// bubbles), trails (ribbons behind missiles and the ship), impact sparks and distortion
// rings. None is ever hit; they move, fade and draw. Plain records advanced by free
// functions; held by value as Engine::effects and emptied at every stage build.
//
// Trails are the one effect an owner keeps reaching: it holds a TrailHandle, which stops
// resolving once the trail has gone, never a pointer into the list.
#include "graphics/post_passes.hpp"

#include <cstdint>
#include <deque>
#include <vector>

struct EffectParticle {
    float x = 0.0f;
    float y = 0.0f;
    float prevX = 0.0f;
    float prevY = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
    float halfWidth = 0.0f;
    float halfHeight = 0.0f;
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    float alpha = 1.0f;
    int32_t spare = 0; // filled by the spawns, read by nothing
    float frame = 0.0f; // cell of the particle sheet
    uint8_t dead = 0;
    float angle = 0.0f; // degrees; only the rotating draw reads it
};

// What the emitters see of the play around them this tick, filled by the play loop before
// the effects advance.
struct EffectScene {
    float cameraDx = 0.0f; // camera - previous camera
    float cameraDy = 0.0f;
    float shipX = 0.0f;
    float shipY = 0.0f;
    float shipPrevX = 0.0f;
    float shipPrevY = 0.0f;
    bool shipInWater = false;
    int32_t orbWeapon = 0; // 0..7
};

class SpriteSheet;
struct EffectEmitter;
using EmitterSpawnOp = void (*)(EffectEmitter& emitter, const EffectScene& scene);
using EmitterUpdateOp = void (*)(EffectEmitter& emitter, const EffectScene& scene);
using EmitterDrawOp = void (*)(const EffectEmitter& emitter, float fraction, const SpriteSheet& particles);

struct EffectEmitter {
    EmitterSpawnOp spawn = nullptr;
    EmitterUpdateOp update = nullptr;
    EmitterDrawOp draw = nullptr;
    float x = 0.0f;
    float y = 0.0f;
    int32_t life = 0; // stays in the list while above 0 (or while particles remain)
    int32_t count = 0; // particles still to emit
    int32_t interval = 0; // ticks between spawns
    int32_t intervalCounter = 0;
    std::vector<EffectParticle> particles;
};

enum class EmitterKind {
    ShotSpark,
    BlueFlare,
    YellowFlare,
    GreenFlare,
    OrangeFlare,
    WaterSplash,
    GatherRing,
    DetonationFlare,
    Bubbles,
};

// A kind's three operations and the values its creators give InitEmitter.
struct EmitterKindInfo {
    EmitterSpawnOp spawn;
    EmitterUpdateOp update;
    EmitterDrawOp draw;
    int32_t life;
    int32_t count;
    int32_t interval;
};

struct TrailColour {
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    float alpha = 1.0f;
};

struct TrailPoint {
    float x = 0.0f;
    float y = 0.0f;
    float prevX = 0.0f;
    float prevY = 0.0f;
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    float alpha = 1.0f;
    int32_t life = 0; // remaining ticks
    uint8_t flip = 0; // the trail's flip when the point was added: alternates the texture edge
};

struct Trail {
    std::deque<TrailPoint> points; // newest first
    int32_t cell = 0; // row of the beam sheet
    float widthScale = 1.0f;
    float emitterX = 0.0f;
    float emitterY = 0.0f;
    float prevEmitterX = 0.0f;
    float prevEmitterY = 0.0f;
    int32_t pointLifetime = 1;
    int32_t emitInterval = 0;
    int32_t emitCountdown = 0;
    TrailColour startColour;
    TrailColour endColour;
    uint8_t ended = 0;
    uint8_t scrolling = 0;
    float scrollOffset = 0.0f;
    float scrollSpeed = 0.0f;
    uint8_t flip = 0;
    uint32_t id = 0; // what handles resolve by; 0 until the trail is added
};

// Names a trail in Effects::trails; resolves to nothing once the trail has been removed.
struct TrailHandle {
    uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
};

struct ImpactSpark {
    float x = 0.0f;
    float y = 0.0f;
    float halfSize = 16.0f;
    int32_t style = 0; // 0 bullet splash; 1 yellow, 2 cyan, 3 magenta bullet-sheet flash
    int32_t lifetime = 0;
    float age = 0.0f;
    uint8_t dead = 0;
};

struct Effects {
    std::vector<EffectEmitter> effectEmitters;
    std::vector<Trail> trails;
    std::vector<ImpactSpark> impactSparks;
    // Distortion rings in screen coordinates, read by the shock-wave pass.
    std::vector<ShockWave> shockWaves;
    uint32_t nextTrailId = 1;
};

// --- emitters ---
const EmitterKindInfo& KindInfo(EmitterKind kind);
void InitEmitter(EffectEmitter& emitter, float x, float y, int32_t life, int32_t count, int32_t interval);
void AddEmitter(Effects& effects, EmitterKind kind, float x, float y, int32_t life, int32_t count, int32_t interval);
// With the kind's own life, count and interval.
void AddEmitter(Effects& effects, EmitterKind kind, float x, float y);
// One update; true when the emitter is spent (life at or below 0 and no particles left).
bool TickEmitter(EffectEmitter& emitter, const EffectScene& scene);
void TickEmitters(Effects& effects, const EffectScene& scene);

// --- trails ---
Trail StartTrail(float x, float y, int32_t cell, const TrailColour& startColour, const TrailColour& endColour,
                 int32_t pointLifetime, int32_t emitInterval, float widthScale);
// Appends the trail and returns the owner's handle to it.
TrailHandle AddTrail(Effects& effects, Trail trail);
// The trail the handle names, or null once it has been removed. The pointer is only good
// until the trail list next changes.
Trail* FindTrail(Effects& effects, TrailHandle handle);
void MoveTrailEmitter(Trail& trail, float x, float y);
void EndTrail(Trail& trail);
// Ends the named trail if it still exists; the owner's handle is cleared either way.
void EndTrail(Effects& effects, TrailHandle& handle);
// One update; true when the trail has ended and its last point has expired.
bool TickTrail(Trail& trail, float cameraDx, float cameraDy);
void TickTrails(Effects& effects, float cameraDx, float cameraDy);
// Nothing moves between ticks any more: every point's previous position = its position.
void FreezeTrails(Effects& effects);
// Moves every trail, its emitter and its points by (-dx, -dy) (the stage clock jumped).
void ShiftTrails(Effects& effects, float dx, float dy);

// --- impact sparks ---
void AddImpactSpark(Effects& effects, float x, float y, int32_t style, float halfSize);
// age += 0.5; true once the spark is dead.
bool TickImpactSpark(ImpactSpark& spark);
void TickImpactSparks(Effects& effects);

// --- distortion rings ---
void AddShockWave(Effects& effects, float x, float y, float intensity, float radius);
// Each ring weakens by 5 and grows by 20; spent rings go.
void AdvanceShockWaves(Effects& effects);

// Empties every list (a stage build).
void ClearEffects(Effects& effects);
