#include "objects/CFadeInEffect.h"

double CFadeInEffect::next(State& state, bool& finished)
{
    double value = state.value + fade().speed;
    finished = value >= fade().end;
    return finished ? fade().end : value;
}
