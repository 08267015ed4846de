// Decode throughput of the pixel codecs, in MB/s of unpacked output.
//
// The picture is an 800x600 16-bit frame of the kind the games ship: flat areas, gradients and a
// band of noise. Every codec unpacks it (the 8-bit and row-wise codecs its low bytes, as for an
// alpha plane). The peers: "memcpy" of the same output is the floor no decoder can beat;
// liblzo2's own lzo1x_decompress (unchecked) and lzo1x_decompress_safe show what the engine's
// LZO path costs over the bare library.
#include "foundation/CLZWCompression.h"
#include "foundation/CLZWCompression2.h"
#include "foundation/CRLECompression.h"
#include "foundation/CRLECompression2.h"

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>
#include <lzo/lzo1x.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct Picture {
    Bytes frame; // 16-bit pixels, little-endian
    Bytes plane; // one byte per pixel
    Bytes rle8, rle16, lzw, lzo;
    Bytes rows;
    std::vector<int16_t> rowCounts;
};

// One row packed as the row-wise codec reads it: n >= 0 then n + 1 literals, n < 0 then one byte
// repeated 1 - n times.
void packRow(const uint8_t* row, int width, Bytes& out)
{
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 128 && row[x + run] == row[x])
            ++run;
        if (run >= 2) {
            out.push_back(static_cast<uint8_t>(1 - run));
            out.push_back(row[x]);
            x += run;
            continue;
        }
        int start = x;
        while (x < width && x - start < 128 && !(x + 1 < width && row[x + 1] == row[x]))
            ++x;
        out.push_back(static_cast<uint8_t>(x - start - 1));
        out.insert(out.end(), row + start, row + x);
    }
}

// The packed result of a packer that reports its length through its last argument.
template <typename Pack>
Bytes packed(Pack pack)
{
    int length = 0;
    uint8_t* buffer = pack(length);
    Bytes bytes(buffer, buffer + length);
    delete[] buffer;
    return bytes;
}

Picture makePicture()
{
    Picture p;
    std::mt19937 random(7);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            uint16_t pixel;
            if (y < 200)
                pixel = 0x3A7C; // sky
            else if (y < 400)
                pixel = uint16_t((x / 8) << 5 | (y / 16)); // gradient
            else if (x < 300)
                pixel = uint16_t(random()); // noise
            else
                pixel = uint16_t(0x1000 + (x / 40) * 3); // bands
            p.frame.push_back(uint8_t(pixel));
            p.frame.push_back(uint8_t(pixel >> 8));
            p.plane.push_back(uint8_t(pixel));
        }
    }
    p.rle8 = packed([&](int& length) { return CRLECompression::__compresschar(p.plane.data(), int(p.plane.size()), length); });
    p.rle16 = packed([&](int& length) { return CRLECompression::__compress(p.frame.data(), int(p.frame.size()), length); });
    CLZWCompression lzw(p.frame.data(), int(p.frame.size()));
    p.lzw = packed([&](int& length) { return lzw.compress(length); });
    CLZWCompression2 lzo(p.frame.data(), int(p.frame.size()));
    p.lzo = packed([&](int& length) { return lzo.compress(length); });
    for (int y = 0; y < kHeight; ++y) {
        size_t before = p.rows.size();
        packRow(p.plane.data() + size_t(y) * kWidth, kWidth, p.rows);
        p.rowCounts.push_back(static_cast<int16_t>(p.rows.size() - before));
    }
    return p;
}

const Picture& picture()
{
    static const Picture instance = makePicture();
    return instance;
}

template <typename Decode>
void run(benchmark::State& state, size_t rawSize, Decode decode)
{
    for (auto _ : state) {
        std::unique_ptr<uint8_t[]> out(decode());
        if (out == nullptr) {
            state.SkipWithError("decode failed");
            return;
        }
        benchmark::DoNotOptimize(out.get());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(rawSize));
}

