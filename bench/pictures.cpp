// Loading pictures, beside the libraries that do the decoding work.
//
// JPEG: an 800x600 photo-like picture loaded as a game image (file found by name, read, decoded
// to the display's 5-6-5 pixels) beside libjpeg-turbo decoding the same file straight to RGB565.
#include "bench/RatioReporter.h"
#include "graphics/CImage.h"
#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "tests/graphics/PixelBytes.h"
#include "tests/platform/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>

using namespace graphicstest;

namespace {

// A temp folder reached as drive G:, holding the benchmark's files.
class BenchFolder {
public:
    BenchFolder()
    {
        drives_.set('G', folder_.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives_);
        writeJpeg();
    }
    ~BenchFolder() { platform::setDrives(nullptr); }

    std::string path(const std::string& name) const { return folder_ / name; }

private:
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

BENCHMARK(libjpegRgb565)->Name("jpeg/libjpeg-turbo to RGB565 (peer)")->Unit(benchmark::kMillisecond);
BENCHMARK(imageJpeg)->Name("jpeg/CImage::Load")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nTime ratios (below 1: the engine is faster):\n");
    double jpeg = reporter.ratio("jpeg/CImage::Load", "jpeg/libjpeg-turbo to RGB565 (peer)");
    if (jpeg > 0.0)
        std::printf("800x600 JPEG: CImage::Load / libjpeg-turbo RGB565 = %.2f\n", jpeg);
    benchmark::Shutdown();
    return 0;
}
