#pragma once

#include "foundation/CXQuene.h"

// First in, first out; pop gives null when empty.
class CXFifoQuene : public CXQuene {
public:
    CXObject* pop() override { return static_cast<CXObject*>(slots_.takeFirst()); }
};
