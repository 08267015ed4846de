#pragma once

// Layered PSD documents built field by field, big-endian, from the file layout: header, colour
// mode data, image resources, the layer records with their channel data, and a merged image that
// the engine does not read. Channels are stored raw, as PackBits rows, or with any other
// compression word and bytes.

#include "PixelBytes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace graphicstest {

class BigEndianBuilder {
public:
    BigEndianBuilder& u8(unsigned value)
    {
        bytes.push_back(uint8_t(value));
        return *this;
    }
    BigEndianBuilder& u16(unsigned value) { return u8(value >> 8).u8(value); }
    BigEndianBuilder& u32(uint32_t value) { return u16(value >> 16).u16(value & 0xFFFF); }
    BigEndianBuilder& raw(const Bytes& data)
    {
        bytes.insert(bytes.end(), data.begin(), data.end());
        return *this;
    }
    BigEndianBuilder& text(const std::string& value)
    {
        bytes.insert(bytes.end(), value.begin(), value.end());
        return *this;
    }
    // A length word and the bytes.
    BigEndianBuilder& block(const Bytes& data) { return u32(uint32_t(data.size())).raw(data); }

    Bytes bytes;
};

// One row as PackBits packets: n >= 0 then n + 1 bytes as they are, or 1 - n copies of a byte.
inline Bytes packBitsRow(const uint8_t* row, size_t length)
{
    Bytes out;
    size_t i = 0;
    while (i < length) {
        size_t run = 1;
        while (i + run < length && run < 128 && row[i + run] == row[i])
            ++run;
        if (run > 1) {
            out.push_back(uint8_t(1 - int(run)));
            out.push_back(row[i]);
            i += run;
            continue;
        }
        size_t literal = 1;
        while (i + literal < length && literal < 128 && !(i + literal + 1 < length && row[i + literal] == row[i + literal + 1]))
            ++literal;
        out.push_back(uint8_t(literal - 1));
        out.insert(out.end(), row + i, row + i + literal);
        i += literal;
    }
    return out;
}

struct PsdChannel {
    int id;
    Bytes plane;
    // 0 raw, 1 PackBits rows; any other word is written with `plane` as its bytes.
    int compression = 0;
    // Written in place of the true data length when not negative.
    int64_t lengthField = -1;
    // Written after the compression word in place of the plane's stored form when not empty.
    Bytes stored = {};
};

struct PsdLayer {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    std::string name;
    std::vector<PsdChannel> channels;
    // Bytes of layer-mask data (0, 20 or 36) and of blending ranges.
    size_t maskLength = 0;
    size_t blendingRanges = 40;
    // Additional "8BIM" blocks after the name.
    int extraBlocks = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }

    // The channel's data as stored: its compression word and its bytes.
    Bytes channelData(const PsdChannel& channel) const
    {
        BigEndianBuilder data;
        data.u16(unsigned(channel.compression));
        if (!channel.stored.empty())
            return data.raw(channel.stored).bytes;
        if (channel.compression != 1)
            return data.raw(channel.plane).bytes;
        std::vector<Bytes> rows;
        for (int y = 0; y < height(); ++y)
            rows.push_back(packBitsRow(channel.plane.data() + size_t(y) * width(), size_t(width())));
        for (const Bytes& row : rows)
            data.u16(unsigned(row.size()));
        for (const Bytes& row : rows)
            data.raw(row);
        return data.bytes;
    }

    Bytes record() const
    {
        BigEndianBuilder out;
        out.u32(uint32_t(top)).u32(uint32_t(left)).u32(uint32_t(bottom)).u32(uint32_t(right)).u16(unsigned(channels.size()));
        for (const PsdChannel& channel : channels) {
            int64_t length = channel.lengthField >= 0 ? channel.lengthField : int64_t(channelData(channel).size());
            out.u16(unsigned(channel.id) & 0xFFFF).u32(uint32_t(length));
        }
        BigEndianBuilder extra;
        extra.block(Bytes(maskLength, 7)).block(Bytes(blendingRanges, 0xFF));
        extra.u8(unsigned(name.size())).text(name);
        for (size_t padded = 1 + name.size(); padded % 4 != 0; ++padded)
            extra.u8(0);
        for (int i = 0; i < extraBlocks; ++i)
            extra.text("8BIM").text(i % 2 ? "luni" : "lyid").block(Bytes(size_t(4 + 4 * i), uint8_t(i)));
        out.text("8BIM").text("norm").u8(255).u8(0).u8(8).u8(0).block(extra.bytes);
        return out.bytes;
    }
};

