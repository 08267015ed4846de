#include "foundation/CMProperties.h"

// Elements have a handful of properties, and a scene thousands of elements: lists start small.
CMProperties::CMProperties() : CXVector(8, 0.75f) {}

CMProperties::~CMProperties()
{
    for (int i = 0; i < getSize(); ++i)
        delete getAt(i);
}

CMProperty* CMProperties::get(const CXString& name) const
{
    for (int i = 0; i < getSize(); ++i) {
        CMProperty* property = getAt(i);
        if (property != nullptr && property->name().equals(name))
            return property;
    }
    return nullptr;
}

CMProperty* CMProperties::getAt(int index) const
{
    return static_cast<CMProperty*>(at(index));
}

void CMProperties::remove(const CXObject* property)
{
    CXVector::remove(property);
    delete property;
}
