#pragma once

#include "foundation/CQuene.h"

// First in, first out; pop gives null when empty.
class CFifoQuene : public CQuene {
public:
    void* pop() override { return slots_.takeFirst(); }
};
