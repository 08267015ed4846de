// The behaviour interpreter against an embedded Lua 5.4 running the same loops, and against the
// floor of the same arithmetic in plain C++.
//
// Each loop is one behaviour PASS run once per benchmark iteration; its lines are INTEGER method
// calls (literal, variable and bracketed-expression arguments) and one test per pass: a condition
// tested through its CHECK method, or an @IF with code in braces for either branch. The Lua twin
// of a loop is a function called once per iteration whose statements are the same method calls on
// full userdata with a metatable, and a Lua `if`. Counters: "lines/s" for every case (a Lua
// statement counts as a line), and for a behaviour loop "Lua_x", how many times more lines Lua
// runs per second (printed when its Lua twin ran before it in the same program run).
#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CTextFileReader.h"
#include "foundation/CXVector.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Runner.h"
#include "script/CMC_RunnerFactory.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

#include <benchmark/benchmark.h>
#include <lua.hpp>

#include <cstdint>
#include <ctime>
#include <map>
#include <memory>
#include <string>

namespace {

// Temporaries go back every turn; a turn here is this many passes.
const int kPassesPerTurn = 100;

const char kVariables[] = "OBJECT=I\nI:TYPE=INTEGER\nI:VALUE=0\n"
                          "OBJECT=A\nA:TYPE=INTEGER\nA:VALUE=0\n"
                          "OBJECT=B\nB:TYPE=INTEGER\nB:VALUE=0\n"
                          "OBJECT=X\nX:TYPE=BOOL\n"
                          "OBJECT=PASS\nPASS:TYPE=BEHAVIOUR\n";

// One loop written twice: behaviour code (the CODE of PASS) and the body of a Lua function over
// the userdata I, A, B (integers) and X (a boolean).
struct Loop {
    const char* name;
    int linesPerPass;
    const char* extraDefinitions;
    const char* code;
    const char* lua;
    // A statement the code needs from the statement runner; empty when none.
    const char* statement;
    // I counts the passes, or their remainder by this when it is not 0.
    uint32_t counterModulus = 0;
};

const Loop kConditionLoop = {
    "CHECK",
    5,
    "OBJECT=SEVEN\nSEVEN:TYPE=CONDITION\nSEVEN:OPERATOR=EQUAL\nSEVEN:OPERAND1=B\nSEVEN:OPERAND2=3\n",
    "{I^INC();A^ADD([I*2]);B^SET([A%7]);X^SET(SEVEN^CHECK(FALSE));A^SUB(1);}",
    "I:INC() A:ADD(I:GET() * 2) B:SET(A:GET() % 7) X:SET(B:GET() == 3) A:SUB(1)",
    "",
};

const Loop kIfLoop = {
    "@IF",
    6,
    "",
    "{I^INC();A^ADD(I);B^SET(A);B^MOD(7);@IF(B,_,3,{X^SET(TRUE);},{X^SET(FALSE);});A^SUB(1);}",
    "I:INC() A:ADD(I) B:SET(A) B:MOD(7) if B:GET() == 3 then X:SET(true) else X:SET(false) end A:SUB(1)",
    "IF",
};

// The smallest loop: a counter that goes round, one call and one test a pass.
const Loop kAddIfLoop = {
    "ADD+@IF",
    2,
    "",
    "{I^ADD(1);@IF(I,>,100,{I^SET(0);});}",
    "I:ADD(1) if I:GET() > 100 then I:SET(0) end",
    "IF",
    101,
};

// Lines per second of the last Lua run of each loop, for the ratio of its behaviour twin.
std::map<std::string, double>& luaRates()
{
    static std::map<std::string, double> rates;
    return rates;
}

// ---- the behaviour interpreter ----------------------------------------------------------------

class Scene : public CMC_ObjectsContainer {
public:
    Scene() : CMC_ObjectsContainer(nullptr, nullptr, CXString("SCENE"), script::TYPE_SCENE) { setScene(this); }
    ~Scene() override { beginDestruction(); }
};

void loadScene(Scene& scene, const Loop& loop)
{
    std::string text = std::string(kVariables) + "PASS:CODE=" + loop.code + "\n" + loop.extraDefinitions;
    std::unique_ptr<CMElements> elements(
        CMElementsLoader::load(nullptr, new CTextFileReader(nullptr, text.data(), static_cast<int>(text.size()))));
    delete scene.resolveObjects(elements.get());
    for (int i = 0; i < scene.getObjects()->getSize(); ++i)
        scene.getObject(i)->init();
}

bool statementKnown(const char* statement)
{
    CMC_Runner* statements = CMC_RunnerFactory::getRunner(script::TYPE_STATEMENTS);
    return statement[0] == '\0' || (statements != nullptr && statements->resolveMethod(CXString(statement)) != -1);
}

// CPU seconds since `start`: what rate counters divide by, so the ratio of two cases is the
// ratio of their printed rates.
double cpuSecondsSince(std::clock_t start)
{
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// Returns the CPU seconds the passes took.
// Not inlined, so that a profiler can be told to count this part only.
[[gnu::noinline]] double runPasses(benchmark::State& state, CMC_Behaviour* pass)
{
    int passes = 0;
    std::clock_t start = std::clock();
    for (auto _ : state) {
        pass->run(nullptr, nullptr, false);
        if (++passes == kPassesPerTurn) {
            passes = 0;
            CMC_VariableFactory::clearPool();
            CMC_Behaviour::flushTrash();
        }
    }
    return cpuSecondsSince(start);
}

double linesRun(const benchmark::State& state, const Loop& loop)
{
    return static_cast<double>(state.iterations()) * loop.linesPerPass;
}

// Every pass counts in I: a counter that missed passes means lines were not run.
bool ranEveryPass(const benchmark::State& state, const Loop& loop, uint32_t counter)
{
    const auto passes = static_cast<uint32_t>(state.iterations());
    return counter == (loop.counterModulus != 0 ? passes % loop.counterModulus : passes);
}

void setLineCounters(benchmark::State& state, const Loop& loop, double seconds)
{
    double lines = linesRun(state, loop);
    state.counters["lines/s"] = benchmark::Counter(lines, benchmark::Counter::kIsRate);
    auto lua = luaRates().find(loop.name);
    if (lua != luaRates().end() && seconds > 0.0 && lines > 0.0)
        state.counters["Lua_x"] = lua->second / (lines / seconds);
}

void behaviourLoop(benchmark::State& state, const Loop& loop)
{
    CMC_VariableFactory::initialize();
    CMC_RunnerFactory::initialize();
    CMC_Behaviour::initTrash();
    if (!statementKnown(loop.statement)) {
        state.SkipWithError("the statement runner does not know this loop's statement yet");
    } else {
        Scene scene;
        loadScene(scene, loop);
        double seconds = runPasses(state, dynamic_cast<CMC_Behaviour*>(scene.getObject("PASS")));
        auto* counter = dynamic_cast<CMC_Integer*>(scene.getObject("I"));
        if (counter == nullptr || !ranEveryPass(state, loop, static_cast<uint32_t>(counter->getValue())))
            state.SkipWithError("the behaviour did not run its lines");
        setLineCounters(state, loop, seconds);
        scene.unload();
    }
    CMC_Behaviour::doneTrash();
    CMC_RunnerFactory::done();
    CMC_VariableFactory::done();
}

// ---- Lua 5.4 ----------------------------------------------------------------------------------

const char kValueType[] = "Value";

// A script value as full userdata: a 32-bit integer that wraps, or a boolean held as 0 and 1.
struct LuaValue {
    uint32_t bits;
};

LuaValue* self(lua_State* lua)
{
    return static_cast<LuaValue*>(luaL_checkudata(lua, 1, kValueType));
}

// The argument as the script would take it: another value, a number or a boolean.
uint32_t argument(lua_State* lua, int index)
{
    if (auto* other = static_cast<LuaValue*>(luaL_testudata(lua, index, kValueType)))
        return other->bits;
    if (lua_isboolean(lua, index))
        return lua_toboolean(lua, index) ? 1u : 0u;
    return static_cast<uint32_t>(luaL_checkinteger(lua, index));
}

int32_t signedOf(uint32_t bits)
{
    return static_cast<int32_t>(bits);
}

int valueInc(lua_State* lua)
{
    self(lua)->bits += 1;
    return 0;
}

int valueAdd(lua_State* lua)
{
    LuaValue* value = self(lua);
    value->bits += argument(lua, 2);
    // ADD gives the new value, as the script's does.
    lua_pushinteger(lua, signedOf(value->bits));
    return 1;
}

int valueSub(lua_State* lua)
{
    self(lua)->bits -= argument(lua, 2);
    return 0;
}

int valueSet(lua_State* lua)
{
    self(lua)->bits = argument(lua, 2);
    return 0;
}

int valueMod(lua_State* lua)
{
    LuaValue* value = self(lua);
    int32_t divisor = signedOf(argument(lua, 2));
    int32_t dividend = signedOf(value->bits);
    value->bits = divisor == 0 || divisor == -1 ? 0u : static_cast<uint32_t>(dividend % divisor);
    return 0;
}

int valueGet(lua_State* lua)
{
    lua_pushinteger(lua, signedOf(self(lua)->bits));
    return 1;
}

const luaL_Reg kValueMethods[] = {
    {"INC", valueInc}, {"ADD", valueAdd}, {"SUB", valueSub}, {"SET", valueSet},
    {"MOD", valueMod}, {"GET", valueGet}, {nullptr, nullptr},
};

void pushValue(lua_State* lua)
{
    auto* value = static_cast<LuaValue*>(lua_newuserdatauv(lua, sizeof(LuaValue), 0));
    value->bits = 0;
    luaL_setmetatable(lua, kValueType);
}

// A state holding the loop's pass, a function of no arguments running the body once, and below it
// the value I.
struct LuaLoop {
    lua_State* lua = luaL_newstate();
    bool ready = false;

    explicit LuaLoop(const Loop& loop)
    {
        luaL_openlibs(lua);
        luaL_newmetatable(lua, kValueType);
        luaL_newlib(lua, kValueMethods);
        lua_setfield(lua, -2, "__index");
        lua_pop(lua, 1);
        std::string chunk = std::string("local I, A, B, X = ...\nreturn I, function()\n") + loop.lua + "\nend\n";
        if (luaL_loadstring(lua, chunk.c_str()) != LUA_OK)
            return;
        for (int i = 0; i < 4; ++i)
            pushValue(lua);
        ready = lua_pcall(lua, 4, 2, 0) == LUA_OK && lua_isfunction(lua, -1);
    }
    ~LuaLoop() { lua_close(lua); }
    LuaLoop(const LuaLoop&) = delete;
    LuaLoop& operator=(const LuaLoop&) = delete;

    bool runPass()
    {
        lua_pushvalue(lua, -1);
        return lua_pcall(lua, 0, 0, 0) == LUA_OK;
    }

    uint32_t counter() { return static_cast<LuaValue*>(luaL_checkudata(lua, -2, kValueType))->bits; }
};

void luaLoop(benchmark::State& state, const Loop& loop)
{
    LuaLoop peer(loop);
    if (!peer.ready) {
        state.SkipWithError("the Lua twin did not compile");
        return;
    }
    std::clock_t start = std::clock();
    for (auto _ : state) {
        if (!peer.runPass()) {
            state.SkipWithError("the Lua twin failed");
            return;
        }
    }
    double seconds = cpuSecondsSince(start);
    if (!ranEveryPass(state, loop, peer.counter())) {
        state.SkipWithError("the Lua twin did not run its lines");
        return;
    }
    double lines = linesRun(state, loop);
    state.counters["lines/s"] = benchmark::Counter(lines, benchmark::Counter::kIsRate);
    if (seconds > 0.0)
        luaRates()[loop.name] = lines / seconds;
}

// ---- the floor --------------------------------------------------------------------------------

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
    state.counters["lines/s"] = benchmark::Counter(linesRun(state, kConditionLoop), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK_CAPTURE(luaLoop, check, kConditionLoop)->Name("Lua 5.4 (CHECK loop)");
BENCHMARK_CAPTURE(behaviourLoop, check, kConditionLoop)->Name("behaviour loop (CHECK loop)");
BENCHMARK_CAPTURE(luaLoop, addIf, kAddIfLoop)->Name("Lua 5.4 (ADD+@IF loop)");
BENCHMARK_CAPTURE(behaviourLoop, addIf, kAddIfLoop)->Name("behaviour loop (ADD+@IF loop)");
BENCHMARK_CAPTURE(luaLoop, if, kIfLoop)->Name("Lua 5.4 (@IF loop)");
BENCHMARK_CAPTURE(behaviourLoop, if, kIfLoop)->Name("behaviour loop (@IF loop)");
BENCHMARK(plainArithmetic)->Name("plain C++ (CHECK loop's steps, the floor)");

BENCHMARK_MAIN();
