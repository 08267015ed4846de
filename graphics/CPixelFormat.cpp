#include "graphics/CPixelFormat.h"

#include <cstddef>
#include <cstdint>
#include <new>

int CPixelFormat::__get_pixel_size(int bpp)
{
    switch (bpp) {
    case 15:
    case 16:
        return 2;
    case 24:
        return 3;
    case 32:
        return 4;
    default:
        return 1;
    }
}

int CPixelFormat::__get_data_size(int width, int height, int bpp)
{
    if (width < 0 || height < 0)
        return -1;
    int64_t pixels = int64_t(width) * height;
    if (pixels > INT32_MAX)
        return -1;
    int64_t size = pixels * __get_pixel_size(bpp);
    return size > INT32_MAX ? -1 : static_cast<int>(size);
}

int CPixelFormat::GetFlagBpp(int bpp)
{
    switch (bpp) {
    case 2:
        return 256;
    case 4:
        return 512;
    case 8:
        return 1;
    case 15:
        return 2;
    case 16:
        return 4;
    case 24:
        return 8;
    default:
        return 0;
    }
}

int CPixelFormat::GetRealBpp(int flag)
{
    switch (flag) {
    case 1:
        return 8;
    case 2:
        return 15;
    case 4:
        return 16;
    case 8:
        return 24;
    case 256:
        return 2;
    case 512:
        return 4;
    default:
        return 0;
    }
}

uint8_t* CPixelFormat::__convert_bpp(uint8_t* plane, int count, int from, int to)
{
    bool sixteenBitTarget = to == 15 || to == 16;
    if (plane == nullptr || count < 0 || !sixteenBitTarget)
        return nullptr;
    if (from == to)
        return plane;
    auto* pixels = reinterpret_cast<uint16_t*>(plane);
    if (from == 15)
        _convert15to16(pixels, count);
    else if (from == 16)
        _convert16to15(pixels, count);
    else if (from == 24 || from == 32)
        return _convertTo16(plane, count, __get_pixel_size(from), to);
    else
        return nullptr;
    return plane;
}

void CPixelFormat::_convert15to16(uint16_t* pixels, int count)
{
    for (int i = 0; i < count; ++i)
        pixels[i] = uint16_t((pixels[i] & 0x001F) | ((pixels[i] & 0x7FE0) << 1));
}

void CPixelFormat::_convert16to15(uint16_t* pixels, int count)
{
    for (int i = 0; i < count; ++i)
        pixels[i] = uint16_t((pixels[i] & 0x001F) | ((pixels[i] & 0xFFC0) >> 1));
}

uint8_t* CPixelFormat::_convertTo16(const uint8_t* pixels, int count, int pixelSize, int to)
{
    auto* plane = new (std::nothrow) uint8_t[size_t(count) * 2];
    if (plane == nullptr)
        return nullptr;
    auto* converted = reinterpret_cast<uint16_t*>(plane);
    for (int i = 0; i < count; ++i) {
        const uint8_t* p = pixels + size_t(i) * pixelSize;
        int blue = p[0];
        int green = p[1];
        int red = p[2];
        converted[i] = to == 16 ? uint16_t((red / 8) * 2048 + (green / 4) * 32 + blue / 8)
                                : uint16_t((red / 8) * 1024 + (green / 8) * 32 + blue / 8);
    }
    return plane;
}

const uint32_t* CPixelFormat::getBppConversionTable()
{
    static const struct Table {
        Table()
        {
            for (uint32_t i = 0; i < 65536; ++i)
                entries[i] = ((((i & 0xF800) << 3) | (i & 0x7E0)) << 2 | (i & 0x1F)) << 3;
        }
        uint32_t entries[65536];
    } table;
    return table.entries;
}
