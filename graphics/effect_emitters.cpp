#include "graphics/effects.hpp"

#include "graphics/effects_drawing.hpp"
#include "core/random.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The spare field's values, which nothing reads.
constexpr int32_t SpareSplash = 25;
constexpr int32_t SpareFlare = 75;
constexpr int32_t SpareRing = 5;

EffectParticle ParticleAt(float x, float y, float half, float r, float g, float b, float frame, int32_t spare)
{
    EffectParticle p;
    p.x = p.prevX = x;
    p.y = p.prevY = y;
    p.halfWidth = p.halfHeight = half;
    p.red = r;
    p.green = g;
    p.blue = b;
    p.alpha = 1.0f;
    p.frame = frame;
    p.spare = spare;
    return p;
}

// --- spawn operations ---

void SpawnShotSpark(EffectEmitter& e, const EffectScene&)
{
    if (e.count <= 0)
        return;
    e.particles.push_back(ParticleAt(e.x, e.y, 24.0f, 0.0f, 0.75f, 1.0f, 10.0f, SpareFlare));
    --e.count;
}

void SpawnSplash(EffectEmitter& e, const EffectScene&)
{
    while (e.count > 0) {
        const int32_t d = (Random() & 31) - 16;
        const float fd = static_cast<float>(d);
        EffectParticle p = ParticleAt(e.x + fd, e.y, 8.0f, 1.0f, 1.0f, 1.0f, 24.0f, SpareSplash);
        p.vx = 0.01f * fd;
        p.vy = -0.1f * static_cast<float>(std::abs(d));
        e.particles.push_back(p);
        --e.count;
    }
}

// The flares: one particle per call while count lasts; the update's life clock lowers count.
void SpawnFlare(EffectEmitter& e, float half, float r, float g, float b, float frame)
{
    if (e.count > 0)
        e.particles.push_back(ParticleAt(e.x, e.y, half, r, g, b, frame, SpareFlare));
}
void SpawnBlueFlare(EffectEmitter& e, const EffectScene&) { SpawnFlare(e, 32.0f, 0.0f, 0.5f, 1.0f, 25.0f); }
void SpawnYellowFlare(EffectEmitter& e, const EffectScene&) { SpawnFlare(e, 22.0f, 1.0f, 1.0f, 0.0f, 25.0f); }
void SpawnGreenFlare(EffectEmitter& e, const EffectScene&) { SpawnFlare(e, 22.0f, 0.0f, 1.0f, 0.0f, 25.0f); }
void SpawnOrangeFlare(EffectEmitter& e, const EffectScene&) { SpawnFlare(e, 22.0f, 1.0f, 0.5f, 0.0f, 16.0f); }

struct RingColour {
    float r, g, b;
};
// By orb weapon kind.
constexpr RingColour GatherColours[8] = {{0.0f, 0.0f, 1.0f},  {0.0f, 0.5f, 0.5f}, {0.0f, 0.5f, 0.0f},
                                         {0.75f, 0.5f, 0.0f}, {1.0f, 0.0f, 1.0f}, {1.0f, 0.0f, 0.0f},
                                         {0.5f, 0.5f, 0.0f},  {1.0f, 1.0f, 1.0f}};

void SpawnGatherRing(EffectEmitter& e, const EffectScene& scene)
{
    if (e.count < 0)
        return;
    e.x = scene.shipX;
    e.y = scene.shipY;
    const RingColour colour = GatherColours[std::clamp(scene.orbWeapon, 0, 7)];
    for (int i = 0; i < 5; ++i) {
        const float radians = static_cast<float>(Random() % 360) * 3.14159265f / 180.0f;
        const float px = e.x + std::cos(radians) * 60.0f;
        const float py = e.y + std::sin(radians) * 60.0f;
        e.particles.push_back(ParticleAt(px, py, 1.1f, colour.r, colour.g, colour.b, 0.0f, SpareRing));
    }
    --e.count;
}

