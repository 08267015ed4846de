#include "objects/CPathEffect.h"

#include "foundation/IntegerWrap.h"
#include "graphics/CGraphicsObject.h"
#include "objects/CMC_Path.h"
#include "script/CMC_Double.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Vector.h"

#include <cmath>
#include <cstdlib>

using foundation::wrapAdd;
using foundation::wrapSub;

void CPathEffect::Params::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "SPEED", value, speed) && !take(name, "PATHDEF", value, pathDef) && !take(name, "LOOPED", value, looped))
        CFilterParams::setProperty(name, value);
}

CPathEffect::CPathEffect(CWindow* window, CMC_ObjectsContainer* container) : CFilterEffect(window), container_(container)
{
}

std::unique_ptr<CFilterLink::State> CPathEffect::createState(CGraphicsObject*)
{
    return std::make_unique<State>();
}

void CPathEffect::prepare(CFilterLink& link, CGraphicsObject* picture)
{
    static_cast<State&>(*link.getState()).origin = picture->getPosition();
}

bool CPathEffect::step(CFilterLink& link, CGraphicsObject* picture)
{
    uint32_t speed = params_.speed > 1 ? uint32_t(params_.speed) : 1;
    CMC_ObjectsContainer* container = container_.get();
    if (link.getSteps() % speed != 0 || container == nullptr)
        return false;
    auto* path = dynamic_cast<CMC_Path*>(container->getObject(params_.pathDef));
    auto& state = static_cast<State&>(*link.getState());
    auto* node = path != nullptr ? dynamic_cast<CMC_Vector*>(path->getNode(state.node)) : nullptr;
    double density = path != nullptr ? path->getDensity() : 0.0;
    if (node == nullptr || !(density > 0.0))
        return false;
    double nodeX = node->getValue(0);
    double nodeY = node->getValue(1);
    double steps = node->length() / density;
    double stepX = nodeX / steps;
    double stepY = nodeY / steps;
    if (steps > 0.0 && std::isfinite(stepX) && std::isfinite(stepY)) {
        state.progressX += stepX;
        state.progressY += stepY;
        if (!advance(state, picture, nodeX, nodeY))
            return false;
    }
    return nextNode(state, picture, path->getSize());
}

bool CPathEffect::advance(State& state, CGraphicsObject* picture, double nodeX, double nodeY)
{
    int x = CMC_Double::truncate(state.progressX);
    int y = CMC_Double::truncate(state.progressY);
    CXPoint at = picture->getPosition();
    if (wrapSub(at.x, state.origin.x) == x && wrapSub(at.y, state.origin.y) == y)
        return false;
    // Moving invalidates where the picture stood and where it stands now.
    picture->Move(wrapSub(wrapAdd(state.origin.x, x), at.x), wrapSub(wrapAdd(state.origin.y, y), at.y));
    return std::llabs(x) >= std::llabs(CMC_Double::truncate(nodeX)) && std::llabs(y) >= std::llabs(CMC_Double::truncate(nodeY));
}

bool CPathEffect::nextNode(State& state, CGraphicsObject* picture, int nodeCount) const
{
    bool last = state.node + 1 >= nodeCount;
    if (last && !params_.looped)
        return true;
    state.origin = picture->getPosition();
    state.node = last ? 0 : state.node + 1;
    state.progressX = state.progressY = 0.0;
    return false;
}
