// The filter effects. BLUR 3 on an 800 × 600 16-bit picture, as a STATICFILTER applies it (a copy
// of the plane, then the blur into the picture), beside pixman filtering the same r5g6b5 picture
// through a 3 × 3 convolution (a SRC composite into a picture made beforehand). A WATER step on a
// 640 × 480 picture, with the link's tables made beforehand as the effect makes them, beside a
// plain copy of the plane, the floor of any pass that writes every pixel from another plane.
#include "bench/RatioReporter.h"
#include "graphics/CGraphicsObject.h"
#include "objects/CBlurEffect.h"
#include "objects/CWaterEffect.h"
#include "objects/CWaterRipple.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

std::vector<uint16_t> randomPlane(int width, int height)
{
    std::mt19937 random(40);
    std::vector<uint16_t> made(size_t(width) * height);
    for (uint16_t& pixel : made)
        pixel = uint16_t(random());
    return made;
}

constexpr int kBlurWidth = 800;
constexpr int kBlurHeight = 600;

void blurOurs(benchmark::State& state)
{
    std::vector<uint16_t> pixels = randomPlane(kBlurWidth, kBlurHeight);
    auto* plane = new uint8_t[pixels.size() * 2];
    std::memcpy(plane, pixels.data(), pixels.size() * 2);
    CGraphicsObject picture(nullptr, CXSize(kBlurWidth, kBlurHeight), 16, plane);
    CBlurEffect blur(nullptr);
    for (auto _ : state) {
        blur.apply(&picture);
        benchmark::DoNotOptimize(picture.GetDataPtr());
    }
}

void blurPixman(benchmark::State& state)
{
    std::vector<uint16_t> source = randomPlane(kBlurWidth, kBlurHeight);
    std::vector<uint16_t> target(source.size());
    pixman_image_t* from = pixman_image_create_bits(PIXMAN_r5g6b5, kBlurWidth, kBlurHeight, reinterpret_cast<uint32_t*>(source.data()),
                                                    kBlurWidth * 2);
    pixman_image_t* to = pixman_image_create_bits(PIXMAN_r5g6b5, kBlurWidth, kBlurHeight, reinterpret_cast<uint32_t*>(target.data()),
                                                  kBlurWidth * 2);
    pixman_fixed_t kernel[2 + 9] = {pixman_int_to_fixed(3), pixman_int_to_fixed(3)};
    for (int i = 2; i < 11; ++i)
        kernel[i] = pixman_double_to_fixed(1.0 / 9);
    pixman_image_set_filter(from, PIXMAN_FILTER_CONVOLUTION, kernel, 11);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, from, nullptr, to, 0, 0, 0, 0, 0, 0, kBlurWidth, kBlurHeight);
        benchmark::DoNotOptimize(target.data());
    }
    pixman_image_unref(from);
    pixman_image_unref(to);
}

constexpr int kWaterWidth = 640;
constexpr int kWaterHeight = 480;

void waterOurs(benchmark::State& state)
{
    std::vector<uint16_t> unaltered = randomPlane(kWaterWidth, kWaterHeight);
    std::vector<uint16_t> pixels(unaltered.size());
    std::vector<uint8_t> alpha(unaltered.size(), 255);
    CWaterRipple ripple(kWaterWidth, kWaterHeight);
    int phase = 0;
    for (auto _ : state) {
        phase = (phase + 1) % CWaterEffect::kPhases;
        ripple.ripple(unaltered.data(), pixels.data(), alpha.data(), float(std::sin(double(phase))), float(std::cos(double(phase))), 1.1);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void planeCopy(benchmark::State& state)
{
    std::vector<uint16_t> source = randomPlane(kWaterWidth, kWaterHeight);
    std::vector<uint16_t> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size() * 2);
        benchmark::DoNotOptimize(target.data());
    }
}

BENCHMARK(blurOurs)->Name("blur3/engine")->Unit(benchmark::kMillisecond);
BENCHMARK(blurPixman)->Name("blur3/pixman convolution")->Unit(benchmark::kMillisecond);
BENCHMARK(waterOurs)->Name("water/engine step")->Unit(benchmark::kMicrosecond);
BENCHMARK(planeCopy)->Name("water/copy of the plane")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        std::printf("\nTime ratios (below 1: the engine is faster):\n");
        // CPU times beside the real ones: on a busy machine the real ones wander.
        std::printf("BLUR 3, 800 x 600: engine / pixman = %.2f, CPU %.2f (engine %.2f ms)\n",
                    reporter.ratio("blur3/engine", "blur3/pixman convolution"), reporter.ratio("blur3/engine", "blur3/pixman convolution", true),
                    reporter.realTime("blur3/engine"));
        std::printf("WATER step, 640 x 480: engine / plane copy = %.2f, CPU %.2f\n", reporter.ratio("water/engine step", "water/copy of the plane"),
                    reporter.ratio("water/engine step", "water/copy of the plane", true));
    });
}