// Only while count lasts: an unconditional spawn on interval 1 would light a new 360-pixel
// flare every tick for as long as the emitter lives.
void SpawnDetonationFlare(EffectEmitter& e, const EffectScene& scene)
{
    if (e.count <= 0)
        return;
    e.particles.push_back(ParticleAt(scene.shipX, scene.shipY, 360.0f, 1.0f, 1.0f, 0.0f, 19.0f, SpareRing));
    --e.count;
}

void SpawnBubble(EffectEmitter& e, const EffectScene&)
{
    if (e.count <= 0)
        return;
    const int32_t d = (Random() & 15) - 8;
    const float fd = static_cast<float>(d);
    EffectParticle p = ParticleAt(e.x + fd, e.y, 4.0f, 1.0f, 1.0f, 1.0f, 26.0f, SpareSplash);
    p.vx = 0.01f * fd;
    p.vy = -0.7f * static_cast<float>(std::abs(d));
    e.particles.push_back(p);
    --e.count;
}

// --- update operations ---

void RunClock(EffectEmitter& e, const EffectScene& scene)
{
    ++e.intervalCounter;
    if (e.intervalCounter >= e.interval) {
        e.intervalCounter = 0;
        e.spawn(e, scene);
    }
}

void RemoveDead(EffectEmitter& e)
{
    std::erase_if(e.particles, [](const EffectParticle& p) { return p.dead != 0; });
}

void Fade(EffectParticle& p, float step)
{
    p.alpha -= step;
    if (p.alpha <= 0.0f)
        p.dead = 1;
}

void Drift(EffectParticle& p)
{
    p.prevX = p.x;
    p.prevY = p.y;
    p.x += p.vx;
    p.y += p.vy;
    p.vx *= 0.987f;
    p.vy *= 0.987f;
    Fade(p, 0.04f);
}

void UpdateScreenFixed(EffectEmitter& e, const EffectScene& scene)
{
    RunClock(e, scene);
    for (EffectParticle& p : e.particles) {
        p.x += scene.cameraDx;
        p.y += scene.cameraDy;
        p.prevX += scene.cameraDx;
        p.prevY += scene.cameraDy;
        Fade(p, 0.05f);
    }
    RemoveDead(e);
}

void UpdateDrifting(EffectEmitter& e, const EffectScene& scene)
{
    RunClock(e, scene);
    for (EffectParticle& p : e.particles)
        Drift(p);
    RemoveDead(e);
}

void UpdateFlare(EffectEmitter& e, const EffectScene& scene, bool fadeBlue)
{
    RunClock(e, scene);
    --e.life;
    --e.count;
    for (EffectParticle& p : e.particles) {
        p.prevX = p.x;
        p.prevY = p.y;
        p.x += scene.cameraDx;
        p.y += scene.cameraDy;
        if (fadeBlue)
            p.blue -= 0.04f;
        else
            p.green -= 0.04f;
        p.halfWidth *= 0.97f;
        p.halfHeight *= 0.97f;
        Fade(p, 0.04f);
    }
    RemoveDead(e);
}
void UpdateBlueFading(EffectEmitter& e, const EffectScene& scene) { UpdateFlare(e, scene, true); }
void UpdateGreenFading(EffectEmitter& e, const EffectScene& scene) { UpdateFlare(e, scene, false); }

// Particles pulled in a spiral towards the ship, carried along with its movement.
void SpiralTowardsShip(EffectParticle& p, const EffectScene& scene)
{
    static const float turnCos = std::cos(0.75f);
    static const float turnSin = std::sin(0.75f);
    p.prevX = p.x;
    p.prevY = p.y;
    const float pullX = (scene.shipX - p.x) * 0.08f;
    const float pullY = (scene.shipY - p.y) * 0.08f;
    const float vx = pullX * turnCos - pullY * turnSin;
    const float vy = pullX * turnSin + pullY * turnCos;
    p.x += scene.shipX - scene.shipPrevX;
    p.y += scene.shipY - scene.shipPrevY;
    p.x += vx;
    p.y += vy;
}