struct PsdDocument {
    std::string signature = "8BPS";
    int version = 1;
    int depth = 8;
    int mode = 3;
    int width = 48;
    int height = 40;
    Bytes colourModeData;
    Bytes resources = Bytes(12, 0x38);
    std::vector<PsdLayer> layers;
    // Negative: the merged image's alpha is the first extra channel.
    bool negativeCount = false;
    // Written in place of the true lengths when not negative.
    int64_t layerInfoLengthField = -1;
    int64_t layerCountField = -1;

    Bytes bytes() const
    {
        BigEndianBuilder info;
        int count = layerCountField >= 0 ? int(layerCountField) : int(layers.size());
        info.u16(unsigned(negativeCount ? -count : count) & 0xFFFF);
        for (const PsdLayer& layer : layers)
            info.raw(layer.record());
        for (const PsdLayer& layer : layers) {
            for (const PsdChannel& channel : layer.channels)
                info.raw(layer.channelData(channel));
        }
        BigEndianBuilder section;
        section.u32(uint32_t(layerInfoLengthField >= 0 ? layerInfoLengthField : int64_t(info.bytes.size()))).raw(info.bytes);
        section.u32(0);
        BigEndianBuilder file;
        file.text(signature).u16(unsigned(version)).raw(Bytes(6, 0)).u16(3).u32(uint32_t(height)).u32(uint32_t(width));
        file.u16(unsigned(depth)).u16(unsigned(mode));
        file.block(colourModeData).block(resources).block(section.bytes);
        // The merged image, raw: never read.
        file.u16(0).raw(Bytes(size_t(width * height * 3), 0x55));
        return file.bytes;
    }
};

// A plane of width x height bytes with runs and changes, so both stored forms have work to do.
inline Bytes channelPlane(int width, int height, int seed)
{
    Bytes plane;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            plane.push_back(uint8_t(x < width / 3 ? seed * 40 + y : (x * 37 + y * 11 + seed * 91) & 0xFF));
    }
    return plane;
}

// The document the tests and the fuzz seeds share: layer "A" at (10, 20, 42, 36) stored raw with
// a transparency channel, a 36-byte mask and additional blocks; layer "B" at (0, 0, 30, 8)
// stored as PackBits rows, without transparency.
inline PsdDocument sampleDocument()
{
    PsdDocument document;
    PsdLayer a;
    a.left = 10, a.top = 20, a.right = 42, a.bottom = 36;
    a.name = "A";
    a.maskLength = 36;
    a.extraBlocks = 3;
    for (int id : {-1, 0, 1, 2})
        a.channels.push_back({id, channelPlane(a.width(), a.height(), id + 2)});
    PsdLayer b;
    b.right = 30, b.bottom = 8;
    b.name = "B";
    for (int id : {0, 1, 2})
        b.channels.push_back({id, channelPlane(b.width(), b.height(), id + 7), 1});
    document.layers = {a, b};
    return document;
}

// The 5-6-5 pixel the engine makes of 8-bit red, green and blue.
inline uint16_t rgb565(uint8_t red, uint8_t green, uint8_t blue)
{
    return uint16_t((red >> 3) << 11 | (green >> 2) << 5 | blue >> 3);
}

// The 16-bit colour plane a layer's channels make (a missing colour channel reads 0).
inline std::vector<uint16_t> layerPixels(const PsdLayer& layer)
{
    const Bytes* planes[3] = {nullptr, nullptr, nullptr};
    for (const PsdChannel& channel : layer.channels) {
        if (channel.id >= 0 && channel.id <= 2)
            planes[channel.id] = &channel.plane;
    }
    std::vector<uint16_t> pixels;
    for (size_t i = 0; i < size_t(layer.width() * layer.height()); ++i) {
        auto at = [&](int c) { return planes[c] != nullptr ? (*planes[c])[i] : uint8_t(0); };
        pixels.push_back(rgb565(at(0), at(1), at(2)));
    }
    return pixels;
}

} // namespace graphicstest
