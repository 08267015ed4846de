#include "objects/CScaleEffect.h"

#include "graphics/CGraphicsObject.h"
#include "script/CMC_Double.h"

void CScaleEffect::Params::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "FACTORX", value, factorX) && !take(name, "FACTORY", value, factorY) && !take(name, "BYCENTER", value, byCenter))
        CStaticFilterParams::setProperty(name, value);
}

void CScaleEffect::apply(CGraphicsObject* picture)
{
    int width = picture->Width();
    int height = picture->Height();
    int scaledWidth = CMC_Double::truncate(width * params_.factorX);
    int scaledHeight = CMC_Double::truncate(height * params_.factorY);
    if (scaledWidth < 1 || scaledHeight < 1)
        return;
    picture->Scale(params_.factorX, params_.factorY);
    // Scaling refuses pictures too large to hold.
    if (picture->Width() != scaledWidth || picture->Height() != scaledHeight)
        return;
    if (params_.byCenter)
        picture->Move((width - scaledWidth) / 2, (height - scaledHeight) / 2);
}
