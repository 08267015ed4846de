#include "foundation/CInteger.h"

#include "foundation/IntegerWrap.h"

#include <typeinfo>

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
    if (other == nullptr || typeid(*other) != typeid(CInteger))
        return false;
    return static_cast<const CInteger*>(other)->value_ == value_;
}
