#pragma once

#include "objects/CFadeEffect.h"

// FADEIN: from START (0) up by SPEED to END (255), where it finishes.
class CFadeInEffect : public CFadeEffect {
public:
    explicit CFadeInEffect(CWindow* window) : CFadeEffect(window, 0.0, 255.0) {}

protected:
    double next(State& state, bool& finished) override;
};
