// One frame of the screen drawn by the engine's pixel loops, by pixman and by SDL2's software
// blitter: the full 800 × 600 16-bit background, then 50 or 200 sprites of 64 × 64 with an 8-bit
// alpha (antialiased discs) at the same places. Copying the screen with memcpy is the floor.
//
// pixman draws each sprite as a 5-6-5 picture with an a8 mask, OVER the 5-6-5 screen; SDL draws
// it from an ARGB8888 surface with alpha blending (its blitter knows no separate alpha plane).
#include "bench/RatioReporter.h"
#include "graphics/CGraphicsObject.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kSprite = 64;

// The same pictures for every drawer.
struct Pictures {
    Pictures()
    {
        std::mt19937 random(20);
        background.resize(kScreenWidth * kScreenHeight);
        for (uint16_t& pixel : background)
            pixel = uint16_t(random());
        spriteColours.resize(kSprite * kSprite);
        spriteAlpha.resize(kSprite * kSprite);
        for (int y = 0; y < kSprite; ++y) {
            for (int x = 0; x < kSprite; ++x) {
                int i = y * kSprite + x;
                spriteColours[i] = uint16_t(random());
                // A disc of radius 30 with a soft edge two pixels wide.
                double distance = std::hypot(x - 31.5, y - 31.5);
                spriteAlpha[i] = uint8_t(std::clamp((30.0 - distance) * 127.5, 0.0, 255.0));
            }
        }
        for (int i = 0; i < 200; ++i)
            positions.push_back({int(random() % (kScreenWidth - kSprite)), int(random() % (kScreenHeight - kSprite))});
    }

    std::vector<uint16_t> background;
    std::vector<uint16_t> spriteColours;
    std::vector<uint8_t> spriteAlpha;
    std::vector<CXPoint> positions;
};

const Pictures& pictures()
{
    static const Pictures instance;
    return instance;
}

uint8_t* planeOf(const void* pixels, size_t bytes)
{
    auto* plane = new uint8_t[bytes];
    std::memcpy(plane, pixels, bytes);
    return plane;
}

void frameOurs(benchmark::State& state)
{
    const Pictures& p = pictures();
    CGraphicsObject screen(nullptr, CXSize(kScreenWidth, kScreenHeight), 16);
    CGraphicsObject background(nullptr, CXSize(kScreenWidth, kScreenHeight), 16,
                               planeOf(p.background.data(), p.background.size() * 2));
    std::vector<std::unique_ptr<CGraphicsObject>> sprites;
    for (int i = 0; i < state.range(0); ++i) {
        auto sprite = std::make_unique<CGraphicsObject>(nullptr, CXSize(kSprite, kSprite), 16,
                                                        planeOf(p.spriteColours.data(), p.spriteColours.size() * 2));
        sprite->AlphaChannel() = planeOf(p.spriteAlpha.data(), p.spriteAlpha.size());
        sprite->SetPosition(p.positions[i]);
        sprites.push_back(std::move(sprite));
    }
    for (auto _ : state) {
        background.redraw(&screen);
        for (auto& sprite : sprites)
            sprite->redraw(&screen);
        benchmark::DoNotOptimize(screen.GetDataPtr());
    }
}

void framePixman(benchmark::State& state)
{
    const Pictures& p = pictures();
    std::vector<uint16_t> screenPixels(kScreenWidth * kScreenHeight);
    std::vector<uint16_t> backgroundPixels(p.background);
    std::vector<uint16_t> colours(p.spriteColours);
    std::vector<uint8_t> alpha(p.spriteAlpha);
    pixman_image_t* screen = pixman_image_create_bits(PIXMAN_r5g6b5, kScreenWidth, kScreenHeight,
                                                      reinterpret_cast<uint32_t*>(screenPixels.data()), kScreenWidth * 2);
    pixman_image_t* background = pixman_image_create_bits(PIXMAN_r5g6b5, kScreenWidth, kScreenHeight,
                                                          reinterpret_cast<uint32_t*>(backgroundPixels.data()), kScreenWidth * 2);
    pixman_image_t* sprite = pixman_image_create_bits(PIXMAN_r5g6b5, kSprite, kSprite, reinterpret_cast<uint32_t*>(colours.data()), kSprite * 2);
    pixman_image_t* mask = pixman_image_create_bits(PIXMAN_a8, kSprite, kSprite, reinterpret_cast<uint32_t*>(alpha.data()), kSprite);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, background, nullptr, screen, 0, 0, 0, 0, 0, 0, kScreenWidth, kScreenHeight);
        for (int i = 0; i < state.range(0); ++i) {
            CXPoint at = p.positions[i];
            pixman_image_composite32(PIXMAN_OP_OVER, sprite, mask, screen, 0, 0, 0, 0, at.x, at.y, kSprite, kSprite);
        }
        benchmark::DoNotOptimize(screenPixels.data());
    }
    for (pixman_image_t* image : {screen, background, sprite, mask})
        pixman_image_unref(image);
}

