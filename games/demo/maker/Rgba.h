#pragma once

#include <algorithm>
#include <cstdint>

// A colour with straight alpha, every channel from 0 to 1.
struct Rgba {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 0;

    // From 0xRRGGBB.
    static Rgba hex(uint32_t rgb, float alpha = 1.0f)
    {
        return {float((rgb >> 16) & 0xFF) / 255.0f, float((rgb >> 8) & 0xFF) / 255.0f, float(rgb & 0xFF) / 255.0f, alpha};
    }
    static Rgba mix(Rgba from, Rgba to, float t)
    {
        t = std::clamp(t, 0.0f, 1.0f);
        return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
                from.a + (to.a - from.a) * t};
    }
    Rgba withAlpha(float alpha) const { return {r, g, b, alpha}; }
    // Lighter towards white (positive) or darker towards black (negative).
    Rgba shaded(float amount) const
    {
        return amount >= 0 ? mix(*this, Rgba{1, 1, 1, a}, amount) : mix(*this, Rgba{0, 0, 0, a}, -amount);
    }
};

// The dark outline of every drawing of the day.
inline const Rgba kInk = Rgba::hex(0x1E1633);
