#include "foundation/CStringHashCode.h"

#include <cstdint>
#include <typeinfo>

CStringHashCode::CStringHashCode(const CXString& text) : hash_(hashOf(text.c_str(), text.getLength())), text_(text)
{
}

void CStringHashCode::set(const char* text)
{
    text_ = text != nullptr ? text : "";
    hash_ = hashOf(text_.c_str(), text_.getLength());
}

bool CStringHashCode::equals(const CXObject* other) const
{
    // The class is final: a type test is enough, and cheaper than a dynamic cast on every lookup.
    if (other == nullptr || typeid(*other) != typeid(CStringHashCode))
        return false;
    return static_cast<const CStringHashCode*>(other)->text_ == text_;
}

int CStringHashCode::hashOf(const char* text, int length)
{
    uint32_t hash = 0;
    for (int i = 0; i < length; ++i) {
        auto byte = static_cast<int32_t>(static_cast<signed char>(text[i]));
        hash += (1u << (i & 15)) + static_cast<uint32_t>(i + 1) * static_cast<uint32_t>(byte);
    }
    return static_cast<int>(hash);
}
