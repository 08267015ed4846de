// The redraw of an 800 × 600 16-bit canvas holding 50 children of 64 × 64 with an 8-bit alpha
// (a disc with a soft edge), which clears the canvas, draws the children into it and copies it
// onto its target; beside pixman doing the same work on r5g6b5 pictures (a solid fill, the 50
// sprites composited OVER as premultiplied a8r8g8b8, its fastest form for them, and a SRC copy to
// the target), and beside the floor of any such redraw: clearing the canvas and copying it.
#include "bench/RatioReporter.h"
#include "graphics/CCanvas.h"

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
constexpr int kSprite = 64;
constexpr int kSprites = 50;

struct Sprite {
    std::vector<uint16_t> pixels;
    std::vector<uint8_t> alpha;
    int x;
    int y;
};

const std::vector<Sprite>& sprites()
{
    static const std::vector<Sprite> made = [] {
        std::mt19937 random(38);
        std::vector<Sprite> list;
        for (int i = 0; i < kSprites; ++i) {
            Sprite sprite{std::vector<uint16_t>(kSprite * kSprite), std::vector<uint8_t>(kSprite * kSprite), 0, 0};
            for (uint16_t& pixel : sprite.pixels)
                pixel = uint16_t(random());
            for (int y = 0; y < kSprite; ++y) {
                for (int x = 0; x < kSprite; ++x)
                    sprite.alpha[y * kSprite + x] = uint8_t(std::clamp((30.0 - std::hypot(x - 31.5, y - 31.5)) * 127.5, 0.0, 255.0));
            }
            sprite.x = int(random() % (kWidth - kSprite));
            sprite.y = int(random() % (kHeight - kSprite));
            list.push_back(std::move(sprite));
        }
        return list;
    }();
    return made;
}

void canvasRedraw(benchmark::State& state)
{
    CCanvas canvas(nullptr, CXSize(kWidth, kHeight), 16, false, false);
    CGraphicsObject target(nullptr, CXSize(kWidth, kHeight), 16);
    canvas.SetDestiny(&target);
    std::vector<std::unique_ptr<CGraphicsObject>> children;
    for (const Sprite& sprite : sprites()) {
        auto* pixels = new uint8_t[kSprite * kSprite * 2];
        std::memcpy(pixels, sprite.pixels.data(), kSprite * kSprite * 2);
        auto child = std::make_unique<CGraphicsObject>(nullptr, CXSize(kSprite, kSprite), 16, pixels);
        child->AlphaChannel() = new uint8_t[kSprite * kSprite];
        std::memcpy(child->AlphaChannel(), sprite.alpha.data(), kSprite * kSprite);
        child->SetPosition(sprite.x, sprite.y);
        canvas.add(child.get(), 0);
        children.push_back(std::move(child));
    }
    for (auto _ : state) {
        canvas.Redraw();
        benchmark::DoNotOptimize(target.GetDataPtr());
    }
}

// 5-6-5 with alpha as premultiplied 8-bit channels.
uint32_t premultiplied(uint16_t pixel, uint8_t alpha)
{
    uint32_t r = ((pixel >> 11) & 31) * 255 / 31, g = ((pixel >> 5) & 63) * 255 / 63, b = (pixel & 31) * 255 / 31;
    return uint32_t(alpha) << 24 | (r * alpha / 255) << 16 | (g * alpha / 255) << 8 | (b * alpha / 255);
}

void pixmanRedraw(benchmark::State& state)
{
    std::vector<uint16_t> canvasPixels(kWidth * kHeight);
    std::vector<uint16_t> targetPixels(kWidth * kHeight);
    pixman_image_t* canvas = pixman_image_create_bits(PIXMAN_r5g6b5, kWidth, kHeight, reinterpret_cast<uint32_t*>(canvasPixels.data()), kWidth * 2);
    pixman_image_t* target = pixman_image_create_bits(PIXMAN_r5g6b5, kWidth, kHeight, reinterpret_cast<uint32_t*>(targetPixels.data()), kWidth * 2);
    std::vector<std::vector<uint32_t>> spritePixels;
    std::vector<pixman_image_t*> images;
    for (const Sprite& sprite : sprites()) {
        std::vector<uint32_t> argb(kSprite * kSprite);
        for (int i = 0; i < kSprite * kSprite; ++i)
            argb[size_t(i)] = premultiplied(sprite.pixels[size_t(i)], sprite.alpha[size_t(i)]);
        spritePixels.push_back(std::move(argb));
        images.push_back(pixman_image_create_bits(PIXMAN_a8r8g8b8, kSprite, kSprite, spritePixels.back().data(), kSprite * 4));
    }
    pixman_color_t black{0, 0, 0, 0xFFFF};
    pixman_box32_t whole{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        pixman_image_fill_boxes(PIXMAN_OP_SRC, canvas, &black, 1, &whole);
        for (size_t i = 0; i < images.size(); ++i)
            pixman_image_composite32(PIXMAN_OP_OVER, images[i], nullptr, canvas, 0, 0, 0, 0, sprites()[i].x, sprites()[i].y, kSprite, kSprite);
        pixman_image_composite32(PIXMAN_OP_SRC, canvas, nullptr, target, 0, 0, 0, 0, 0, 0, kWidth, kHeight);
        benchmark::DoNotOptimize(targetPixels.data());
    }
    for (pixman_image_t* image : images)
        pixman_image_unref(image);
    pixman_image_unref(canvas);
    pixman_image_unref(target);
}

void clearAndCopy(benchmark::State& state)
{
    std::vector<uint16_t> canvasPixels(kWidth * kHeight);
    std::vector<uint16_t> targetPixels(kWidth * kHeight);
    for (auto _ : state) {
        std::memset(canvasPixels.data(), 0, kWidth * kHeight * 2);
        benchmark::ClobberMemory();
        std::memcpy(targetPixels.data(), canvasPixels.data(), kWidth * kHeight * 2);
        benchmark::DoNotOptimize(targetPixels.data());
    }
}

BENCHMARK(canvasRedraw)->Name("canvas/engine redraw");
BENCHMARK(pixmanRedraw)->Name("canvas/pixman");
BENCHMARK(clearAndCopy)->Name("canvas/clear and copy");

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        std::printf("\nTime ratios (below 1: the engine is faster):\n");
        std::printf("Canvas redraw: engine / pixman = %.2f\n", reporter.ratio("canvas/engine redraw", "canvas/pixman"));
        std::printf("Canvas redraw: engine / clear and copy = %.2f (pixman: %.2f)\n",
                    reporter.ratio("canvas/engine redraw", "canvas/clear and copy"), reporter.ratio("canvas/pixman", "canvas/clear and copy"));
    });
}
