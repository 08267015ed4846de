// Entering a scene of 2,000 objects from its compiled object file (".bin") beside entering the
// same scene from its script (".cnv"), in the same run: a generated game is compiled once with
// "-2bin", then started headless twice, from the definition ("-forceCNV") and from the compiled
// tree. Each iteration makes the big scene live (its file read, its objects made and bound, its
// unit, "__INIT__", "ONINIT") from an empty one; leaving it again is not timed. The goal: the
// compiled road at least 3 times faster, printed after the table. Items are objects.
#include "application/CMC_Episode.h"
#include "tests/application/HeadlessGame.h"
#include "tests/script/ScriptText.h"

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

using scripttest::declared;

namespace {

constexpr int kObjects = 2000;
constexpr double kGoal = 3.0;

// One object of ten kinds in turn, values with handlers, behaviours with code, conditions,
// timers and lists among them.
std::string objectName(int index)
{
    std::string name = "O";
    name += std::to_string(index);
    return name;
}

std::string bigScene()
{
    std::string script;
    for (int i = 0; i < kObjects; ++i) {
        const std::string name = objectName(i);
        const std::string previous = objectName(i > 0 ? i - 1 : 0);
        switch (i % 10) {
        case 0: script += declared(name, "BEHAVIOUR", {"CODE={" + previous + "^SET(1);@IF(" + previous + "'1,\"a\",\"b\");}"}); break;
        case 1: script += declared(name, "INTEGER", {"VALUE=" + std::to_string(i), "ONCHANGED=" + previous}); break;
        case 2: script += declared(name, "STRING", {"VALUE=text " + std::to_string(i), "ONCHANGED={" + previous + "^SET(2);}"}); break;
        case 3: script += declared(name, "BOOL", {"VALUE=TRUE"}); break;
        case 4: script += declared(name, "DOUBLE", {"VALUE=0.25"}); break;
        case 5: script += declared(name, "CONDITION", {"OPERAND1=" + previous, "OPERATOR=EQUAL", "OPERAND2=1"}); break;
        case 6: script += declared(name, "EXPRESSION", {"OPERAND1=" + previous, "OPERATOR=ADD", "OPERAND2=2"}); break;
        case 7: script += declared(name, "ARRAY", {}); break;
        case 8: script += declared(name, "TIMER", {"ELAPSE=1000", "ENABLED=FALSE"}); break;
        default: script += declared(name, "VECTOR", {"SIZE=2", "VALUE=1,2"}); break;
        }
    }
    return script;
}

// GAME -> E -> IDLE (empty, entered first) and BIG, compiled once into the same folder.
void writeAndCompile(const TempFolder& folder)
{
    folder.write("Dane/application.def", declared("GAME", "APPLICATION", {"EPISODES=E"}) +
                                             declared("E", "EPISODE", {"SCENES=IDLE, BIG", "STARTWITH=IDLE"}) +
                                             declared("IDLE", "SCENE") + declared("BIG", "SCENE"));
    folder.write("Dane/BIG.cnv", bigScene());
    HeadlessGame compiled(folder, "-2bin");
}

const TempFolder& gameFolder()
{
    static TempFolder folder;
    static bool written = (writeAndCompile(folder), true);
    (void)written;
    return folder;
}

void enterBigScene(benchmark::State& state, const char* commandLine)
{
    HeadlessGame game(gameFolder(), commandLine);
    auto* episode = game.application() != nullptr ? dynamic_cast<CMC_Episode*>(game.application()->getScene("E")) : nullptr;
    if (episode == nullptr) {
        state.SkipWithError("the game did not start");
        return;
    }
    CMC_Scene* idle = episode->getScene("IDLE");
    CMC_Scene* big = episode->getScene("BIG");
    for (auto _ : state) {
        episode->_goto(big, idle);
        state.PauseTiming();
        episode->_goto(idle, big);
        // A turn: the timers the scene removed leave the window's list, the temporaries go back.
        game.clock.advance(1);
        game.window().domodal();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kObjects);
}

void fromScript(benchmark::State& state)
{
    enterBigScene(state, "-forceCNV");
}

void fromCompiled(benchmark::State& state)
{
    enterBigScene(state, "");
}

} // namespace

BENCHMARK(fromScript)->Name("enter/from .cnv")->Unit(benchmark::kMillisecond);
BENCHMARK(fromCompiled)->Name("enter/from .bin")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        const double ratio = reporter.ratio("enter/from .cnv", "enter/from .bin", true);
        if (ratio > 0.0)
            std::printf("\nCPU time of entering from .cnv / from .bin = %.2f (goal: at least %.0f)\n", ratio, kGoal);
    });
}
