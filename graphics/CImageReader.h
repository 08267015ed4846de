#pragma once

#include <cstddef>
#include <cstdint>

class CByteReader;
class CFile;
class CGraphicsObject;

// Reads still-image files into a graphics object: the "PIK" head the engine writes, the "NVI"
// head (whose code 2 is the engine's LZW codec), and the legacy head of any other magic (80
// bytes, then a 12-byte record with size, bpp flag and alpha bit). Packed planes are unpacked at
// once; run-length planes (code 4) stay packed, checked to unpack whole.
//
// Every length and count is checked against the bytes there are, and every plane against width
// x height pixels: a file that does not hold a whole picture gives DAMAGED and leaves the object
// without planes.
class CImageReader {
public:
    // The error code of a file that does not hold a whole picture.
    static constexpr int DAMAGED = 2001;

    // The rest of the file, whatever its head. 0 or DAMAGED.
    static int read(CGraphicsObject& target, CFile* file);
    static int read(CGraphicsObject& target, const uint8_t* data, size_t size);
    // The rest of the file as an "NVI" image.
    static int readNvi(CGraphicsObject& target, CFile* file);

    // Planes as a file holds them under a code (0 and 1 raw, 2 to 5 packed; copied) become the
    // object's; what is packed by a file's code is unpacked and every plane checked against the
    // picture. 0, or DAMAGED with the object left without planes.
    static int takePlanes(CGraphicsObject& target, int width, int height, int bpp, int code, const uint8_t* colour,
                          size_t colourLength, const uint8_t* alpha, size_t alphaLength);

private:
    static int readNvi(CGraphicsObject& target, CByteReader& in);
    static int readPik(CGraphicsObject& target, CByteReader& in);
    static int readLegacy(CGraphicsObject& target, CByteReader& in);
};
