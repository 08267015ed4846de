#pragma once

#include "foundation/CXString.h"

// An object that holds a text value (the script STRING variable). CXArray::containsString reads
// its elements through this, so the foundation stays free of script types.
class CTextHolder {
public:
    virtual ~CTextHolder() = default;
    virtual CXString getTextValue() const = 0;
};