void frameSdl(benchmark::State& state)
{
    const Pictures& p = pictures();
    std::vector<uint16_t> screenPixels(kScreenWidth * kScreenHeight);
    std::vector<uint16_t> backgroundPixels(p.background);
    std::vector<uint32_t> argb(kSprite * kSprite);
    for (size_t i = 0; i < argb.size(); ++i) {
        uint16_t c = p.spriteColours[i];
        uint32_t r = (c >> 11) << 3, g = ((c >> 5) & 63) << 2, b = (c & 31) << 3;
        argb[i] = uint32_t(p.spriteAlpha[i]) << 24 | r << 16 | g << 8 | b;
    }
    SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormatFrom(screenPixels.data(), kScreenWidth, kScreenHeight, 16,
                                                              kScreenWidth * 2, SDL_PIXELFORMAT_RGB565);
    SDL_Surface* background = SDL_CreateRGBSurfaceWithFormatFrom(backgroundPixels.data(), kScreenWidth, kScreenHeight, 16,
                                                                  kScreenWidth * 2, SDL_PIXELFORMAT_RGB565);
    SDL_Surface* sprite = SDL_CreateRGBSurfaceWithFormatFrom(argb.data(), kSprite, kSprite, 32, kSprite * 4, SDL_PIXELFORMAT_ARGB8888);
    SDL_SetSurfaceBlendMode(background, SDL_BLENDMODE_NONE);
    SDL_SetSurfaceBlendMode(sprite, SDL_BLENDMODE_BLEND);
    for (auto _ : state) {
        SDL_BlitSurface(background, nullptr, screen, nullptr);
        for (int i = 0; i < state.range(0); ++i) {
            SDL_Rect at{p.positions[i].x, p.positions[i].y, kSprite, kSprite};
            SDL_BlitSurface(sprite, nullptr, screen, &at);
        }
        benchmark::DoNotOptimize(screenPixels.data());
    }
    for (SDL_Surface* surface : {screen, background, sprite})
        SDL_FreeSurface(surface);
}

void frameMemcpy(benchmark::State& state)
{
    const Pictures& p = pictures();
    std::vector<uint16_t> screenPixels(kScreenWidth * kScreenHeight);
    for (auto _ : state) {
        std::memcpy(screenPixels.data(), p.background.data(), screenPixels.size() * 2);
        benchmark::DoNotOptimize(screenPixels.data());
    }
}

BENCHMARK(frameOurs)->Name("frame/engine")->Arg(50)->Arg(200);
BENCHMARK(framePixman)->Name("frame/pixman")->Arg(50)->Arg(200);
BENCHMARK(frameSdl)->Name("frame/SDL")->Arg(50)->Arg(200);
BENCHMARK(frameMemcpy)->Name("frame/memcpy of the screen");

std::string runName(const char* drawer, int sprites)
{
    char name[64];
    std::snprintf(name, sizeof name, "frame/%s/%d", drawer, sprites);
    return name;
}

void printRatios(const RatioReporter& reporter, int sprites)
{
    std::string ours = runName("engine", sprites);
    double pixman = reporter.ratio(ours, runName("pixman", sprites));
    double sdl = reporter.ratio(ours, runName("SDL", sprites));
    if (pixman <= 0.0 || sdl <= 0.0)
        return;
    std::printf("%3d sprites: engine / pixman = %.2f, engine / SDL = %.2f, engine / faster peer = %.2f, engine / memcpy floor = %.2f\n",
                sprites, pixman, sdl, std::max(pixman, sdl), reporter.ratio(ours, "frame/memcpy of the screen"));
}

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        std::printf("\nTime ratios of one frame (below 1: the engine is faster):\n");
        printRatios(reporter, 50);
        printRatios(reporter, 200);
    });
}
