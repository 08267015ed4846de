#pragma once

#include <box2d/b2_math.h>

#include <cmath>

// Screen units outside, metres inside: Box2D is tuned for bodies of 0.1 to 10 m and moves a body
// at most 2 m a step, so 100 units make a metre.
class KorrunScale {
public:
    static constexpr float kUnitsPerMetre = 100.0f;
    static constexpr float kPi = 3.14159265358979f;

    static float metres(float units) { return units / kUnitsPerMetre; }
    static float units(float metres) { return metres * kUnitsPerMetre; }
    static b2Vec2 metres(const b2Vec2& units) { return (1.0f / kUnitsPerMetre) * units; }
    static b2Vec2 units(const b2Vec2& metres) { return kUnitsPerMetre * metres; }

    static float radians(float degrees) { return degrees * (kPi / 180.0f); }
    static float degrees(float radians) { return radians * (180.0f / kPi); }
    // Degrees brought into [0, 360).
    static float normalDegrees(float degrees)
    {
        float turned = std::fmod(degrees, 360.0f);
        if (turned < 0.0f)
            turned += 360.0f;
        return turned >= 360.0f ? 0.0f : turned;
    }

    static float length(const b2Vec3& v) { return std::sqrt(b2Dot(v, v)); }
};
