#pragma once

// Pixel planes and their packed forms for the file fixtures, made without the engine's own image
// and animation writers: LZO through liblzo2, JPEG through libjpeg's compress API, run-length
// packets by a small packer of their own. The engine's LZW codec is the only packer of that
// stream and is used as it is.

#include "foundation/CLZWCompression.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <lzo/lzo1x.h>
#include <string>
#include <vector>

namespace graphicstest {

using Bytes = std::vector<uint8_t>;

// Little-endian fields appended to a byte string.
class ByteBuilder {
public:
    ByteBuilder& u8(unsigned value)
    {
        bytes.push_back(uint8_t(value));
        return *this;
    }
    ByteBuilder& u16(unsigned value) { return u8(value).u8(value >> 8); }
    ByteBuilder& u32(uint32_t value) { return u16(value & 0xFFFF).u16(value >> 16); }
    ByteBuilder& raw(const Bytes& data)
    {
        bytes.insert(bytes.end(), data.begin(), data.end());
        return *this;
    }
    ByteBuilder& text(const std::string& value)
    {
        bytes.insert(bytes.end(), value.begin(), value.end());
        return *this;
    }
    // The text in a zero-padded field of `width` bytes.
    ByteBuilder& field(const std::string& value, size_t width)
    {
        text(value.substr(0, width));
        return zeros(width - std::min(width, value.size()));
    }
    ByteBuilder& zeros(size_t count)
    {
        bytes.insert(bytes.end(), count, 0);
        return *this;
    }

    Bytes bytes;
};

// A 16-bit plane of width x height pixels that differ from their neighbours, with flat runs so
// that the packers have something to pack.
inline Bytes colourPlane(int width, int height, int seed = 1)
{
    ByteBuilder plane;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            plane.u16(x < width / 2 ? unsigned(0x1234 + seed * 77 + y) : unsigned(x * 31 + y * 1021 + seed * 4099));
    }
    return plane.bytes;
}

inline Bytes alphaPlane(int width, int height, int seed = 1)
{
    Bytes plane;
    for (int i = 0; i < width * height; ++i)
        plane.push_back(uint8_t(i % 3 == 0 ? 0 : i * 7 + seed));
    return plane;
}

// An LZO block as the pixel codec stores it: raw size, stream size, the LZO1X-1 stream.
inline Bytes lzoBlock(const Bytes& raw)
{
    static const bool ready = lzo_init() == LZO_E_OK;
    if (!ready)
        return {};
    Bytes work(LZO1X_1_MEM_COMPRESS);
    Bytes stream(raw.size() + raw.size() / 16 + 64 + 3);
    lzo_uint streamSize = 0;
    lzo1x_1_compress(raw.data(), raw.size(), stream.data(), &streamSize, work.data());
    ByteBuilder block;
    block.u32(uint32_t(raw.size())).u32(uint32_t(streamSize));
    block.bytes.insert(block.bytes.end(), stream.begin(), stream.begin() + long(streamSize));
    return block.bytes;
}

// Run-length packets over elements of `width` bytes: 0x80 | n then one element repeated n
// times, or n then n elements as they are.
inline Bytes rlePackets(const Bytes& raw, size_t width)
{
    Bytes out;
    size_t count = raw.size() / width;
    auto same = [&](size_t a, size_t b) { return std::equal(raw.begin() + long(a * width), raw.begin() + long((a + 1) * width), raw.begin() + long(b * width)); };
    auto element = [&](size_t i) { out.insert(out.end(), raw.begin() + long(i * width), raw.begin() + long((i + 1) * width)); };
    size_t i = 0;
    while (i < count) {
        size_t run = 1;
        while (i + run < count && run < 127 && same(i, i + run))
            ++run;
        if (run > 1) {
            out.push_back(uint8_t(0x80 | run));
            element(i);
            i += run;
            continue;
        }
        size_t literal = 0;
        while (i + literal < count && literal < 127 && !(i + literal + 1 < count && same(i + literal, i + literal + 1)))
            ++literal;
        out.push_back(uint8_t(literal));
        for (size_t k = 0; k < literal; ++k)
            element(i + k);
        i += literal;
    }
    return out;
}

inline Bytes lzwBlock(const Bytes& raw)
{
    CLZWCompression codec(raw.data(), int(raw.size()));
    int length = 0;
    uint8_t* packed = codec.compress(length);
    Bytes block(packed, packed + length);
    delete[] packed;
    return block;
}

// A baseline JPEG of width x height pixels from a function giving red, green and blue; its
// colour planes are sampled once every `sampling` pixels each way (1 is 4:4:4, 2 is 4:2:0).
template <typename Rgb>
Bytes jpegBytes(int width, int height, Rgb rgb, int quality = 95, int sampling = 1)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = sampling;
    for (int c = 1; c < 3; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    Bytes row(size_t(width) * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x)
            rgb(x, int(info.next_scanline), &row[size_t(x) * 3]);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes jpeg(out, out + size);
    free(out);
    return jpeg;
}

inline Bytes jpegPicture(int width, int height)
{
    return jpegBytes(width, height, [](int x, int y, uint8_t* p) {
        p[0] = uint8_t(x * 255 / 40);
        p[1] = uint8_t(y * 255 / 30);
        p[2] = uint8_t((x + y) % 2 ? 200 : 40);
    });
}

// The library's own RGB decoding of a JPEG, packed to 16-bit pixels as the engine promises:
// each channel's top bits.
inline Bytes jpegAs16Bit(const Bytes& jpeg, int bpp)
{
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), jpeg.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    ByteBuilder pixels;
    Bytes row(size_t(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (size_t x = 0; x < info.output_width; ++x) {
            unsigned r = row[x * 3], g = row[x * 3 + 1], b = row[x * 3 + 2];
            pixels.u16(bpp == 15 ? (r / 8) * 1024 + (g / 8) * 32 + b / 8 : (r / 8) * 2048 + (g / 4) * 32 + b / 8);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return pixels.bytes;
}

} // namespace graphicstest
