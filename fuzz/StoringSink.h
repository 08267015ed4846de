#pragma once

#include "foundation/CFile.h"

#include <string>

// A storing archive's file for the fuzz targets: the bytes go to a string.
class StoringSink : public CFile {
public:
    int Write(const void* data, int n) override
    {
        if (n > 0)
            bytes.append(static_cast<const char*>(data), static_cast<size_t>(n));
        return n > 0 ? n : 0;
    }
    int Length() override { return static_cast<int>(bytes.size()); }
    int Tell() override { return static_cast<int>(bytes.size()); }

    std::string bytes;
};
