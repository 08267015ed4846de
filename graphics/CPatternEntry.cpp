#include "graphics/CPatternEntry.h"

CPatternEntry::CPatternEntry(int column, int row, const CXString& alias, CGraphicsObject* object, int value, const CXString& text)
    : column_(column), row_(row), alias_(alias), object_(object), value_(value), text_(text)
{
}

int CPatternEntry::compare(const CXObject* other) const
{
    auto* entry = dynamic_cast<const CPatternEntry*>(other);
    return entry != nullptr && entry->value_ < value_ ? 1 : 0;
}
