#include "tools/art/noise.hpp"

#include <cmath>

float Hash01(int32_t x, int32_t y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 0x8da6b343u ^ uint32_t(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return float(h & 0xffffffu) / float(0xffffff);
}

float ValueNoise(float x, float y, uint32_t seed, int period)
{
    const float fx = std::floor(x), fy = std::floor(y);
    int32_t x0 = int32_t(fx), y0 = int32_t(fy);
    int32_t x1 = x0 + 1, y1 = y0 + 1;
    if (period > 0) {
        auto wrap = [period](int32_t v) { return ((v % period) + period) % period; };
        x0 = wrap(x0);
        y0 = wrap(y0);
        x1 = wrap(x1);
        y1 = wrap(y1);
    }
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3.0f - 2.0f * tx);
    ty = ty * ty * (3.0f - 2.0f * ty);
    const float a = Hash01(x0, y0, seed), b = Hash01(x1, y0, seed);
    const float c = Hash01(x0, y1, seed), d = Hash01(x1, y1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float Fbm(float x, float y, uint32_t seed, int octaves, int period)
{
    float sum = 0.0f, weight = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + uint32_t(i) * 101u, period) * weight;
        total += weight;
        weight *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
        if (period > 0)
            period *= 2;
    }
    return sum / total;
}
