#include "foundation/CXVector.h"

CXVector::CXVector(int size, float loadFactor) : CXPointerList<CXObject>(size, loadFactor)
{
}

CXObject* CXVector::setAt(int index, CXObject* element)
{
    return static_cast<CXObject*>(slots_.setElement(index, element));
}

void CXVector::insertAt(int index, CXObject* element)
{
    slots_.insertElement(index, element);
}

CXObject* CXVector::operator[](int index) const
{
    return at(index);
}

void CXVector::copyInto(CXVector* target) const
{
    if (target != nullptr)
        slots_.copyInto(target->slots_);
}

CXObject* CXVector::clone() const
{
    auto* copy = new CXVector(1, slots_.loadFactor());
    copy->slots_.copyFrom(slots_, false);
    return copy;
}
