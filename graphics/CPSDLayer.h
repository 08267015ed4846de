#pragma once

#include "foundation/CXRect.h"
#include "foundation/CXString.h"
#include "graphics/CGraphicsObject.h"

#include <cstdint>
#include <memory>
#include <vector>

// One layer of a layered PSD document: where it lies in the document, its channels as the file
// lists them, its name and its picture.
struct CPSDLayer {
    struct Channel {
        // 0 red, 1 green, 2 blue, -1 transparency; others are dropped.
        int16_t id;
        // Bytes of the channel's data in the file, its compression word included.
        uint32_t length;
    };

    CXRect rect;
    std::vector<Channel> channels;
    CXString name;
    std::unique_ptr<CGraphicsObject> picture;
};
