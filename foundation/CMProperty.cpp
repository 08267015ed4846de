#include "foundation/CMProperty.h"

#include "foundation/BlockPool.h"
#include "foundation/CMElement.h"
#include "foundation/CXArray.h"

namespace {

const char kListSeparators[] = ", \n\r";

// The first N numbers of the list reading; missing ones are 0.
template <int N>
void readListNumbers(const CXString& value, int (&numbers)[N])
{
    CXArray* items = value.toVector(kListSeparators);
    for (int i = 0; i < N; ++i) {
        const CXString* item = items->stringAt(i);
        numbers[i] = item != nullptr ? item->toNumber() : 0;
    }
    CXString::releaseToVector(items);
}

// Never destroyed: a property may outlive every static object.
foundation::BlockPool& propertyPool()
{
    static auto* pool = new foundation::BlockPool(sizeof(CMProperty));
    return *pool;
}

} // namespace

void* CMProperty::operator new(size_t size)
{
    // A derived class is larger than the pool's blocks.
    return size == sizeof(CMProperty) ? propertyPool().take() : ::operator new(size);
}

void CMProperty::operator delete(void* block, size_t size)
{
    if (size == sizeof(CMProperty))
        propertyPool().give(block);
    else
        ::operator delete(block);
}

CMProperty::CMProperty() = default;

CMProperty::CMProperty(const CXString& name) : name_(name) {}

CMProperty::CMProperty(const CXString& name, const CXString& value) : name_(name), value_(value) {}

CMProperty* CMProperty::fromText(std::string_view name, std::string_view value)
{
    return new CMProperty(FromText{}, name, value);
}

CMProperty::CMProperty(FromText, std::string_view name, std::string_view value)
    : name_(CXString::fromTextBytes(name.data(), static_cast<int>(name.size()))),
      value_(CXString::fromTextBytes(value.data(), static_cast<int>(value.size())))
{
}

bool CMProperty::equals(const CXObject* other) const
{
    if (const auto* property = dynamic_cast<const CMProperty*>(other))
        return property->name_.equals(name_);
    if (const auto* element = dynamic_cast<const CMElement*>(other))
        return element->name().equals(name_);
    return false;
}

int CMProperty::getIntValue() const
{
    return value_.toNumber();
}

bool CMProperty::getBoolValue() const
{
    CXString upper(value_);
    return upper.Upper().equals("TRUE");
}

double CMProperty::getDoubleValue() const
{
    return value_.toDouble();
}

CXArray* CMProperty::getListValue() const
{
    return value_.toVector(kListSeparators);
}

CXPoint CMProperty::getPointValue() const
{
    int numbers[2];
    readListNumbers(value_, numbers);
    return CXPoint(numbers[0], numbers[1]);
}

CXSize CMProperty::getSizeValue() const
{
    int numbers[2];
    readListNumbers(value_, numbers);
    return CXSize(numbers[0], numbers[1]);
}

CXRect CMProperty::getRectValue() const
{
    int numbers[4];
    readListNumbers(value_, numbers);
    return CXRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}
