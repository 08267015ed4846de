#pragma once

#include <cstdint>

// The pixel-format codes of graphics objects (15 and 16 are 16-bit words, 5-5-5 and 5-6-5; 24 is
// three bytes blue, green, red; 32 is four bytes blue, green, red, unused) and the conversions
// between them.
class CPixelFormat {
public:
    // 2 for 15 and 16, 3 for 24, 4 for 32, 1 for anything else.
    static int __get_pixel_size(int bpp);
    // width × height × pixel size; -1 for a negative extent or a plane beyond 2 GB.
    static int __get_data_size(int width, int height, int bpp);

    // The second numbering of formats used in some file heads.
    static int GetFlagBpp(int bpp);
    static int GetRealBpp(int flag);

    // Converts `count` pixels of a plane from one format to the other: the plane in the target
    // format, or null when there is no such conversion. 15↔16 works in place; wider sources give a
    // new plane (the caller frees the old one).
    static uint8_t* __convert_bpp(uint8_t* plane, int count, int from, int to);

    // In place. Green keeps its low bit clear going up and drops it going down.
    static void _convert15to16(uint16_t* pixels, int count);
    static void _convert16to15(uint16_t* pixels, int count);
    // A new plane of 15- or 16-bit pixels from pixels of `pixelSize` bytes blue, green, red first.
    static uint8_t* _convertTo16(const uint8_t* pixels, int count, int pixelSize, int to);

    // 65536 entries: each 5-6-5 pixel widened to a 32-bit pixel (8 bits a channel, low bits zero).
    // Made once, on first use, for the whole process.
    static const uint32_t* getBppConversionTable();
};
