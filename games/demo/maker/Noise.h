#pragma once

#include <cstdint>

// Smooth value noise from a hashed lattice: the same numbers on every run and every machine.
class Noise {
public:
    // A number from 0 to 1 for the lattice point and seed.
    static float hash(int x, int y, uint32_t seed);
    // Noise from 0 to 1, smooth between lattice points one unit apart.
    static float smooth(float x, float y, uint32_t seed);
    // Several octaves of smooth noise, each twice as fine and half as strong; 0 to 1.
    static float fractal(float x, float y, uint32_t seed, int octaves);
};
