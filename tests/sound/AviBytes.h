#pragma once

// AVI files built byte by byte for the video tests, the benchmark and the fuzz seeds, without any
// video library: a picture stream of uncompressed 24-bit frames or of JPEG frames (libjpeg), and
// an optional 16-bit PCM sound track, interleaved frame by frame, with an index.
//
// Every picture is filled with a colour of its own (frameColour) and shows its frame number in
// binary along its top: eight cells of 8 x 8 pixels, white for a 1, black for a 0, the lowest bit
// left. Sound sample i of channel 0 is soundSample(i), so any stretch of the output tells where in
// the track it came from.

#include "graphics/PixelBytes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace soundtest {

struct AviSpec {
    int width = 64;
    int height = 16;
    int framesPerSecond = 25;
    int frames = 10;
    // JPEG frames (the "MJPG" codec), else uncompressed bottom-up BGR rows.
    bool jpeg = false;
    // 0: no sound track.
    uint32_t soundRate = 0;
    uint16_t soundChannels = 1;
    // Fills the picture below the number: pixel (x, y) of frame k; null is frameColour(k).
    void (*texture)(int frame, int x, int y, uint8_t* rgb) = nullptr;
};

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// Far apart from one frame to the next, in each channel.
inline Rgb frameColour(int frame)
{
    return Rgb{uint8_t(40 + (frame * 97) % 180), uint8_t(40 + (frame * 53 + 90) % 180), uint8_t(40 + (frame * 151 + 30) % 180)};
}

// A ramp that climbs by 7 and wraps, never 0.
inline int16_t soundSample(int64_t index)
{
    return int16_t(1 + (index * 7) % 30000);
}

// The picture of frame k as RGB rows from the top.
inline std::vector<uint8_t> framePicture(const AviSpec& spec, int frame)
{
    std::vector<uint8_t> rgb(size_t(spec.width) * size_t(spec.height) * 3);
    const Rgb colour = frameColour(frame);
    for (int y = 0; y < spec.height; ++y) {
        for (int x = 0; x < spec.width; ++x) {
            uint8_t* pixel = &rgb[(size_t(y) * size_t(spec.width) + size_t(x)) * 3];
            if (y < 8 && x < 64) {
                const bool one = ((frame >> (x / 8)) & 1) != 0;
                pixel[0] = pixel[1] = pixel[2] = one ? 255 : 0;
            } else if (spec.texture != nullptr) {
                spec.texture(frame, x, y, pixel);
            } else {
                pixel[0] = colour.red;
                pixel[1] = colour.green;
                pixel[2] = colour.blue;
            }
        }
    }
    return rgb;
}

class AviWriter {
public:
    explicit AviWriter(const AviSpec& spec) : spec_(spec) {}

    std::string bytes()
    {
        std::string movi;
        std::string index;
        int64_t soundWritten = 0;
        for (int frame = 0; frame < spec_.frames; ++frame) {
            if (spec_.soundRate > 0) {
                const int64_t until = int64_t(frame + 1) * spec_.soundRate / spec_.framesPerSecond;
                addChunk(movi, index, "01wb", soundBetween(soundWritten, until), 0x10);
                soundWritten = until;
            }
            addChunk(movi, index, spec_.jpeg ? "00dc" : "00db", pictureBytes(frame), 0x10);
        }
        std::string body = "AVI " + list("hdrl", mainHeader() + videoStream() + (spec_.soundRate > 0 ? soundStream() : ""));
        body += list("movi", movi) + chunk("idx1", index);
        return "RIFF" + le32(uint32_t(body.size())) + body;
    }

    static std::string le16(uint32_t value) { return std::string{char(value & 0xFF), char((value >> 8) & 0xFF)}; }
    static std::string le32(uint32_t value) { return le16(value & 0xFFFF) + le16(value >> 16); }
    static std::string chunk(const char* id, const std::string& body)
    {
        std::string out = std::string(id, 4) + le32(uint32_t(body.size())) + body;
        if (body.size() % 2 != 0)
            out += '\0';
        return out;
    }
    static std::string list(const char* type, const std::string& body) { return chunk("LIST", std::string(type, 4) + body); }

private:
    uint16_t soundBlock() const { return uint16_t(2 * spec_.soundChannels); }

