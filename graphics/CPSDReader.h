#pragma once

#include "graphics/CImageReader.h"
#include "graphics/CPSDLayer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CByteReader;
class CWindow;

// Reads the layers of a PSD document (version 1, RGB, 8 bits a channel; every integer
// big-endian): one picture a layer at the layer's place, its colour from the red, green and blue
// channels and its alpha plane from the transparency channel, raw or run-length packed. The
// merged image is not read.
//
// Every length and count is checked against the bytes there are, each section and each channel
// read within its own length: a channel packed some other way is skipped whole. A file that is
// not such a document, or does not hold what it claims, gives DAMAGED and no layers.
class CPSDReader {
public:
    static constexpr int DAMAGED = CImageReader::DAMAGED;
    // A layer side beyond this is no PSD document.
    static constexpr int MAX_SIDE = 30000;

    // The layers, their pictures in the 16-bit format `bpp` (15 or 16). 0 or DAMAGED.
    static int read(const uint8_t* data, size_t size, CWindow* window, int bpp, std::vector<std::unique_ptr<CPSDLayer>>& layers);

private:
    // Rectangle, channel table, name; what else the record holds is skipped by its length.
    static bool readRecord(CByteReader& in, CPSDLayer& layer);
    // The layer's channels, in the order of its table, become its picture.
    static bool readPicture(CByteReader& in, CPSDLayer& layer, CWindow* window, int bpp);
    // The colour planes (red, green, blue; any may be missing) as 16-bit pixels of the format.
    static bool joinRows(const std::unique_ptr<uint8_t[]> (&planes)[4], int width, int height, int bpp, uint8_t* colour);
    // One channel of width × height bytes, raw or run-length packed; null when it is packed some
    // other way. False when it does not hold the plane.
    static bool readChannel(CByteReader& in, int width, int height, std::unique_ptr<uint8_t[]>& plane);
};
