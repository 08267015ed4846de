#pragma once

#include "foundation/CXString.h"

#include <cstdint>

// One entry of a file search (CFile::findFirst / findNext): what the runtime's find record gives.
struct CFindData {
    // The attribute bit of folders. Set before CFile::findFirst, it asks for folders only.
    static constexpr unsigned SUBDIR = 16;

    unsigned attrib = 0;
    int64_t size = 0;
    CXString name;
};
