#include "foundation/CInteger.h"

#include "foundation/IntegerWrap.h"

void CInteger::increment()
{
    value_ = foundation::wrapAdd(value_, 1);
}

void CInteger::decrement()
{
    value_ = foundation::wrapSub(value_, 1);
}

bool CInteger::equals(const CXObject* other) const
{
    auto* number = dynamic_cast<const CInteger*>(other);
    return number != nullptr && number->value_ == value_;
}
