#include "objects/CFadeInOutEffect.h"

double CFadeInOutEffect::next(State& state, bool& finished)
{
    finished = false;
    if (state.rising) {
        double value = state.value + fade().speed;
        if (value < fade().end)
            return value;
        state.rising = false;
        return fade().end;
    }
    double value = state.value - fade().speed;
    if (value > fade().start)
        return value;
    state.rising = true;
    return fade().start;
}
