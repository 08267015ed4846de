// Loading pictures, beside the libraries that do the decoding work.
//
// Animation: a 200-frame "NVP" file of LZO-packed 160x120 frames with alpha, loaded by name (file
// read, events and frames made, every frame unpacked and checked) beside liblzo2's own
// lzo1x_decompress unpacking the same blocks into fresh planes.
//
// JPEG: an 800x600 photo-like picture loaded as a game image (file found by name, read, decoded
// to the display's 5-6-5 pixels) beside libjpeg-turbo decoding the same file straight to RGB565.
#include "bench/RatioReporter.h"
#include "graphics/CAnimo.h"
#include "graphics/CImage.h"
#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "tests/graphics/AnimationBytes.h"
#include "tests/platform/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <utility>
#include <vector>

using namespace graphicstest;

namespace {

constexpr int kFrames = 200;
constexpr int kFrameWidth = 160;
constexpr int kFrameHeight = 120;

// A temp folder reached as drive G:, holding the benchmark's files.
class BenchFolder {
public:
    BenchFolder()
    {
        drives_.set('G', folder_.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives_);
        writeJpeg();
        writeAnimation();
    }
    ~BenchFolder() { platform::setDrives(nullptr); }

    std::string path(const std::string& name) const { return folder_ / name; }

    // The LZO blocks of every frame's colour and alpha planes, in file order, with their raw sizes.
    std::vector<std::pair<Bytes, size_t>> blocks;

private:
    void writeAnimation()
    {
        std::mt19937 random(5);
        AnimationFile file;
        file.code = 2;
        AnimationEvent all("all", {});
        for (int f = 0; f < kFrames; ++f) {
            FramePicture frame{kFrameWidth, kFrameHeight, 0, 0, {}, {}};
            ByteBuilder colour;
            for (int y = 0; y < kFrameHeight; ++y) {
                for (int x = 0; x < kFrameWidth; ++x) {
                    bool body = (x - 80) * (x - 80) + (y - 60) * (y - 60) < (40 + f % 20) * (40 + f % 20);
                    colour.u16(body ? unsigned(0x4000 + x * 7 + y * 3 + random() % 4) : 0);
                    frame.alpha.push_back(body ? 255 : 0);
                }
            }
            frame.colour = colour.bytes;
            blocks.push_back({lzoBlock(frame.colour), frame.colour.size()});
            blocks.push_back({lzoBlock(frame.alpha), frame.alpha.size()});
            file.frames.push_back(frame);
            all.positions.push_back(AnimationPosition(f));
        }
        file.events.push_back(all);
        Bytes bytes = file.bytes();
        folder_.write("walk.ann", std::string(bytes.begin(), bytes.end()));
    }

    void writeJpeg()
    {
        std::mt19937 random(11);
        Bytes photo = jpegBytes(
            800, 600,
            [&](int x, int y, uint8_t* p) {
                int noise = int(random() % 24);
                p[0] = uint8_t((x * 255 / 800 + noise) & 0xFF);
                p[1] = uint8_t((y * 255 / 600 + (x / 50) * 9) & 0xFF);
                p[2] = uint8_t(((x + y) / 6 + noise) & 0xFF);
            },
            85, 2);
        folder_.write("photo.jpg", std::string(photo.begin(), photo.end()));
    }

    TempFolder folder_;
    platform::DriveMap drives_;
};

const BenchFolder& folder()
{
    static const BenchFolder instance;
    return instance;
}

void animationLzo(benchmark::State& state)
{
    folder();
    for (auto _ : state) {
        CAnimo animo(nullptr);
        if (animo.Load("G:\\walk.ann") != 0) {
            state.SkipWithError("load failed");
            return;
        }
        benchmark::DoNotOptimize(animo.GetFrame(kFrames - 1));
    }
}

// liblzo2 unpacking every block into a fresh plane: the unchecked decoder, or the one that
// checks its input and output as the engine's loader must.
template <bool Safe>
void lzoFrames(benchmark::State& state)
{
    const auto& blocks = folder().blocks;
    auto decode = Safe ? lzo1x_decompress_safe : lzo1x_decompress;
    for (auto _ : state) {
        std::vector<std::unique_ptr<uint8_t[]>> planes;
        for (const auto& [block, rawSize] : blocks) {
            planes.emplace_back(new uint8_t[rawSize]);
            lzo_uint length = rawSize;
            decode(block.data() + 8, block.size() - 8, planes.back().get(), &length, nullptr);
        }
        benchmark::DoNotOptimize(planes.back().get());
    }
}

void imageJpeg(benchmark::State& state)
{
    folder();
    for (auto _ : state) {
        CImage image(nullptr);
        if (image.Load("G:\\photo.jpg", false) != 0) {
            state.SkipWithError("load failed");
            return;
        }
        benchmark::DoNotOptimize(image.GetDataPtr());
    }
}

void libjpegRgb565(benchmark::State& state)
{
    std::string path = folder().path("photo.jpg");
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, file.data(), file.size());
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB565;
        info.dither_mode = JDITHER_NONE;
        jpeg_start_decompress(&info);
        std::unique_ptr<uint16_t[]> pixels(new uint16_t[size_t(info.output_width) * info.output_height]);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = reinterpret_cast<JSAMPROW>(pixels.get() + size_t(info.output_scanline) * info.output_width);
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(pixels.get());
    }
}

} // namespace

BENCHMARK(lzoFrames<false>)->Name("animation/liblzo2 lzo1x_decompress of its frames (peer)")->Unit(benchmark::kMillisecond);
BENCHMARK(lzoFrames<true>)->Name("animation/liblzo2 lzo1x_decompress_safe of its frames")->Unit(benchmark::kMillisecond);
BENCHMARK(animationLzo)->Name("animation/CAnimo::Load")->Unit(benchmark::kMillisecond);
BENCHMARK(libjpegRgb565)->Name("jpeg/libjpeg-turbo to RGB565 (peer)")->Unit(benchmark::kMillisecond);
BENCHMARK(imageJpeg)->Name("jpeg/CImage::Load")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        std::printf("\nTime ratios (below 1: the engine is faster):\n");
        double animation = reporter.ratio("animation/CAnimo::Load", "animation/liblzo2 lzo1x_decompress of its frames (peer)");
        double checked = reporter.ratio("animation/CAnimo::Load", "animation/liblzo2 lzo1x_decompress_safe of its frames");
        if (animation > 0.0)
            std::printf("200-frame LZO animation: CAnimo::Load / lzo1x_decompress = %.2f (/ lzo1x_decompress_safe = %.2f)\n", animation, checked);
        double jpeg = reporter.ratio("jpeg/CImage::Load", "jpeg/libjpeg-turbo to RGB565 (peer)");
        if (jpeg > 0.0)
            std::printf("800x600 JPEG: CImage::Load / libjpeg-turbo RGB565 = %.2f\n", jpeg);
    });
}
