#pragma once

#include <QtGlobal>

// Smooth value noise for the demo game's drawings: the same seed always draws the same picture.
// The lattice repeats every 256 cells, far beyond any feature size the drawings use.
class Noise {
public:
    explicit Noise(quint32 seed);
    // Smooth noise in [-1, 1] with features about one unit apart.
    float value(float x, float y) const;
    // Sum of octaves, each twice as fine and half as strong; roughly in [-1, 1].
    float fractal(float x, float y, int octaves) const;
    // A repeatable random number in [0, 1) for an integer cell.
    float cell(int x, int y) const { return values[permutation[(permutation[x & 255] + y) & 255]]; }

private:
    quint8 permutation[256];
    float values[256];
};
