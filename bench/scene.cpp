// One engine turn of an idle scene: a generated game started headless through the engine host,
// whose scene holds a few still objects and nothing that moves. A turn is the window's Tick (redraw
// of nothing invalidated, timers, managers, input) and the engine host's turn (temporaries back,
// trash, the container turn), with the clock one millisecond on, as the player paces its turns.
// The goal is a physical budget rather than a peer: under 0.2 ms of CPU time per turn, printed as
// the turn's share of it after the table.
#include "application/CApplication.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CFile.h"
#include "graphics/CWindow.h"
#include "platform/Clock.h"
#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "platform/HeadlessHostWindow.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ManualClock.h"
#include "tests/platform/TempFolder.h"

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr double kGoalMicroseconds = 200.0;

std::string declared(const std::string& name, const std::string& type, const std::string& properties)
{
    return "OBJECT=" + name + "\n" + name + ":TYPE=" + type + "\n" + properties;
}

// GAME -> E -> S; the scene's still objects: values, a timer that ticks once a second, and the
// behaviour it runs.
void writeGame(const TempFolder& folder)
{
    folder.write("Dane/application.def", declared("GAME", "APPLICATION", "GAME:EPISODES=E\n") +
                                             declared("E", "EPISODE", "E:SCENES=S\n") + declared("S", "SCENE", ""));
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
    platform::DriveMap drives;
    drives.set('T', folder.path(), platform::DriveType::Fixed);
    platform::setDrives(&drives);
    platform::ManualClock clock(1000);
    platform::setClock(&clock);
    platform::HeadlessWindowSystem windowSystem;
    platform::setWindowSystem(&windowSystem);
    platform::HeadlessHostWindow hostWindow{platform::WindowSettings{}};
    CCommandLine6 commandLine("");
    CFile::chDir("T:\\");
    {
        CWindow window(&hostWindow, &commandLine, nullptr, CXSize(800, 600), platform::CursorShape::Arrow, "T:\\", true);
        window.OnCreate();
        window.OnActivateApp(true);
        CApplication host(&window, "GAME.ini", "", &commandLine);
        host.preinitializeApplication(true);
        if (host.getMCApplicationIfc() == nullptr)
            state.SkipWithError("the game did not start");
        for (auto _ : state) {
            clock.advance(1);
            benchmark::DoNotOptimize(window.domodal());
        }
    }
    CWindow::resetStatics();
    platform::setWindowSystem(nullptr);
    platform::setClock(nullptr);
    platform::setDrives(nullptr);
}

} // namespace

BENCHMARK(idleTurn)->Name("turn/idle scene")->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double turn = reporter.cpuTime("turn/idle scene");
    if (turn > 0.0)
        std::printf("\nIdle turn: %.2f us of CPU, %.3f of the %.0f us goal (above 1: over budget)\n", turn,
                    turn / kGoalMicroseconds, kGoalMicroseconds);
    benchmark::Shutdown();
    return 0;
}
