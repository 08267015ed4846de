#pragma once

#include "script/CMC_VariableFactory.h"

// Script fuzz targets lend temporaries: the pools are made once for the whole run.
inline void makeScriptPoolsOnce()
{
    static bool made = [] {
        CMC_VariableFactory::initialize();
        return true;
    }();
    (void)made;
}
