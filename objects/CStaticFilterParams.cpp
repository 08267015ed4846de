#include "objects/CStaticFilterParams.h"

void CStaticFilterParams::setProperty(const CXString& name, const CXString& value)
{
    if (!take(name, "CANUNDO", value, canUndo_) && !take(name, "CURRENTFRAME", value, currentFrame_))
        CFilterParams::setProperty(name, value);
}
