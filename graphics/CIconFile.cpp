#include "graphics/CIconFile.h"

#include "foundation/CByteReader.h"
#include "foundation/CFile.h"
#include "foundation/CFileBytes.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kLargestSide = 256;
constexpr uint32_t kBitmapHeadSize = 40;
constexpr uint16_t kIconType = 1;

struct Entry {
    int area;
    int bitsPerPixel;
    uint32_t offset;
    uint32_t length;
};

// Bytes of one row of a bitmap: whole 32-bit words.
size_t rowBytes(int width, int bitsPerPixel)
{
    return (size_t(width) * size_t(bitsPerPixel) + 31) / 32 * 4;
}

// The palette index or colour of pixel x of a row, as 0x00RRGGBB.
uint32_t colourAt(const uint8_t* row, int x, int bitsPerPixel, const std::vector<uint32_t>& palette)
{
    if (bitsPerPixel >= 24) {
        const uint8_t* pixel = row + size_t(x) * size_t(bitsPerPixel / 8);
        return uint32_t(pixel[2]) << 16 | uint32_t(pixel[1]) << 8 | pixel[0];
    }
    const size_t bit = size_t(x) * size_t(bitsPerPixel);
    const int shift = 8 - bitsPerPixel - int(bit % 8);
    const uint32_t index = (row[bit / 8] >> shift) & ((1u << bitsPerPixel) - 1);
    return index < palette.size() ? palette[index] : 0;
}

bool maskBit(const uint8_t* row, int x)
{
    return ((row[x / 8] >> (7 - x % 8)) & 1) != 0;
}

std::vector<Entry> readDirectory(CByteReader& in)
{
    std::vector<Entry> entries;
    const uint16_t reserved = in.u16();
    const uint16_t type = in.u16();
    const uint16_t count = in.u16();
    if (in.failed() || reserved != 0 || type != kIconType)
        return entries;
    for (uint16_t i = 0; i < count; ++i) {
        const int width = in.u8();
        const int height = in.u8();
        in.skip(4); // colour count, reserved, planes
        const int bitsPerPixel = in.u16();
        const uint32_t length = in.u32();
        const uint32_t offset = in.u32();
        if (in.failed())
            break;
        // A side of 0 stands for 256.
        const int area = (width == 0 ? kLargestSide : width) * (height == 0 ? kLargestSide : height);
        entries.push_back(Entry{area, bitsPerPixel, offset, length});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.area != b.area ? a.area > b.area : a.bitsPerPixel > b.bitsPerPixel;
    });
    return entries;
}

} // namespace

bool CIconFile::decode(const uint8_t* data, size_t size, platform::WindowIcon& icon)
{
    CByteReader directory(data, size);
    for (const Entry& entry : readDirectory(directory)) {
        if (entry.offset > size || entry.length > size - entry.offset)
            continue;
        CByteReader picture(data + entry.offset, entry.length);
        if (decodePicture(picture, icon))
            return true;
    }
    return false;
}

bool CIconFile::decodePicture(CByteReader& in, platform::WindowIcon& icon)
{
    const uint32_t headSize = in.u32();
    const int32_t width = in.i32();
    // The colour rows and the mask rows count as one picture of twice the height.
    const int32_t doubleHeight = in.i32();
    in.skip(2); // planes
    const int bitsPerPixel = in.u16();
    const uint32_t compression = in.u32();
    in.skip(12); // image size, resolution
    const uint32_t coloursUsed = in.u32();
    in.skip(4); // important colours
    const int32_t height = doubleHeight / 2;
    const bool knownDepth = bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (in.failed() || headSize < kBitmapHeadSize || !in.skip(headSize - kBitmapHeadSize) || compression != 0 || !knownDepth ||
        width <= 0 || width > kLargestSide || height <= 0 || height > kLargestSide)
        return false;

    std::vector<uint32_t> palette;
    if (bitsPerPixel <= 8) {
        const uint32_t entries = coloursUsed != 0 ? coloursUsed : 1u << bitsPerPixel;
        if (entries > 256u)
            return false;
        for (uint32_t i = 0; i < entries; ++i)
            palette.push_back(in.u32() & 0xFFFFFF);
    }
    const size_t colourStride = rowBytes(width, bitsPerPixel);
    const uint8_t* colours = in.take(colourStride * size_t(height));
    if (colours == nullptr)
        return false;
    // A mask that is not all there leaves every pixel opaque.
    const size_t maskStride = rowBytes(width, 1);
    const uint8_t* mask = in.take(maskStride * size_t(height));

    platform::WindowIcon picture{width, height, std::vector<uint32_t>(size_t(width) * size_t(height))};
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        // Rows are kept bottom up.
        const uint8_t* row = colours + size_t(height - 1 - y) * colourStride;
        for (int x = 0; x < width; ++x) {
            uint32_t pixel = colourAt(row, x, bitsPerPixel, palette);
            if (bitsPerPixel == 32) {
                pixel |= uint32_t(row[size_t(x) * 4 + 3]) << 24;
                anyAlpha = anyAlpha || (pixel >> 24) != 0;
            }
            picture.pixels[size_t(y) * size_t(width) + size_t(x)] = pixel;
        }
    }
    // Without an alpha channel of its own (or with one that is all clear), the mask decides.
    if (!anyAlpha) {
        for (int y = 0; y < height; ++y) {
            const uint8_t* row = mask != nullptr ? mask + size_t(height - 1 - y) * maskStride : nullptr;
            for (int x = 0; x < width; ++x) {
                uint32_t& pixel = picture.pixels[size_t(y) * size_t(width) + size_t(x)];
                pixel = (pixel & 0xFFFFFF) | (row != nullptr && maskBit(row, x) ? 0u : 0xFF000000u);
            }
        }
    }
    icon = std::move(picture);
    return true;
}

bool CIconFile::load(const CXString& fileName, platform::WindowIcon& icon)
{
    CFile file(nullptr, fileName, CFile::READ | CFile::BINARY);
    if (file.LastError() != 0)
        return false;
    CFileBytes bytes(&file);
    return decode(bytes.data(), bytes.size(), icon);
}
