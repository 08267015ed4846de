// One engine turn of an idle scene: a generated game started headless through the engine host,
// whose scene shows a background picture and a few still pictures on the screen, holds a few
// script values and a timer, and has nothing that moves. A turn is the window's Tick (a redraw
// with nothing invalidated, timers, managers, input) and the engine host's turn (temporaries back,
// trash, the container turn), with the clock one millisecond on, as the player paces its turns.
// The goal is a physical budget rather than a peer: under 0.2 ms of CPU time per turn, printed as
// the turn's share of it after the table.
#include "graphics/CGraphicsObject.h"
#include "graphics/CRefreshScreen.h"
#include "tests/application/HeadlessGame.h"
#include "tests/graphics/ImageBytes.h"

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double kGoalMicroseconds = 200.0;
constexpr int kStillPictures = 5;

std::string declared(const std::string& name, const std::string& type, const std::string& properties)
{
    return "OBJECT=" + name + "\n" + name + ":TYPE=" + type + "\n" + properties;
}

// GAME -> E -> S; the scene's still objects: values, a timer that ticks once a second, and the
// behaviour it runs.
void writeGame(const TempFolder& folder)
{
    folder.write("Dane/application.def", declared("GAME", "APPLICATION", "GAME:EPISODES=E\n") +
                                             declared("E", "EPISODE", "E:SCENES=S\n") +
                                             declared("S", "SCENE", "S:BACKGROUND=back.img\n"));
    graphicstest::Bytes background = graphicstest::StillImage(800, 600, graphicstest::colourPlane(800, 600)).pik();
    folder.write("Dane/back.img", std::string(background.begin(), background.end()));
    std::string scene;
    for (int i = 0; i < 8; ++i) {
        std::string name = "V";
        name += std::to_string(i);
        std::string value = name;
        value += ":VALUE=1\n";
        scene += declared(name, "INTEGER", value);
    }
    scene += declared("TICKED", "BEHAVIOUR", "TICKED:CODE={V0^INC();}\n");
    scene += declared("CLOCK", "TIMER", "CLOCK:ELAPSE=1000\nCLOCK:ONTICK=TICKED\n");
    folder.write("Dane/S.cnv", scene);
}

void idleTurn(benchmark::State& state)
{
    TempFolder folder;
    writeGame(folder);
    HeadlessGame game(folder, "");
    if (game.application() == nullptr)
        state.SkipWithError("the game did not start");
    CWindow& window = game.window();
    std::vector<std::unique_ptr<CGraphicsObject>> pictures;
    for (int i = 0; i < kStillPictures; ++i) {
        pictures.push_back(std::make_unique<CGraphicsObject>(&window, CXSize(64, 64), 16));
        pictures.back()->SetPosition(100 + 120 * i, 200 + 40 * i);
        window.GetRefreshScreenInterface()->put(pictures.back().get(), i);
    }
    // The scene's first frames: the whole screen once, then nothing is dirty.
    for (int i = 0; i < 3; ++i) {
        game.clock.advance(1);
        window.domodal();
    }
    for (auto _ : state) {
        game.clock.advance(1);
        benchmark::DoNotOptimize(window.domodal());
    }
}

} // namespace

BENCHMARK(idleTurn)->Name("turn/idle scene")->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        const double turn = reporter.cpuTime("turn/idle scene");
        if (turn > 0.0)
            std::printf("\nIdle turn: %.2f us of CPU, %.3f of the %.0f us goal (above 1: over budget)\n", turn,
                        turn / kGoalMicroseconds, kGoalMicroseconds);
    });
}
