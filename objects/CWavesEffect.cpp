#include "objects/CWavesEffect.h"

#include "graphics/CGraphicsObject.h"
#include "script/CMC_Double.h"

#include <algorithm>
#include <cmath>
#include <vector>

void CWavesEffect::Params::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "AMPLITUDE", value, amplitude) && !take(name, "DENSITY", value, density) && !take(name, "OFFSET", value, offset))
        CStaticFilterParams::setProperty(name, value);
}

void CWavesEffect::apply(CGraphicsObject* picture)
{
    int width = picture->Width();
    std::vector<CXPoint> offsets(size_t(width) * size_t(picture->Height()));
    for (int x = 0; x < width; ++x)
        offsets[size_t(x)] = CXPoint(params_.offset, CMC_Double::truncate(std::sin(x * params_.density) * params_.amplitude));
    for (size_t at = size_t(width); at < offsets.size(); at += size_t(width))
        std::copy_n(offsets.begin(), width, offsets.begin() + ptrdiff_t(at));
    picture->displacementFilter(offsets.data(), true, true);
}
