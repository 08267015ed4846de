#include "graphics/CValidationElement.h"

CValidationElement::CValidationElement(CGraphicsObject* object, int priority)
    : object_(object), priority_(priority), flags_(0), drawn_(false)
{
}

int CValidationElement::compare(const CXObject* other) const
{
    auto* element = static_cast<const CValidationElement*>(other);
    return element->priority_ < priority_ ? 1 : 0;
}
