#include "foundation/CMProperties.h"

// Elements have a handful of properties (up to twelve fit without growing), and a scene thousands
// of elements: the list is made by the first property.
CMProperties::CMProperties() : CXVector(16, 0.75f) {}

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
