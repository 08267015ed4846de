#pragma once

#include "foundation/CXRect.h"

#include <cstdint>
#include <vector>

class CFile;
class CGraphicsObject;

// Writes a graphics object as a still-image file: the 40-byte "PIK" head (width, height, bpp,
// raw colour size, compression code, alpha size, position), the colour data, then the alpha
// data. An object with a clipping rectangle is written as that part of it, placed where the part
// stands.
//
// Code 0 writes the planes raw and code 4 packs them run-length; the other codes are not made
// here, and such a request writes the raw planes under code 0 so that the file reads back whole.
// An object held packed is unpacked for the writing and left as it was; one still packed by a
// file's code (2, 3, 5) is unpacked first.
class CImageWriter {
public:
    static constexpr int HEAD_SIZE = 40;

    // False when there is no file, the planes are missing or damaged, or the file did not take
    // every byte.
    static bool write(CGraphicsObject& object, CFile* file, int code);

    // The planes of a part of a raw object as a file stores them: raw, or run-length packed for
    // code 4; the code they are stored under.
    struct FilePlanes {
        std::vector<uint8_t> colour;
        std::vector<uint8_t> alpha;
        int code = 0;
    };
    static FilePlanes filePlanes(CGraphicsObject& object, const CXRect& part, int code);
};
