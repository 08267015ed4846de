#include "foundation/CMElement.h"

namespace {

// The reading of the named property, or `fallback` when the element has none.
template <typename Result, typename Reading>
Result readProperty(const CMProperties* properties, const CXString& name, Result fallback, Reading reading)
{
    const CMProperty* property = properties->get(name);
    return property != nullptr ? (property->*reading)() : fallback;
}

} // namespace

CMElement::CMElement(const CXString& name)
    : name_(name)
{
}

CMElement::~CMElement() = default;

void CMElement::addProperty(const CXString& name)
{
    if (!properties_.contains(name))
        properties_.add(new CMProperty(name));
}

void CMElement::addProperty(const CXString& name, const CXString& value)
{
    properties_.add(new CMProperty(name, value));
}

void CMElement::addParsedProperty(std::string_view name, std::string_view value)
{
    properties_.add(CMProperty::fromText(name, value));
}

void CMElement::setProperty(const CXString& name, const CXString& value)
{
    if (CMProperty* property = properties_.get(name))
        property->setValue(value);
}

void CMElement::removeProperty(const CXString& name)
{
    if (CMProperty* property = properties_.get(name))
        properties_.remove(property);
}

void CMElement::removeAll()
{
    while (properties_.getSize() > 0)
        properties_.remove(properties_.getAt(properties_.getSize() - 1));
}

void CMElement::addChild(CMElement* element)
{
    children_.add(element);
}

bool CMElement::isPropertyAvailable(const CXString& name) const
{
    return properties_.contains(name);
}

bool CMElement::hasProperty(const CXString& name) const
{
    CXString upper(name);
    return properties_.contains(upper.Upper());
}

CXString CMElement::getPropertyValue(const CXString& name) const
{
    return readProperty(&properties_, name, CXString(), &CMProperty::getValue);
}

int CMElement::getPropertyIntValue(const CXString& name) const
{
    return readProperty(&properties_, name, 0, &CMProperty::getIntValue);
}

bool CMElement::getPropertyBoolValue(const CXString& name) const
{
    return readProperty(&properties_, name, false, &CMProperty::getBoolValue);
}

double CMElement::getPropertyDoubleValue(const CXString& name) const
{
    return readProperty(&properties_, name, 0.0, &CMProperty::getDoubleValue);
}

CXArray* CMElement::getPropertyListValue(const CXString& name) const
{
    return readProperty(&properties_, name, static_cast<CXArray*>(nullptr), &CMProperty::getListValue);
}

CXPoint CMElement::getPropertyPointValue(const CXString& name) const
{
    return readProperty(&properties_, name, CXPoint(), &CMProperty::getPointValue);
}

CXSize CMElement::getPropertySizeValue(const CXString& name) const
{
    return readProperty(&properties_, name, CXSize(), &CMProperty::getSizeValue);
}

CXRect CMElement::getPropertyRectValue(const CXString& name) const
{
    return readProperty(&properties_, name, CXRect(), &CMProperty::getRectValue);
}