void memcpyFrame(benchmark::State& state)
{
    const Bytes& frame = picture().frame;
    run(state, frame.size(), [&] {
        auto* out = new uint8_t[frame.size()];
        std::memcpy(out, frame.data(), frame.size());
        return out;
    });
}

void rle8(benchmark::State& state)
{
    const Picture& p = picture();
    run(state, p.plane.size(), [&] { return CRLECompression::__decompresschar(p.rle8.data(), int(p.rle8.size()), int(p.plane.size())); });
}

void rle16(benchmark::State& state)
{
    const Picture& p = picture();
    run(state, p.frame.size(), [&] { return CRLECompression::__decompress(p.rle16.data(), int(p.rle16.size()), int(p.frame.size())); });
}

void rowWise(benchmark::State& state)
{
    const Picture& p = picture();
    run(state, p.plane.size(), [&] {
        auto* counts = new int16_t[p.rowCounts.size()];
        std::memcpy(counts, p.rowCounts.data(), p.rowCounts.size() * sizeof(int16_t));
        CRLECompression2 codec(CXSize(kWidth, kHeight), counts, p.rows.data(), int(p.rows.size()));
        return codec.Decompress(0);
    });
}

void lzw(benchmark::State& state)
{
    const Picture& p = picture();
    run(state, p.frame.size(), [&] {
        CLZWCompression codec(p.lzw.data(), int(p.lzw.size()));
        return codec.decompress(int(p.frame.size()));
    });
}

void lzoEngine(benchmark::State& state)
{
    const Picture& p = picture();
    run(state, p.frame.size(), [&] {
        CLZWCompression2 codec(p.lzo.data(), int(p.lzo.size()));
        return codec.decompress();
    });
}

template <bool Safe>
void lzoLibrary(benchmark::State& state)
{
    const Picture& p = picture();
    run(state, p.frame.size(), [&] {
        auto* out = new uint8_t[p.frame.size()];
        lzo_uint length = p.frame.size();
        auto decode = Safe ? lzo1x_decompress_safe : lzo1x_decompress;
        decode(p.lzo.data() + 8, p.lzo.size() - 8, out, &length, nullptr);
        return out;
    });
}

} // namespace

BENCHMARK(memcpyFrame)->Name("memcpy of the frame (floor)");
BENCHMARK(lzoLibrary<false>)->Name("liblzo2 lzo1x_decompress (peer)");
BENCHMARK(lzoLibrary<true>)->Name("liblzo2 lzo1x_decompress_safe (peer)");
BENCHMARK(lzoEngine)->Name("CLZWCompression2 LZO");
BENCHMARK(lzw)->Name("CLZWCompression LZW");
BENCHMARK(rle16)->Name("CRLECompression 16-bit");
BENCHMARK(rle8)->Name("CRLECompression 8-bit plane");
BENCHMARK(rowWise)->Name("CRLECompression2 rows, 8-bit plane");

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        const char* floor = "memcpy of the frame (floor)";
        // Per output byte: the planes are half the frame's size.
        const struct {
            const char* name;
            double outputShare;
        } decoders[] = {
            {"CRLECompression 16-bit", 1.0},
            {"CRLECompression 8-bit plane", 0.5},
            {"CRLECompression2 rows, 8-bit plane", 0.5},
        };
        std::printf("\nCPU time per output byte against memcpy (1 is memory speed):\n");
        for (const auto& decoder : decoders) {
            const double ratio = reporter.ratio(decoder.name, floor, true);
            if (ratio > 0.0)
                std::printf("%-36s %.2f\n", decoder.name, ratio / decoder.outputShare);
        }
        const double lzo = reporter.ratio("liblzo2 lzo1x_decompress_safe (peer)", "CLZWCompression2 LZO", true);
        if (lzo > 0.0)
            std::printf("CLZWCompression2 LZO speed against liblzo2 lzo1x_decompress_safe: %.2f\n", lzo);
    });
}
