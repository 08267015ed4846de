#include "foundation/CMElements.h"

#include "foundation/CMElement.h"

// Most lists are the children of one element: they start small and double as they fill.
CMElements::CMElements(bool owns) : CXVector(8, 0.75f), owns_(owns) {}

CMElements::~CMElements()
{
    if (owns_)
        release();
}

CMElement* CMElements::getAt(int index) const
{
    return static_cast<CMElement*>(at(index));
}

CMElement* CMElements::get(const CXString& name) const
{
    for (int i = 0; i < getSize(); ++i) {
        CMElement* element = getAt(i);
        if (element != nullptr && element->name().equals(name))
            return element;
    }
    return nullptr;
}

void CMElements::remove(const CXObject* element)
{
    CXVector::remove(element);
    delete element;
}

void CMElements::release()
{
    for (int i = 0; i < getSize(); ++i)
        delete getAt(i);
}
