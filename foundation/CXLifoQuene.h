#pragma once

#include "foundation/CXQuene.h"

// Last in, first out; pop gives null when empty.
class CXLifoQuene : public CXQuene {
public:
    CXObject* pop() override { return static_cast<CXObject*>(slots_.takeLast()); }
};
