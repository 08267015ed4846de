#include "objects/CFadeEffect.h"

#include "graphics/CGraphicsObject.h"
#include "script/CMC_Double.h"

#include <algorithm>

void CFadeEffect::Params::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "SPEED", value, speed) && !take(name, "START", value, start) && !take(name, "END", value, end))
        CFilterParams::setProperty(name, value);
}

std::unique_ptr<CFilterLink::State> CFadeEffect::createState(CGraphicsObject*)
{
    return std::make_unique<State>();
}

void CFadeEffect::showValue(CGraphicsObject* picture, double value)
{
    picture->SetOpacity(static_cast<unsigned char>(std::clamp(CMC_Double::truncate(value), 0, 255)));
}

void CFadeEffect::prepare(CFilterLink& link, CGraphicsObject* picture)
{
    auto& state = static_cast<State&>(*link.getState());
    state.value = params_.start;
    state.rising = true;
    showValue(picture, state.value);
}

bool CFadeEffect::step(CFilterLink& link, CGraphicsObject* picture)
{
    auto& state = static_cast<State&>(*link.getState());
    bool finished = false;
    double value = next(state, finished);
    if (value != CMC_Double::truncate(state.value)) {
        showValue(picture, value);
        picture->Invalidate();
    }
    state.value = value;
    return finished;
}
