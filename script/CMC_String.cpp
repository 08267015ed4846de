#include "script/CMC_String.h"

#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

CMC_String::CMC_String(const CXString& name) : CMC_ValueVariable(name, script::TYPE_STRING, -1)
{
}

CMC_String::CMC_String(const CXString& name, int poolIndex) : CMC_ValueVariable(name, script::TYPE_STRING, poolIndex)
{
}

CMC_String::CMC_String(const CXString& name, const CXString& text) : CMC_ValueVariable(name, script::TYPE_STRING, -1)
{
    value_ = text;
    default_ = text;
}

CMC_String::CMC_String(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_ValueVariable(container, element, script::TYPE_STRING)
{
    readDefinition(element, [](CMElement* e, const char* name) { return e->getPropertyValue(name); });
}

CMC_String::~CMC_String()
{
    beginDestruction();
}

void CMC_String::setValue(const CXString& text)
{
    bool changed = !(text == value_);
    value_ = text;
    onChange(changed);
}

void CMC_String::inc()
{
}

void CMC_String::dec()
{
}

bool CMC_String::equals(CMC_Variable* other)
{
    CMC_Variable* same = asOwnType(other);
    if (same == nullptr)
        return false;
    bool equal = value_.equalsIgnoreCase(valueOf(same));
    releaseConverted(same, other);
    return equal;
}

int CMC_String::compare(CMC_Variable* other)
{
    CMC_Variable* same = asOwnType(other);
    if (same == nullptr)
        return -1;
    CXString theirs = valueOf(same);
    releaseConverted(same, other);
    size_t common = static_cast<size_t>(std::min(value_.getLength(), theirs.getLength()));
    // memcmp compares as unsigned bytes, so Polish letters sort after ASCII.
    int order = std::memcmp(value_.c_str(), theirs.c_str(), common);
    if (order == 0)
        order = value_.getLength() - theirs.getLength();
    return order == 0 ? 0 : order < 0 ? -1 : 1;
}

CMC_Variable* CMC_String::convert(int type)
{
    switch (type) {
    case script::TYPE_INTEGER:
        return becomeInteger(value_.toNumber());
    case script::TYPE_STRING:
        return this;
    case script::TYPE_BOOL:
        return becomeBool(CXString::toBool(value_));
    case script::TYPE_DOUBLE:
        return becomeDouble(value_.toDouble());
    default:
        return nullptr;
    }
}

CMC_Variable* CMC_String::calculate(CMC_Variable* operand, int operation)
{
    CMC_String* result = CMC_VariableFactory::allocString();
    CMC_Variable* same = asOwnType(operand);
    if (operation == ADD && same != nullptr)
        result->value_ = value_ + valueOf(same);
    else if (operation >= ADD && operation <= REMAINDER)
        result->value_ = value_;
    releaseConverted(same, operand);
    result->onChange(false);
    return result;
}

int CMC_String::getBufferLen()
{
    return value_.getLength() + 5;
}

void CMC_String::netstore(uint8_t* buffer)
{
    writeTag(buffer);
    std::memcpy(buffer + 4, value_.c_str(), static_cast<size_t>(value_.getLength()) + 1);
}

bool CMC_String::netrestore(const uint8_t* buffer, int length)
{
    if (buffer == nullptr || !holdsPayload(length, 0))
        return false;
    // The text ends at its zero byte, or at the end of the buffer when a peer left it out.
    std::string_view received(reinterpret_cast<const char*>(buffer + 4), static_cast<size_t>(length - 4));
    value_ = std::string(received.substr(0, received.find('\0'))).c_str();
    return true;
}

void CMC_String::fromString(const CXString& text)
{
    value_ = text;
}

CXString CMC_String::toString() const
{
    return value_;
}

CXObject* CMC_String::clone() const
{
    CMC_String* copy = copyForClone(this);
    copy->default_ = value_;
    return copy;
}

void CMC_String::lower()
{
    value_.Lower();
    onChange(true);
}

void CMC_String::upper()
{
    value_.Upper();
    onChange(true);
}
