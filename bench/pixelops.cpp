// Pixel operations on an 800 × 600 16-bit picture. Scale by 0.5 and by 2 beside pixman scaling
// the same r5g6b5 picture with its nearest filter (a SRC composite through a scaling transform
// into a picture of the new size); the grey filter and the displacement filter (a wave: each
// pixel takes the one a few rows above or below) beside a plain copy of the plane, the floor of
// any pass over it. The displacement filter reads an offset of eight bytes a pixel besides, four
// times the plane's bytes: reading them alone is measured too, and so is the lookup of every pixel
// through source indexes made beforehand, the most any compact form of the offsets would leave.
//
// Scale makes its new plane on every call, as it does in use; pixman writes into a picture made
// beforehand. Each Scale starts from a fresh copy of the picture, made outside the timing.
#include "bench/RatioReporter.h"
#include "graphics/CGraphicsObject.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kPixels = kWidth * kHeight;

const std::vector<uint16_t>& picture()
{
    static const std::vector<uint16_t> pixels = [] {
        std::mt19937 random(37);
        std::vector<uint16_t> made(kPixels);
        for (uint16_t& pixel : made)
            pixel = uint16_t(random());
        return made;
    }();
    return pixels;
}

std::unique_ptr<CGraphicsObject> freshPicture()
{
    auto* plane = new uint8_t[kPixels * 2];
    std::memcpy(plane, picture().data(), kPixels * 2);
    return std::make_unique<CGraphicsObject>(nullptr, CXSize(kWidth, kHeight), 16, plane);
}

void scaleOurs(benchmark::State& state)
{
    double factor = double(state.range(0)) / 2;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CGraphicsObject> object = freshPicture();
        state.ResumeTiming();
        object->Scale(factor, factor);
        benchmark::DoNotOptimize(object->GetDataPtr());
        state.PauseTiming();
        object.reset();
        state.ResumeTiming();
    }
}

void scalePixman(benchmark::State& state)
{
    double factor = double(state.range(0)) / 2;
    int width = int(kWidth * factor), height = int(kHeight * factor);
    std::vector<uint16_t> source(picture());
    std::vector<uint16_t> target(size_t(width) * height);
    pixman_image_t* from = pixman_image_create_bits(PIXMAN_r5g6b5, kWidth, kHeight, reinterpret_cast<uint32_t*>(source.data()), kWidth * 2);
    pixman_image_t* to = pixman_image_create_bits(PIXMAN_r5g6b5, width, height, reinterpret_cast<uint32_t*>(target.data()), width * 2);
    pixman_transform_t transform;
    pixman_transform_init_scale(&transform, pixman_double_to_fixed(1 / factor), pixman_double_to_fixed(1 / factor));
    pixman_image_set_transform(from, &transform);
    pixman_image_set_filter(from, PIXMAN_FILTER_NEAREST, nullptr, 0);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, from, nullptr, to, 0, 0, 0, 0, 0, 0, width, height);
        benchmark::DoNotOptimize(target.data());
    }
    pixman_image_unref(from);
    pixman_image_unref(to);
}

void greyOurs(benchmark::State& state)
{
    std::unique_ptr<CGraphicsObject> object = freshPicture();
    for (auto _ : state) {
        object->ToGrayScale();
        benchmark::DoNotOptimize(object->GetDataPtr());
    }
}

void displacementOurs(benchmark::State& state)
{
    std::unique_ptr<CGraphicsObject> object = freshPicture();
    std::vector<CXPoint> offsets(kPixels);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            offsets[size_t(y) * kWidth + x] = CXPoint(0, int(std::sin(x * 0.05) * 6));
    }
    for (auto _ : state) {
        object->displacementFilter(offsets.data(), false, true);
        benchmark::DoNotOptimize(object->GetDataPtr());
    }
}

// What the displacement filter cannot do without: reading its offsets, eight bytes a pixel.
void offsetsRead(benchmark::State& state)
{
    std::vector<CXPoint> offsets(kPixels, CXPoint(1, 2));
    for (auto _ : state) {
        int64_t sum = 0;
        for (const CXPoint& offset : offsets)
            sum += offset.x + offset.y;
        benchmark::DoNotOptimize(sum);
    }
}

// The floor of any compact form the offsets could take: each pixel looked up through a source
// index made beforehand, four bytes a pixel, with no offset to read.
void sourceLookup(benchmark::State& state)
{
    std::vector<int32_t> sources(kPixels);
    for (int at = 0; at < kPixels; ++at)
        sources[size_t(at)] = std::clamp(at + int(std::sin(at % kWidth * 0.05) * 6) * kWidth, 0, kPixels - 1);
    std::vector<uint16_t> target(kPixels);
    for (auto _ : state) {
        const uint16_t* pixels = picture().data();
        for (int at = 0; at < kPixels; ++at)
            target[size_t(at)] = pixels[sources[size_t(at)]];
        benchmark::DoNotOptimize(target.data());
    }
}

void planeCopy(benchmark::State& state)
{
    std::vector<uint16_t> target(kPixels);
    for (auto _ : state) {
        std::memcpy(target.data(), picture().data(), kPixels * 2);
        benchmark::DoNotOptimize(target.data());
    }
}

// Arguments are twice the factor.
BENCHMARK(scaleOurs)->Name("scale/engine")->Arg(1)->Arg(4);
BENCHMARK(scalePixman)->Name("scale/pixman")->Arg(1)->Arg(4);
BENCHMARK(greyOurs)->Name("filter/grey");
BENCHMARK(displacementOurs)->Name("filter/displacement");
BENCHMARK(offsetsRead)->Name("filter/read of the offsets");
BENCHMARK(sourceLookup)->Name("filter/lookup through source indexes");
BENCHMARK(planeCopy)->Name("filter/copy of the plane");

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        std::printf("\nTime ratios (below 1: the engine is faster):\n");
        std::printf("Scale by 0.5: engine / pixman = %.2f\n", reporter.ratio("scale/engine/1", "scale/pixman/1"));
        std::printf("Scale by 2:   engine / pixman = %.2f\n", reporter.ratio("scale/engine/4", "scale/pixman/4"));
        std::printf("ToGrayScale:        engine / plane copy = %.2f\n", reporter.ratio("filter/grey", "filter/copy of the plane"));
        std::printf("displacementFilter: engine / plane copy = %.2f (reading its offsets alone: %.2f, looking up through source indexes "
                    "alone: %.2f)\n",
                    reporter.ratio("filter/displacement", "filter/copy of the plane"),
                    reporter.ratio("filter/read of the offsets", "filter/copy of the plane"),
                    reporter.ratio("filter/lookup through source indexes", "filter/copy of the plane"));
    });
}
