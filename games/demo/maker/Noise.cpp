#include "Noise.h"

#include <cmath>

float Noise::hash(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h & 0xFFFFFF) / float(0xFFFFFF);
}

float Noise::smooth(float x, float y, uint32_t seed)
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const auto ease = [](float t) { return t * t * (3 - 2 * t); };
    const float tx = ease(x - fx);
    const float ty = ease(y - fy);
    const float top = hash(ix, iy, seed) + (hash(ix + 1, iy, seed) - hash(ix, iy, seed)) * tx;
    const float bottom = hash(ix, iy + 1, seed) + (hash(ix + 1, iy + 1, seed) - hash(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float Noise::fractal(float x, float y, uint32_t seed, int octaves)
{
    float sum = 0;
    float weight = 0.5f;
    float total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += smooth(x, y, seed + uint32_t(octave)) * weight;
        total += weight;
        x *= 2;
        y *= 2;
        weight /= 2;
    }
    return sum / total;
}