    // Index offsets count from the "movi" word.
    void addChunk(std::string& movi, std::string& index, const char* id, const std::string& body, uint32_t flags)
    {
        index += std::string(id, 4) + le32(flags) + le32(uint32_t(4 + movi.size())) + le32(uint32_t(body.size()));
        movi += chunk(id, body);
    }

    std::string mainHeader() const
    {
        const int streams = spec_.soundRate > 0 ? 2 : 1;
        std::string avih = le32(uint32_t(1000000 / spec_.framesPerSecond)) + le32(0) + le32(0) + le32(0x10 | 0x100) +
                           le32(uint32_t(spec_.frames)) + le32(0) + le32(uint32_t(streams)) + le32(0) +
                           le32(uint32_t(spec_.width)) + le32(uint32_t(spec_.height)) + std::string(16, '\0');
        return chunk("avih", avih);
    }

    static std::string streamHeader(const char* type, const char* handler, uint32_t scale, uint32_t rate, uint32_t length,
                                    uint32_t sampleSize)
    {
        std::string strh = std::string(type, 4) + std::string(handler, 4) + le32(0) + le16(0) + le16(0) + le32(0) +
                           le32(scale) + le32(rate) + le32(0) + le32(length) + le32(0) + le32(0xFFFFFFFF) +
                           le32(sampleSize) + std::string(8, '\0');
        return chunk("strh", strh);
    }

    std::string videoStream() const
    {
        const uint32_t imageBytes = uint32_t(rowBytes() * spec_.height);
        std::string bitmap = le32(40) + le32(uint32_t(spec_.width)) + le32(uint32_t(spec_.height)) + le16(1) + le16(24) +
                             (spec_.jpeg ? std::string("MJPG") : le32(0)) + le32(imageBytes) + le32(0) + le32(0) +
                             le32(0) + le32(0);
        return list("strl", streamHeader("vids", spec_.jpeg ? "MJPG" : "DIB ", 1, uint32_t(spec_.framesPerSecond),
                                         uint32_t(spec_.frames), 0) +
                                chunk("strf", bitmap));
    }

    std::string soundStream() const
    {
        const uint32_t total = uint32_t(int64_t(spec_.frames) * spec_.soundRate / spec_.framesPerSecond);
        std::string format = le16(1) + le16(spec_.soundChannels) + le32(spec_.soundRate) +
                             le32(spec_.soundRate * soundBlock()) + le16(soundBlock()) + le16(16) + le16(0);
        return list("strl", streamHeader("auds", "\0\0\0\0", soundBlock(), spec_.soundRate * soundBlock(), total, soundBlock()) +
                                chunk("strf", format));
    }

    std::string soundBetween(int64_t from, int64_t until) const
    {
        std::string bytes;
        for (int64_t i = from; i < until; ++i) {
            for (int channel = 0; channel < spec_.soundChannels; ++channel)
                bytes += le16(uint16_t(channel == 0 ? soundSample(i) : -soundSample(i)));
        }
        return bytes;
    }

    int rowBytes() const { return (spec_.width * 3 + 3) / 4 * 4; }

    std::string pictureBytes(int frame) const
    {
        const std::vector<uint8_t> rgb = framePicture(spec_, frame);
        const auto at = [&](int x, int y) { return &rgb[(size_t(y) * size_t(spec_.width) + size_t(x)) * 3]; };
        if (spec_.jpeg) {
            const graphicstest::Bytes jpeg = graphicstest::jpegBytes(spec_.width, spec_.height, [&](int x, int y, uint8_t* out) {
                const uint8_t* in = at(x, y);
                out[0] = in[0];
                out[1] = in[1];
                out[2] = in[2];
            });
            return std::string(jpeg.begin(), jpeg.end());
        }
        std::string bytes;
        for (int y = spec_.height - 1; y >= 0; --y) {
            for (int x = 0; x < spec_.width; ++x) {
                const uint8_t* in = at(x, y);
                bytes += char(in[2]);
                bytes += char(in[1]);
                bytes += char(in[0]);
            }
            bytes.append(size_t(rowBytes() - spec_.width * 3), '\0');
        }
        return bytes;
    }

    AviSpec spec_;
};

inline std::string aviBytes(const AviSpec& spec)
{
    return AviWriter(spec).bytes();
}

} // namespace soundtest
