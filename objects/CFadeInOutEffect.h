#pragma once

#include "objects/CFadeEffect.h"

// FADEINOUT: from START up by SPEED to END, then down to START, and so on; it never finishes.
// Every start rises first.
class CFadeInOutEffect : public CFadeEffect {
public:
    explicit CFadeInOutEffect(CWindow* window) : CFadeEffect(window, 0.0, 255.0) {}

protected:
    double next(State& state, bool& finished) override;
};
