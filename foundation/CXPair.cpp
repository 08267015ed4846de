#include "foundation/CXPair.h"

CXPair::CXPair(const CXString& name, void* value) : name_(name), first_(value), second_(value)
{
    name_.Lower();
}

CXPair::CXPair(void* first, void* second) : first_(first), second_(second)
{
}

CXObject* CXPair::clone() const
{
    auto* copy = new CXPair(first_, second_);
    copy->name_ = "cloned";
    return copy;
}
