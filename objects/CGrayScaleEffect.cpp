#include "objects/CGrayScaleEffect.h"

#include "graphics/CGraphicsObject.h"

void CGrayScaleEffect::apply(CGraphicsObject* picture)
{
    picture->ToGrayScale();
}
