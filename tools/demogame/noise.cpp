#include "noise.h"

#include <algorithm>
#include <cmath>

namespace {

quint32 mix(quint32 h) {
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

} // namespace

Noise::Noise(quint32 seed) {
    for (int i = 0; i < 256; ++i) {
        permutation[i] = quint8(i);
        values[i] = float(mix(seed * 0x9e3779b1u + quint32(i)) >> 8) / float(1u << 24);
    }
    for (int i = 255; i > 0; --i) // a shuffle of its own, so every platform draws the same
        std::swap(permutation[i],
                  permutation[mix(seed ^ quint32(i) * 0x85ebca6bu) % quint32(i + 1)]);
}

float Noise::value(float x, float y) const {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const float tx = smooth(x - fx), ty = smooth(y - fy);
    const float a = cell(ix, iy), b = cell(ix + 1, iy);
    const float c = cell(ix, iy + 1), d = cell(ix + 1, iy + 1);
    const float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return (top + (bottom - top) * ty) * 2.0f - 1.0f;
}

float Noise::fractal(float x, float y, int octaves) const {
    float sum = 0, amplitude = 0.5f, frequency = 1;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so that the lattices do not line up.
        sum += amplitude * value(x * frequency + float(i) * 17.3f, y * frequency - float(i) * 9.1f);
        amplitude *= 0.5f;
        frequency *= 2.0f;
    }
    return sum * 1.9f;
}
