#pragma once

#include "Rgba.h"

#include <cstdint>

class Raster;

// Pieces of landscape that several scenes paint.
class Scenery {
public:
    // A vertical gradient from `top` at the top edge to `horizon` at y, and on below.
    static void sky(Raster& raster, Rgba top, Rgba horizon, float horizonY);
    // Light fading out from the centre: a sun's or a moon's glow, a firefly's halo.
    static void glow(Raster& raster, float cx, float cy, float radius, Rgba colour);
    // A line of rolling hills about baseY high, everything below it filled, darker downwards.
    static void hills(Raster& raster, float baseY, float height, float waveLength, uint32_t seed, Rgba top, Rgba bottom);
    // A puffy cloud about `width` wide with its flat foot at (cx, cy).
    static void cloud(Raster& raster, float cx, float cy, float width, uint32_t seed);
    // Blades of grass and little flowers over the ground below `top`, more and bigger further down.
    static void meadow(Raster& raster, float top, int flowers, uint32_t seed);
    // A round tree whose trunk stands at (x, groundY).
    static void tree(Raster& raster, float x, float groundY, float size, Rgba leaves);
    // Dots of light over the part of the sky above `bottom`; some bright ones with rays.
    static void stars(Raster& raster, int count, float bottom, uint32_t seed);
};
