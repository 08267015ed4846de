// Tile patterns and virtual graphics objects beside pixman doing the same work on r5g6b5
// pictures: a 400 × 300 virtual object drawn through an 8-bit alpha mask (a disc with a soft
// edge) onto an 800 × 600 target, beside pixman's OVER of the same source through the same a8
// mask; and a pattern of 25 × 19 opaque 32 × 32 tiles drawn onto its target, beside pixman
// copying (SRC) the same tiles to the same places.
#include "bench/RatioReporter.h"
#include "graphics/CPattern.h"
#include "graphics/CVirtualGraphicsObject.h"

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

constexpr int kTargetWidth = 800;
constexpr int kTargetHeight = 608;
constexpr int kMaskedWidth = 400;
constexpr int kMaskedHeight = 300;
constexpr int kTile = 32;
constexpr int kColumns = 25;
constexpr int kRows = 19;
constexpr int kTileKinds = 16;

std::vector<uint16_t> randomPixels(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<uint16_t> pixels(size_t(count), 0);
    for (uint16_t& pixel : pixels)
        pixel = uint16_t(random());
    return pixels;
}

// A disc filling the picture, opaque inside, clear outside, with an edge 8 pixels wide.
const std::vector<uint8_t>& discMask()
{
    static const std::vector<uint8_t> made = [] {
        std::vector<uint8_t> alpha(size_t(kMaskedWidth) * kMaskedHeight);
        double radius = kMaskedHeight / 2.0;
        for (int y = 0; y < kMaskedHeight; ++y) {
            for (int x = 0; x < kMaskedWidth; ++x) {
                double distance = std::hypot((x - kMaskedWidth / 2.0) / (kMaskedWidth / 2.0) * radius, y - radius);
                alpha[size_t(y) * kMaskedWidth + x] = uint8_t(std::clamp((radius - distance) * 32.0, 0.0, 255.0));
            }
        }
        return alpha;
    }();
    return made;
}

std::unique_ptr<CGraphicsObject> pictureOf(const std::vector<uint16_t>& pixels, int width, int height)
{
    auto* plane = new uint8_t[size_t(width) * height * 2];
    std::memcpy(plane, pixels.data(), size_t(width) * height * 2);
    return std::make_unique<CGraphicsObject>(nullptr, CXSize(width, height), 16, plane);
}

void virtualThroughMask(benchmark::State& state)
{
    auto source = pictureOf(randomPixels(kMaskedWidth * kMaskedHeight, 39), kMaskedWidth, kMaskedHeight);
    auto mask = std::make_unique<CGraphicsObject>(nullptr, CXSize(kMaskedWidth, kMaskedHeight), 16);
    mask->AlphaChannel() = new uint8_t[size_t(kMaskedWidth) * kMaskedHeight];
    std::memcpy(mask->AlphaChannel(), discMask().data(), discMask().size());
    CGraphicsObject target(nullptr, CXSize(kTargetWidth, kTargetHeight), 16);
    std::memset(target.GetDataPtr(), 0, size_t(kTargetWidth) * kTargetHeight * 2);
    CVirtualGraphicsObject shown(nullptr);
    shown.setSource(source.get());
    shown.setMask(mask.get());
    shown.SetPosition(200, 150);
    for (auto _ : state) {
        shown.redraw(&target);
        benchmark::DoNotOptimize(target.GetDataPtr());
    }
}

void pixmanThroughMask(benchmark::State& state)
{
    std::vector<uint16_t> sourcePixels = randomPixels(kMaskedWidth * kMaskedHeight, 39);
    std::vector<uint8_t> maskBytes = discMask();
    std::vector<uint16_t> targetPixels(size_t(kTargetWidth) * kTargetHeight);
    pixman_image_t* source = pixman_image_create_bits(PIXMAN_r5g6b5, kMaskedWidth, kMaskedHeight,
                                                      reinterpret_cast<uint32_t*>(sourcePixels.data()), kMaskedWidth * 2);
    pixman_image_t* mask = pixman_image_create_bits(PIXMAN_a8, kMaskedWidth, kMaskedHeight, reinterpret_cast<uint32_t*>(maskBytes.data()), kMaskedWidth);
    pixman_image_t* target = pixman_image_create_bits(PIXMAN_r5g6b5, kTargetWidth, kTargetHeight,
                                                      reinterpret_cast<uint32_t*>(targetPixels.data()), kTargetWidth * 2);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, source, mask, target, 0, 0, 0, 0, 200, 150, kMaskedWidth, kMaskedHeight);
        benchmark::DoNotOptimize(targetPixels.data());
    }
    pixman_image_unref(source);
    pixman_image_unref(mask);
    pixman_image_unref(target);
}

// The kind of tile in each cell.
int kindAt(int column, int row)
{
    return (column * 7 + row * 3) % kTileKinds;
}

void patternGrid(benchmark::State& state)
{
    std::vector<std::unique_ptr<CGraphicsObject>> tiles;
    for (int kind = 0; kind < kTileKinds; ++kind)
        tiles.push_back(pictureOf(randomPixels(kTile * kTile, unsigned(kind)), kTile, kTile));
    CPattern pattern(nullptr, CXSize(kColumns * kTile, kRows * kTile), CXSize(kTile, kTile), 1);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column)
            pattern.add("tile", column, row, 0, tiles[size_t(kindAt(column, row))].get(), 0, "");
    }
    CGraphicsObject target(nullptr, CXSize(kTargetWidth, kTargetHeight), 16);
    pattern.SetDestiny(&target);
    for (auto _ : state) {
        pattern.Redraw();
        benchmark::DoNotOptimize(target.GetDataPtr());
    }
}

void pixmanGrid(benchmark::State& state)
{
    std::vector<std::vector<uint16_t>> tilePixels;
    std::vector<pixman_image_t*> tiles;
    for (int kind = 0; kind < kTileKinds; ++kind) {
        tilePixels.push_back(randomPixels(kTile * kTile, unsigned(kind)));
        tiles.push_back(pixman_image_create_bits(PIXMAN_r5g6b5, kTile, kTile, reinterpret_cast<uint32_t*>(tilePixels.back().data()), kTile * 2));
    }
    std::vector<uint16_t> targetPixels(size_t(kTargetWidth) * kTargetHeight);
    pixman_image_t* target = pixman_image_create_bits(PIXMAN_r5g6b5, kTargetWidth, kTargetHeight,
                                                      reinterpret_cast<uint32_t*>(targetPixels.data()), kTargetWidth * 2);
    for (auto _ : state) {
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column)
                pixman_image_composite32(PIXMAN_OP_SRC, tiles[size_t(kindAt(column, row))], nullptr, target, 0, 0, 0, 0, column * kTile,
                                         row * kTile, kTile, kTile);
        }
        benchmark::DoNotOptimize(targetPixels.data());
    }
    for (pixman_image_t* tile : tiles)
        pixman_image_unref(tile);
    pixman_image_unref(target);
}

BENCHMARK(virtualThroughMask)->Name("masked/engine virtual object");
BENCHMARK(pixmanThroughMask)->Name("masked/pixman over a8");
BENCHMARK(patternGrid)->Name("grid/engine pattern");
BENCHMARK(pixmanGrid)->Name("grid/pixman src");

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        std::printf("\nTime ratios (below 1: the engine is faster):\n");
        std::printf("400 x 300 through an alpha mask: engine / pixman = %.2f\n", reporter.ratio("masked/engine virtual object", "masked/pixman over a8"));
        std::printf("25 x 19 grid of 32 x 32 tiles: engine / pixman = %.2f\n", reporter.ratio("grid/engine pattern", "grid/pixman src"));
    });
}
