#include "objects/CRandomJitterEffect.h"

#include "foundation/CXRandom.h"
#include "graphics/CGraphicsObject.h"

#include <vector>

void CRandomJitterEffect::Params::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "MAXJITTER", value, maxJitter))
        CStaticFilterParams::setProperty(name, value);
}

void CRandomJitterEffect::apply(CGraphicsObject* picture)
{
    int most = params_.maxJitter;
    if (most < 1)
        return;
    std::vector<CXPoint> offsets(size_t(picture->Width()) * size_t(picture->Height()));
    for (CXPoint& offset : offsets) {
        offset.x = most / 2 - CXRandom::random(most);
        offset.y = most / 2 - CXRandom::random(most);
    }
    picture->displacementFilter(offsets.data(), false, true);
}
