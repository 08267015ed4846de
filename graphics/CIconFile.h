#pragma once

#include "foundation/CXString.h"
#include "platform/HostWindow.h"

#include <cstddef>
#include <cstdint>

class CByteReader;

// Icon files (".ico") for the desktop's picture of the window: the best picture the file holds,
// as 32-bit pixels. Pictures kept as device-independent bitmaps of 1, 4, 8, 24 or 32 bits per
// pixel are read, with their transparency mask; pictures kept as PNG are passed over. Every
// offset, length and count is checked against the bytes there are.
class CIconFile {
public:
    // The largest picture of at most 256 by 256 pixels that reads, the deepest of equal sizes;
    // false when none reads.
    static bool decode(const uint8_t* data, size_t size, platform::WindowIcon& icon);
    // The file opened as the engine opens files; false when it does not open or holds no icon.
    static bool load(const CXString& fileName, platform::WindowIcon& icon);

private:
    // One picture: its bitmap head, palette, colour rows and mask rows.
    static bool decodePicture(CByteReader& in, platform::WindowIcon& icon);
};
