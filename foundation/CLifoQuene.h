#pragma once

#include "foundation/CQuene.h"

// Last in, first out; pop gives null when empty.
class CLifoQuene : public CQuene {
public:
    void* pop() override { return slots_.takeLast(); }
};