void UpdateGathering(EffectEmitter& e, const EffectScene& scene)
{
    RunClock(e, scene);
    for (EffectParticle& p : e.particles) {
        SpiralTowardsShip(p, scene);
        p.halfWidth *= 1.07f;
        p.halfHeight *= 1.07f;
        if (p.red > 0.2f)
            p.red -= 0.02f;
        if (p.green > 0.2f)
            p.green -= 0.02f;
        if (p.blue > 0.2f)
            p.blue -= 0.02f;
        Fade(p, 0.03f);
    }
    RemoveDead(e);
}

void UpdateDetonation(EffectEmitter& e, const EffectScene& scene)
{
    RunClock(e, scene);
    for (EffectParticle& p : e.particles) {
        SpiralTowardsShip(p, scene);
        p.angle += 15.5f;
        p.halfWidth *= 0.9f;
        p.halfHeight *= 0.9f;
        p.green -= 0.01f;
        Fade(p, 0.01f);
    }
    RemoveDead(e);
}

void UpdateBubbles(EffectEmitter& e, const EffectScene& scene)
{
    e.x = scene.shipX;
    e.y = scene.shipY;
    if (!scene.shipInWater)
        e.count = 0;
    UpdateDrifting(e, scene);
}

const EmitterKindInfo Kinds[] = {
    {SpawnShotSpark, UpdateScreenFixed, DrawParticlesFlat, 1, 1, 1},
    {SpawnBlueFlare, UpdateBlueFading, DrawParticlesFlat, 5, 5, 7},
    {SpawnYellowFlare, UpdateGreenFading, DrawParticlesFlat, 5, 15, 3},
    {SpawnGreenFlare, UpdateGreenFading, DrawParticlesFlat, 5, 15, 3},
    {SpawnOrangeFlare, UpdateGreenFading, DrawParticlesFlat, 5, 15, 3},
    {SpawnSplash, UpdateDrifting, DrawParticlesFlat, 75, 5, 0},
    {SpawnGatherRing, UpdateGathering, DrawParticlesFlat, 75, 25, 1},
    {SpawnDetonationFlare, UpdateDetonation, DrawParticlesRotated, 75, 1, 1},
    {SpawnBubble, UpdateBubbles, DrawParticlesFlat, 75, 5, 10},
};

} // namespace

const EmitterKindInfo& KindInfo(EmitterKind kind) { return Kinds[static_cast<int>(kind)]; }

void InitEmitter(EffectEmitter& emitter, float x, float y, int32_t life, int32_t count, int32_t interval)
{
    emitter.x = x;
    emitter.y = y;
    emitter.life = life;
    emitter.count = count;
    emitter.interval = interval;
    // A full counter: the first tick spawns.
    emitter.intervalCounter = interval;
}

void AddEmitter(Effects& effects, EmitterKind kind, float x, float y, int32_t life, int32_t count, int32_t interval)
{
    const EmitterKindInfo& info = KindInfo(kind);
    EffectEmitter emitter;
    emitter.spawn = info.spawn;
    emitter.update = info.update;
    emitter.draw = info.draw;
    InitEmitter(emitter, x, y, life, count, interval);
    effects.effectEmitters.push_back(std::move(emitter));
}

void AddEmitter(Effects& effects, EmitterKind kind, float x, float y)
{
    const EmitterKindInfo& info = KindInfo(kind);
    AddEmitter(effects, kind, x, y, info.life, info.count, info.interval);
}

bool TickEmitter(EffectEmitter& emitter, const EffectScene& scene)
{
    emitter.update(emitter, scene);
    return emitter.life <= 0 && emitter.particles.empty();
}

void TickEmitters(Effects& effects, const EffectScene& scene)
{
    // Updated in list order, then the spent ones are dropped (a predicate must not update).
    std::vector<EffectEmitter>& list = effects.effectEmitters;
    size_t kept = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (TickEmitter(list[i], scene))
            continue;
        if (kept != i)
            list[kept] = std::move(list[i]);
        ++kept;
    }
    list.resize(kept);
}

void ClearEffects(Effects& effects)
{
    effects.effectEmitters.clear();
    effects.trails.clear();
    effects.impactSparks.clear();
    effects.shockWaves.clear();
}
