#include "graphics/CImageReader.h"

#include "foundation/CByteReader.h"
#include "foundation/CFileBytes.h"
#include "foundation/CLZWCompression.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPixelFormat.h"

#include <cstring>
#include <memory>

namespace {

constexpr size_t kHeadSize = 40;
constexpr size_t kNviHeadSize = 37;
constexpr size_t kLegacySkip = 80;
constexpr size_t kLegacyRecord = 12;

// The bpp flag codes some heads hold in place of the format.
int realBpp(int bpp)
{
    return bpp == 2 || bpp == 4 || bpp == 8 ? CPixelFormat::GetRealBpp(bpp) : bpp;
}

bool knownFormat(int bpp)
{
    return bpp == 15 || bpp == 16 || bpp == 24 || bpp == 32;
}

uint8_t* copyOf(const uint8_t* bytes, size_t length)
{
    if (bytes == nullptr)
        return nullptr;
    auto* copy = new (std::nothrow) uint8_t[length];
    if (copy != nullptr && length > 0)
        std::memcpy(copy, bytes, length);
    return copy;
}

// The engine's LZW block unpacked to exactly `rawSize` bytes; null when it does not make them.
uint8_t* unpackLzw(const uint8_t* block, size_t length, int rawSize)
{
    CLZWCompression codec(block, int(length));
    uint8_t* raw = codec.decompress(rawSize);
    if (raw != nullptr && codec.GetSize() != rawSize) {
        delete[] raw;
        return nullptr;
    }
    return raw;
}

} // namespace

int CImageReader::read(CGraphicsObject& target, CFile* file)
{
    CFileBytes bytes(file);
    return read(target, bytes.data(), bytes.size());
}

int CImageReader::readNvi(CGraphicsObject& target, CFile* file)
{
    CFileBytes bytes(file);
    CByteReader in(bytes.data(), bytes.size());
    return readNvi(target, in);
}

int CImageReader::read(CGraphicsObject& target, const uint8_t* data, size_t size)
{
    CByteReader in(data, size);
    if (in.startsWith("NVI", 4))
        return readNvi(target, in);
    if (in.startsWith("PIK", 4))
        return readPik(target, in);
    return readLegacy(target, in);
}

int CImageReader::readPik(CGraphicsObject& target, CByteReader& in)
{
    in.skip(4);
    int width = in.i32();
    int height = in.i32();
    int bpp = realBpp(in.i32());
    int jpegLength = in.i32();
    in.skip(4);
    int code = in.i32();
    int alphaLength = in.i32();
    int x = in.i32();
    int y = in.i32();
    if (in.failed() || alphaLength < 0 || size_t(alphaLength) > in.remaining())
        return DAMAGED;
    size_t colourLength = in.remaining() - size_t(alphaLength);
    const uint8_t* colour = in.take(colourLength);
    const uint8_t* alpha = alphaLength > 0 ? in.take(size_t(alphaLength)) : nullptr;
    // A code-0 head over data of another length holds LZO blocks.
    int raw = CPixelFormat::__get_data_size(width, height, bpp);
    if (code == COMPRESSION_NONE && int64_t(colourLength) != raw)
        code = COMPRESSION_LZW;
    if (code == COMPRESSION_JPEG) {
        if (jpegLength < 0 || size_t(jpegLength) > colourLength)
            return DAMAGED;
        colourLength = size_t(jpegLength);
    }
    int result = takePlanes(target, width, height, bpp, code, colour, colourLength, alpha, size_t(alphaLength));
    target.SetPosition(x, y);
    return result;
}

