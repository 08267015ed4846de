// The screen's cost of a frame: drawn whole (an 800 × 600 background and 50 sprites of 64 × 64
// with an 8-bit alpha, copied to the display), against the frame after one such sprite moved over
// that scene, which draws and copies only the sprite's old and new boxes. The display is the
// headless framebuffer, so the copy to it costs what a memory copy costs.
#include "bench/RatioReporter.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "platform/Display.h"
#include "platform/HeadlessDisplay.h"
#include "platform/HeadlessHostWindow.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kSprite = 64;
constexpr int kSprites = 50;

// A window with its display on the headless framebuffer and the scene on its screen.
class Scene {
public:
    Scene() : host_(platform::WindowSettings{})
    {
        platform::setDisplay(&display_);
        window_ = std::make_unique<CWindow>(&host_, nullptr, nullptr, CXSize(800, 600), platform::CursorShape::Arrow, "bench", true);
        window_->CreateSurface();
        window_->OnActivateApp(true);
        std::mt19937 random(21);
        background_ = std::make_unique<CGraphicsObject>(window_.get(), CXSize(800, 600), 16);
        fill(*background_, random);
        window_->SetBackground(background_.get());
        for (int i = 0; i < kSprites; ++i) {
            auto sprite = std::make_unique<CGraphicsObject>(window_.get(), CXSize(kSprite, kSprite), 16);
            fill(*sprite, random);
            sprite->AlphaChannel() = disc();
            sprite->SetPosition(int(random() % (800 - kSprite)), int(random() % (600 - kSprite)));
            window_->GetRefreshScreenInterface()->put(sprite.get(), i);
            sprites_.push_back(std::move(sprite));
        }
        window_->Redraw(false);
    }

    ~Scene()
    {
        sprites_.clear();
        window_.reset();
        platform::setDisplay(nullptr);
    }

    CWindow* window() { return window_.get(); }
    CGraphicsObject* sprite(int index) { return sprites_[index].get(); }

private:
    static void fill(CGraphicsObject& object, std::mt19937& random)
    {
        auto* pixels = reinterpret_cast<uint16_t*>(object.GetDataPtr());
        for (int i = 0; i < object.Width() * object.Height(); ++i)
            pixels[i] = uint16_t(random());
    }

    // A disc of radius 30 with a soft edge two pixels wide.
    static uint8_t* disc()
    {
        auto* alpha = new uint8_t[kSprite * kSprite];
        for (int y = 0; y < kSprite; ++y) {
            for (int x = 0; x < kSprite; ++x)
                alpha[y * kSprite + x] = uint8_t(std::clamp((30.0 - std::hypot(x - 31.5, y - 31.5)) * 127.5, 0.0, 255.0));
        }
        return alpha;
    }

    platform::HeadlessDisplay display_;
    platform::HeadlessHostWindow host_;
    std::unique_ptr<CWindow> window_;
    std::unique_ptr<CGraphicsObject> background_;
    std::vector<std::unique_ptr<CGraphicsObject>> sprites_;
};

void wholeFrame(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        scene.window()->Invalidate();
        scene.window()->Redraw(false);
    }
}

void movedSprite(benchmark::State& state)
{
    Scene scene;
    CGraphicsObject* sprite = scene.sprite(kSprites / 2);
    int step = 3;
    for (auto _ : state) {
        sprite->Move(step, step);
        step = -step;
        scene.window()->Redraw(false);
    }
}

BENCHMARK(wholeFrame)->Name("screen/whole frame");
BENCHMARK(movedSprite)->Name("screen/one sprite moved");

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        double ratio = reporter.ratio("screen/one sprite moved", "screen/whole frame");
        if (ratio > 0.0)
            std::printf("\nOne moved sprite costs %.1f%% of the whole frame\n", ratio * 100.0);
    });
}
