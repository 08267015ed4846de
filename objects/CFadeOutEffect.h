#pragma once

#include "objects/CFadeEffect.h"

// FADEOUT: from START (255) down by SPEED to END (0), where it finishes.
class CFadeOutEffect : public CFadeEffect {
public:
    explicit CFadeOutEffect(CWindow* window) : CFadeEffect(window, 255.0, 0.0) {}

protected:
    double next(State& state, bool& finished) override;
};
