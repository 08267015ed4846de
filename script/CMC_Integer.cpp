#include "script/CMC_Integer.h"

#include "foundation/CXArchive.h"
#include "foundation/IntegerWrap.h"
#include "foundation/LittleEndian.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <climits>

using foundation::wrapAdd;
using foundation::wrapMul;
using foundation::wrapSub;

CMC_Integer::CMC_Integer(const CXString& name) : CMC_ValueVariable(name, script::TYPE_INTEGER, -1)
{
}

CMC_Integer::CMC_Integer(const CXString& name, int poolIndex) : CMC_ValueVariable(name, script::TYPE_INTEGER, poolIndex)
{
}

CMC_Integer::CMC_Integer(int value) : CMC_ValueVariable("temp", script::TYPE_INTEGER, -1)
{
    value_ = value;
    default_ = value;
}

CMC_Integer::CMC_Integer(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_ValueVariable(container, element, script::TYPE_INTEGER)
{
    readDefinition(element, [](CMElement* e, const char* name) { return e->getPropertyIntValue(name); });
}

CMC_Integer::~CMC_Integer()
{
    beginDestruction();
}

void CMC_Integer::setValue(int value)
{
    value_ = value;
    onChange(false);
}

void CMC_Integer::inc()
{
    value_ = wrapAdd(value_, 1);
    onChange(true);
}

void CMC_Integer::dec()
{
    value_ = wrapSub(value_, 1);
    onChange(true);
}

int CMC_Integer::compare(CMC_Variable* other)
{
    CMC_Variable* same = asOwnType(other);
    if (same == nullptr)
        return 1;
    int theirs = valueOf(same);
    releaseConverted(same, other);
    return value_ == theirs ? 0 : value_ < theirs ? -1 : 1;
}

CMC_Variable* CMC_Integer::convert(int type)
{
    switch (type) {
    case script::TYPE_INTEGER:
        return this;
    case script::TYPE_STRING:
        return becomeString(CXString::toString(value_));
    case script::TYPE_BOOL:
        return becomeBool(value_ != 0);
    case script::TYPE_DOUBLE:
        return becomeDouble(static_cast<double>(value_));
    default:
        return nullptr;
    }
}

int CMC_Integer::divide(int a, int b)
{
    if (b == 0)
        return 0;
    if (a == INT_MIN && b == -1)
        return INT_MIN;
    return a / b;
}

int CMC_Integer::remainder(int a, int b)
{
    if (b == 0 || b == -1)
        return 0;
    return a % b;
}

CMC_Variable* CMC_Integer::calculate(CMC_Variable* operand, int operation)
{
    CMC_Integer* result = CMC_VariableFactory::allocInteger();
    CMC_Variable* same = asOwnType(operand);
    if (same == nullptr) {
        // An operand that is no number leaves the value as it is.
        result->value_ = value_;
    } else {
        int theirs = valueOf(same);
        releaseConverted(same, operand);
        if (operation >= ADD && operation <= REMAINDER)
            result->value_ = applied(value_, theirs, operation);
    }
    result->onChange(false);
    return result;
}

int CMC_Integer::applied(int mine, int theirs, int operation)
{
    switch (operation) {
    case ADD:
        return wrapAdd(mine, theirs);
    case SUBTRACT:
        return wrapSub(mine, theirs);
    case MULTIPLY:
        return wrapMul(mine, theirs);
    case DIVIDE:
        return divide(mine, theirs);
    default:
        return remainder(mine, theirs);
    }
}

void CMC_Integer::applyInteger(int operand, int operation)
{
    const int next = applied(value_, operand, operation);
    const bool changed = next != value_;
    value_ = next;
    onChange(changed);
}

int CMC_Integer::getBufferLen()
{
    return 8;
}

void CMC_Integer::netstore(uint8_t* buffer)
{
    writeTag(buffer);
    foundation::storeLE32(buffer + 4, static_cast<uint32_t>(value_));
}

bool CMC_Integer::netrestore(const uint8_t* buffer, int length)
{
    if (buffer == nullptr || !holdsPayload(length, 4))
        return false;
    value_ = static_cast<int>(foundation::loadLE32(buffer + 4));
    return true;
}

void CMC_Integer::fromString(const CXString& text)
{
    value_ = text.toNumber();
}

CXString CMC_Integer::toString() const
{
    return CXString::toString(value_);
}

CXObject* CMC_Integer::clone() const
{
    CMC_Integer* copy = copyForClone(this);
    copy->onChange(false);
    return copy;
}
