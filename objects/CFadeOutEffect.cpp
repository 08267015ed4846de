#include "objects/CFadeOutEffect.h"

double CFadeOutEffect::next(State& state, bool& finished)
{
    double value = state.value - fade().speed;
    finished = value <= fade().end;
    return finished ? fade().end : value;
}