int CImageReader::readNvi(CGraphicsObject& target, CByteReader& in)
{
    in.skip(4);
    int width = in.s16();
    int height = in.s16();
    int bpp = in.u8();
    int colourLength = in.i32();
    int alphaLength = in.i32();
    int x = in.s16();
    int y = in.s16();
    int code = in.i32();
    in.skip(12);
    const uint8_t* colour = in.take(int64_t(colourLength));
    const uint8_t* alpha = alphaLength > 0 ? in.take(int64_t(alphaLength)) : nullptr;
    if (in.failed() || alphaLength < 0)
        return DAMAGED;
    int result = DAMAGED;
    if (code == COMPRESSION_LZW) {
        // Here code 2 is the engine's own LZW packing, unpacked straight to the raw planes.
        int raw = CPixelFormat::__get_data_size(width, height, bpp);
        int pixels = CPixelFormat::__get_data_size(width, height, 8);
        std::unique_ptr<uint8_t[]> rawColour(raw >= 0 ? unpackLzw(colour, size_t(colourLength), raw) : nullptr);
        std::unique_ptr<uint8_t[]> rawAlpha(alpha != nullptr && pixels >= 0 ? unpackLzw(alpha, size_t(alphaLength), pixels) : nullptr);
        if (rawColour != nullptr && (alpha == nullptr || rawAlpha != nullptr))
            result = takePlanes(target, width, height, bpp, COMPRESSION_NONE, rawColour.get(), size_t(raw), rawAlpha.get(), size_t(pixels));
    } else {
        result = takePlanes(target, width, height, bpp, code, colour, size_t(colourLength), alpha, size_t(alphaLength));
    }
    target.SetPosition(x, y);
    return result;
}

int CImageReader::readLegacy(CGraphicsObject& target, CByteReader& in)
{
    in.skip(kLegacySkip);
    const uint8_t* record = in.take(kLegacyRecord);
    if (record == nullptr)
        return DAMAGED;
    int width = int16_t(record[0] | record[1] << 8);
    int height = int16_t(record[2] | record[3] << 8);
    int bpp = CPixelFormat::GetRealBpp(record[10] & 0x0F);
    bool hasAlpha = (record[11] & 0x04) != 0;
    int pixels = CPixelFormat::__get_data_size(width, height, 8);
    if (pixels < 0 || (hasAlpha && size_t(pixels) > in.remaining()))
        return DAMAGED;
    // The alpha plane, when there is one, ends the file; the colour data fills the rest.
    size_t alphaLength = hasAlpha ? size_t(pixels) : 0;
    size_t colourLength = in.remaining() - alphaLength;
    const uint8_t* colour = in.take(colourLength);
    const uint8_t* alpha = hasAlpha ? in.take(alphaLength) : nullptr;
    int raw = CPixelFormat::__get_data_size(width, height, bpp);
    int code = int64_t(colourLength) == raw ? COMPRESSION_NONE : COMPRESSION_LZW;
    return takePlanes(target, width, height, bpp, code, colour, colourLength, alpha, alphaLength);
}

int CImageReader::takePlanes(CGraphicsObject& target, int width, int height, int bpp, int code, const uint8_t* colour,
                             size_t colourLength, const uint8_t* alpha, size_t alphaLength)
{
    bool known = code >= COMPRESSION_NONE && code <= COMPRESSION_JPEG;
    bool raw = code == COMPRESSION_NONE || code == COMPRESSION_OLD;
    int rawSize = CPixelFormat::__get_data_size(width, height, bpp);
    int pixels = CPixelFormat::__get_data_size(width, height, 8);
    if (!known || !knownFormat(bpp) || rawSize < 0 || colour == nullptr || colourLength > size_t(INT32_MAX) || alphaLength > size_t(INT32_MAX)) {
        target.packing().receive(CXSize(), bpp, COMPRESSION_NONE, nullptr, 0, nullptr, 0);
        return DAMAGED;
    }
    bool whole;
    if (code == COMPRESSION_RLE || raw) {
        target.packing().receive(CXSize(width, height), bpp, code, copyOf(colour, colourLength), int(colourLength),
                                 copyOf(alpha, alphaLength), int(alphaLength));
        whole = !raw || (int64_t(colourLength) == rawSize && (alpha == nullptr || int64_t(alphaLength) == pixels));
    } else {
        // Packed by the file's code: unpacked straight from the file's bytes.
        target.packing().receive(CXSize(width, height), bpp, code, nullptr, 0, nullptr, 0);
        whole = target.packing().unpackFrom(colour, int(colourLength), alpha, int(alphaLength));
    }
    if (whole && target.GetCompression() == COMPRESSION_RLE)
        whole = target.packing().unpacksWhole();
    if (!whole) {
        target.packing().receive(CXSize(), bpp, COMPRESSION_NONE, nullptr, 0, nullptr, 0);
        return DAMAGED;
    }
    return 0;
}
