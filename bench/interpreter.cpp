// The behaviour interpreter against the floor of the same arithmetic in plain C++.
//
// One pass of the loop is a behaviour of five lines: INTEGER methods with literal, variable and
// bracketed-expression arguments, a condition tested through its CHECK method, and a SET from a
// nested call. "behaviour loop" runs the behaviour once per pass (items are lines, so
// items_per_second is lines per second); "plain C++" does the same arithmetic on ints (items are
// the same five steps). The ratio of the two is the interpreter's cost per line.
#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CTextFileReader.h"
#include "foundation/CXVector.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

const int kLinesPerPass = 5;
// Temporaries go back every turn; a turn here is this many passes.
const int kPassesPerTurn = 100;

const char kScript[] = "OBJECT=I\nI:TYPE=INTEGER\nI:VALUE=0\n"
                       "OBJECT=A\nA:TYPE=INTEGER\nA:VALUE=0\n"
                       "OBJECT=B\nB:TYPE=INTEGER\nB:VALUE=0\n"
                       "OBJECT=X\nX:TYPE=BOOL\n"
                       "OBJECT=SEVEN\nSEVEN:TYPE=CONDITION\nSEVEN:OPERATOR=EQUAL\nSEVEN:OPERAND1=B\nSEVEN:OPERAND2=3\n"
                       "OBJECT=PASS\nPASS:TYPE=BEHAVIOUR\n"
                       "PASS:CODE={I^INC();A^ADD([I*2]);B^SET([A%7]);X^SET(SEVEN^CHECK(FALSE));A^SUB(1);}\n";

class Scene : public CMC_ObjectsContainer {
public:
    Scene() : CMC_ObjectsContainer(nullptr, nullptr, CXString("SCENE"), script::TYPE_SCENE) { setScene(this); }
    ~Scene() override { beginDestruction(); }
};

void behaviourLoop(benchmark::State& state)
{
    CMC_VariableFactory::initialize();
    CMC_RunnerFactory::initialize();
    CMC_Behaviour::initTrash();
    {
        Scene scene;
        std::unique_ptr<CMElements> elements(
            CMElementsLoader::load(nullptr, new CTextFileReader(nullptr, kScript, static_cast<int>(sizeof(kScript) - 1))));
        delete scene.resolveObjects(elements.get());
        for (int i = 0; i < scene.getObjects()->getSize(); ++i)
            scene.getObject(i)->init();
        auto* pass = dynamic_cast<CMC_Behaviour*>(scene.getObject("PASS"));
        int passes = 0;
        for (auto _ : state) {
            pass->run(nullptr, nullptr, false);
            if (++passes == kPassesPerTurn) {
                passes = 0;
                CMC_VariableFactory::clearPool();
                CMC_Behaviour::flushTrash();
            }
        }
        state.SetItemsProcessed(state.iterations() * kLinesPerPass);
        scene.unload();
    }
    CMC_Behaviour::doneTrash();
    CMC_RunnerFactory::done();
    CMC_VariableFactory::done();
}

void plainArithmetic(benchmark::State& state)
{
    // Script integers wrap: so do these.
    uint32_t i = 0;
    uint32_t a = 0;
    uint32_t b = 0;
    bool x = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(i += 1);
        benchmark::DoNotOptimize(a += i * 2);
        benchmark::DoNotOptimize(b = a % 7);
        benchmark::DoNotOptimize(x = b == 3);
        benchmark::DoNotOptimize(a -= 1);
    }
    benchmark::DoNotOptimize(x);
    state.SetItemsProcessed(state.iterations() * kLinesPerPass);
}

} // namespace

BENCHMARK(behaviourLoop)->Name("behaviour loop (lines)");
BENCHMARK(plainArithmetic)->Name("plain C++ (same steps, the floor)");

BENCHMARK_MAIN();
