#include "script/CMC_Bool.h"

#include "foundation/CXArchive.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

CMC_Bool::CMC_Bool(const CXString& name) : CMC_ValueVariable(name, script::TYPE_BOOL, -1)
{
}

CMC_Bool::CMC_Bool(const CXString& name, int poolIndex) : CMC_ValueVariable(name, script::TYPE_BOOL, poolIndex)
{
}

CMC_Bool::CMC_Bool(bool value) : CMC_ValueVariable("temp", script::TYPE_BOOL, -1)
{
    value_ = value;
    default_ = value;
}

CMC_Bool::CMC_Bool(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_ValueVariable(container, element, script::TYPE_BOOL)
{
    readDefinition(element, [](CMElement* e, const char* name) { return e->getPropertyBoolValue(name); });
}

CMC_Bool::~CMC_Bool()
{
    beginDestruction();
}

void CMC_Bool::setValue(bool value)
{
    value_ = value;
    onChange(false);
}

void CMC_Bool::invert()
{
    value_ = !value_;
    onChange(true);
}

void CMC_Bool::swap(CMC_Variable*, CMC_Variable*)
{
    invert();
}

void CMC_Bool::inc()
{
    invert();
}

void CMC_Bool::dec()
{
    invert();
}

int CMC_Bool::compare(CMC_Variable* other)
{
    CMC_Variable* same = asOwnType(other);
    if (same == nullptr)
        return -1;
    bool theirs = valueOf(same);
    releaseConverted(same, other);
    return value_ == theirs ? 0 : value_ ? 1 : -1;
}

CMC_Variable* CMC_Bool::convert(int type)
{
    switch (type) {
    case script::TYPE_INTEGER:
        return becomeInteger(value_ ? 1 : 0);
    case script::TYPE_STRING:
        return becomeString(CXString::toString(value_));
    case script::TYPE_BOOL:
        return this;
    case script::TYPE_DOUBLE:
        return becomeDouble(value_ ? 1.0 : 0.0);
    default:
        return nullptr;
    }
}

CMC_Variable* CMC_Bool::calculate(CMC_Variable* operand, int operation)
{
    CMC_Bool* result = CMC_VariableFactory::allocBool();
    CMC_Variable* same = asOwnType(operand);
    bool theirs = same != nullptr && valueOf(same);
    releaseConverted(same, operand);
    switch (operation) {
    case ADD:
        result->value_ = same != nullptr ? value_ && theirs : value_;
        break;
    case MULTIPLY:
        result->value_ = same != nullptr ? value_ || theirs : value_;
        break;
    case SUBTRACT:
    case DIVIDE:
    case REMAINDER:
        result->value_ = value_;
        break;
    default:
        break;
    }
    result->onChange(false);
    return result;
}

int CMC_Bool::getBufferLen()
{
    return 5;
}

void CMC_Bool::netstore(uint8_t* buffer)
{
    writeTag(buffer);
    buffer[4] = value_ ? 1 : 0;
}

bool CMC_Bool::netrestore(const uint8_t* buffer, int length)
{
    if (buffer == nullptr || !holdsPayload(length, 1))
        return false;
    value_ = buffer[4] == 1;
    return true;
}

void CMC_Bool::store(CXArchive* archive)
{
    *archive << getType() << (value_ ? 1 : 0);
}

void CMC_Bool::restore(CXArchive* archive)
{
    int stored = value_ ? 1 : 0;
    *archive >> &stored;
    value_ = stored != 0;
}

void CMC_Bool::fromString(const CXString& text)
{
    value_ = text.toBool();
}

CXString CMC_Bool::toString() const
{
    return CXString::toString(value_);
}

CXObject* CMC_Bool::clone() const
{
    CMC_Bool* copy = copyForClone(this);
    copy->onChange(false);
    return copy;
}
