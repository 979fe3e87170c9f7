#include "graphics/effects.hpp"

#include <algorithm>

void AddImpactSpark(Effects& effects, float x, float y, int32_t style, float halfSize)
{
    ImpactSpark spark;
    spark.x = x;
    spark.y = y;
    spark.halfSize = halfSize;
    // The style picks a sheet cell range and a tint: anything else draws as the splash.
    spark.style = style >= 0 && style <= 3 ? style : 0;
    if (spark.style == 0) {
        spark.age = 0.0f;
        spark.lifetime = 4;
    } else {
        spark.age = 32.0f;
        spark.lifetime = 37;
    }
    effects.impactSparks.push_back(spark);
}

bool TickImpactSpark(ImpactSpark& spark)
{
    spark.age += 0.5f;
    if (spark.age >= static_cast<float>(spark.lifetime))
        spark.dead = 1;
    return spark.dead != 0;
}

void TickImpactSparks(Effects& effects)
{
    for (ImpactSpark& spark : effects.impactSparks)
        TickImpactSpark(spark);
    std::erase_if(effects.impactSparks, [](const ImpactSpark& s) { return s.dead != 0; });
}

void AddShockWave(Effects& effects, float x, float y, float intensity, float radius)
{
    effects.shockWaves.push_back(ShockWave{x, y, intensity, radius});
}

void AdvanceShockWaves(Effects& effects)
{
    for (ShockWave& wave : effects.shockWaves) {
        wave.intensity -= 5.0f;
        wave.radius += 20.0f;
    }
    std::erase_if(effects.shockWaves, [](const ShockWave& w) { return w.intensity <= 0.0f; });
}
