// The demo game played headless through the player, the way its test plays it: 30 000 pumps of
// the main loop on the manual clock with the same clicks. An idle turn is one in which no input
// was delivered and the scene did not change; its time is the real time from the end of one pump
// to the start of the next, which is the engine's turn (the headless clock's sleeps take no time).
// The goals are physical budgets rather than peers: an idle turn under 0.2 ms, the whole run
// under 64 MB of resident memory at its peak.
#include "tests/demo/DemoScript.h"

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <set>

namespace {

constexpr double kGoalMicroseconds = 200.0;
constexpr double kGoalMegabytes = 64.0;

double idleTurnMicroseconds = 0;
int idleTurns = 0;

void playDemo(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        demotest::DemoSession session;
        std::set<int> inputTurns;
        for (const demotest::Click& click : demotest::demoClicks()) {
            inputTurns.insert(click.pump);
            inputTurns.insert(click.pump + 1);
        }
        double total = 0;
        int count = 0;
        Clock::time_point turnStart;
        std::string sceneBefore;
        session.play(demotest::demoClicks(), demotest::kDemoPumps, [&](int pump) {
            const Clock::time_point now = Clock::now();
            const std::string scene = demotest::DemoSession::sceneName();
            // The turn after pump - 1 ran between that pump's end and now.
            if (pump > 1 && inputTurns.count(pump - 1) == 0 && scene == sceneBefore) {
                total += std::chrono::duration<double, std::micro>(now - turnStart).count();
                ++count;
            }
            sceneBefore = scene;
        }, [&] { turnStart = Clock::now(); });
        idleTurnMicroseconds = count > 0 ? total / count : 0;
        idleTurns = count;
    }
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace

BENCHMARK(playDemo)->Name("demo/30000 pumps")->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        if (idleTurns > 0) {
            std::printf("\nIdle turn: %.2f us (mean of %d), %.3f of the %.0f us goal (above 1: over budget)\n", idleTurnMicroseconds, idleTurns,
                        idleTurnMicroseconds / kGoalMicroseconds, kGoalMicroseconds);
            const double peak = peakMegabytes();
            std::printf("Peak resident memory: %.1f MB, %.3f of the %.0f MB goal\n", peak, peak / kGoalMegabytes, kGoalMegabytes);
        }
    });
}
