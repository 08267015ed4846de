#include "script/CMC_Double.h"

#include "foundation/CXArchive.h"
#include "foundation/IntegerWrap.h"
#include "foundation/LittleEndian.h"
#include "script/CMC_Integer.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <bit>
#include <climits>
#include <cmath>

CMC_Double::CMC_Double(const CXString& name) : CMC_ValueVariable(name, script::TYPE_DOUBLE, -1)
{
}

CMC_Double::CMC_Double(const CXString& name, int poolIndex) : CMC_ValueVariable(name, script::TYPE_DOUBLE, poolIndex)
{
}

CMC_Double::CMC_Double(double value) : CMC_ValueVariable("temp", script::TYPE_DOUBLE, -1)
{
    value_ = value;
    default_ = value;
}

CMC_Double::CMC_Double(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_ValueVariable(container, element, script::TYPE_DOUBLE)
{
    readDefinition(element, [](CMElement* e, const char* name) { return e->getPropertyDoubleValue(name); });
}

CMC_Double::~CMC_Double()
{
    beginDestruction();
}

int CMC_Double::truncate(double value)
{
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return INT_MIN;
    return static_cast<int>(value);
}

int CMC_Double::round(double value)
{
    int whole = truncate(value);
    double fraction = value - std::trunc(value);
    if (std::fabs(fraction) >= 0.5)
        whole = foundation::wrapAdd(whole, value < 0 ? -1 : 1);
    return whole;
}

void CMC_Double::setValue(double value)
{
    value_ = value;
    onChange(value != value);
}

void CMC_Double::inc()
{
    value_ += 1.0;
    onChange(true);
}

void CMC_Double::dec()
{
    value_ -= 1.0;
    onChange(true);
}

int CMC_Double::compare(CMC_Variable* other)
{
    CMC_Variable* same = asOwnType(other);
    if (same == nullptr)
        return -1;
    double theirs = valueOf(same);
    releaseConverted(same, other);
    return value_ == theirs ? 0 : value_ < theirs ? -1 : 1;
}

CMC_Variable* CMC_Double::convert(int type)
{
    switch (type) {
    case script::TYPE_INTEGER:
        return becomeInteger(round(value_));
    case script::TYPE_STRING:
        return becomeString(CXString::toString(value_));
    case script::TYPE_BOOL:
        return becomeBool(value_ != 0.0);
    case script::TYPE_DOUBLE:
        return this;
    default:
        return nullptr;
    }
}

CMC_Variable* CMC_Double::calculate(CMC_Variable* operand, int operation)
{
    CMC_Double* result = CMC_VariableFactory::allocDouble();
    CMC_Variable* same = asOwnType(operand);
    if (same == nullptr) {
        result->value_ = value_;
    } else {
        double theirs = valueOf(same);
        releaseConverted(same, operand);
        switch (operation) {
        case ADD:
            result->value_ = value_ + theirs;
            break;
        case SUBTRACT:
            result->value_ = value_ - theirs;
            break;
        case MULTIPLY:
            result->value_ = value_ * theirs;
            break;
        case DIVIDE:
            result->value_ = value_ / theirs;
            break;
        case REMAINDER:
            result->value_ = CMC_Integer::remainder(truncate(value_), truncate(theirs));
            break;
        default:
            break;
        }
    }
    result->onChange(false);
    return result;
}

int CMC_Double::getBufferLen()
{
    return 12;
}

void CMC_Double::netstore(uint8_t* buffer)
{
    writeTag(buffer);
    foundation::storeLE64(buffer + 4, std::bit_cast<uint64_t>(value_));
}

bool CMC_Double::netrestore(const uint8_t* buffer, int length)
{
    if (buffer == nullptr || !holdsPayload(length, 8))
        return false;
    value_ = std::bit_cast<double>(foundation::loadLE64(buffer + 4));
    return true;
}

void CMC_Double::fromString(const CXString& text)
{
    value_ = text.toDouble();
}

CXString CMC_Double::toString() const
{
    return CXString::toString(value_);
}

CXObject* CMC_Double::clone() const
{
    CMC_Double* copy = copyForClone(this);
    copy->onChange(false);
    return copy;
}
