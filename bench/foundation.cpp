// CHashtable lookups by CStringHashCode and CXString appends and compares, side by side with
// std::unordered_map<std::string, ...> and std::string on the same names (8 to 24 characters, as
// script object and method names are). Script dispatch looks a name up on every line it runs, so
// after the usual table the program prints how many times slower (or faster) the engine types are.
#include "foundation/CHashtable.h"
#include "foundation/CInteger.h"
#include "foundation/CStringHashCode.h"
#include "foundation/CXString.h"

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

// Distinct names of 8 to 24 characters from a fixed seed, so every run sees the same data.
std::vector<std::string> makeNames(size_t count)
{
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
    uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    std::unordered_set<std::string> seen;
    std::vector<std::string> names;
    while (names.size() < count) {
        std::string name(8 + next() % 17, ' ');
        for (char& c : name)
            c = kAlphabet[next() % (sizeof kAlphabet - 1)];
        if (seen.insert(name).second)
            names.push_back(name);
    }
    return names;
}

void lookupCHashtable(benchmark::State& state)
{
    auto names = makeNames(static_cast<size_t>(state.range(0)));
    std::vector<std::unique_ptr<CInteger>> values;
    std::vector<std::unique_ptr<CStringHashCode>> queries;
    CHashtable table(101, 0.75, true);
    for (size_t i = 0; i < names.size(); ++i) {
        values.push_back(std::make_unique<CInteger>(static_cast<int>(i)));
        table.put(new CStringHashCode(names[i].c_str()), values.back().get());
        queries.push_back(std::make_unique<CStringHashCode>(names[i].c_str()));
    }
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.get(queries[i].get()));
        i = i + 1 == queries.size() ? 0 : i + 1;
    }
}

void lookupUnorderedMap(benchmark::State& state)
{
    auto names = makeNames(static_cast<size_t>(state.range(0)));
    std::vector<std::unique_ptr<CInteger>> values;
    std::unordered_map<std::string, CInteger*> table;
    std::vector<std::string> queries;
    for (size_t i = 0; i < names.size(); ++i) {
        values.push_back(std::make_unique<CInteger>(static_cast<int>(i)));
        table.emplace(names[i], values.back().get());
        queries.push_back(names[i]);
    }
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.find(queries[i]));
        i = i + 1 == queries.size() ? 0 : i + 1;
    }
}

// Builds one text from all the names, as script code does when it joins texts.
template <typename Text>
void append(benchmark::State& state)
{
    auto names = makeNames(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        Text text;
        for (const std::string& name : names)
            text += name.c_str();
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Compares every name with an equal copy and with its neighbour.
template <typename Text>
void compare(benchmark::State& state)
{
    auto names = makeNames(static_cast<size_t>(state.range(0)));
    std::vector<Text> left;
    std::vector<Text> right;
    for (const std::string& name : names) {
        left.emplace_back(name.c_str());
        right.emplace_back(name.c_str());
    }
    for (auto _ : state) {
        int equal = 0;
        for (size_t i = 0; i < left.size(); ++i) {
            equal += left[i] == right[i];
            equal += left[i] == right[(i + 1) % right.size()];
        }
        benchmark::DoNotOptimize(equal);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 2);
}

BENCHMARK(lookupCHashtable)->Name("lookup/CHashtable")->Arg(1000)->Arg(100000);
BENCHMARK(lookupUnorderedMap)->Name("lookup/std::unordered_map")->Arg(1000)->Arg(100000);
BENCHMARK(append<CXString>)->Name("append/CXString")->Arg(1000)->Arg(100000);
BENCHMARK(append<std::string>)->Name("append/std::string")->Arg(1000)->Arg(100000);
BENCHMARK(compare<CXString>)->Name("compare/CXString")->Arg(1000)->Arg(100000);
BENCHMARK(compare<std::string>)->Name("compare/std::string")->Arg(1000)->Arg(100000);

void printRatio(const RatioReporter& reporter, const char* operation, const char* engine, const char* peer, int entries)
{
    auto runName = [&](const char* type) { return std::string(operation) + '/' + type + '/' + std::to_string(entries); };
    // CPU time: the machine may be shared, and waiting is not the code's.
    const double ratio = reporter.ratio(runName(engine), runName(peer), true);
    if (ratio > 0.0)
        std::printf("%-8s %6d names: %-11s / %-18s = %.2f\n", operation, entries, engine, peer, ratio);
}

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        std::printf("\nTime ratios (above 1: the engine type is slower):\n");
        for (int entries : {1000, 100000}) {
            printRatio(reporter, "lookup", "CHashtable", "std::unordered_map", entries);
            printRatio(reporter, "append", "CXString", "std::string", entries);
            printRatio(reporter, "compare", "CXString", "std::string", entries);
        }
    });
}
