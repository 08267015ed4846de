// Game-path resolution against the plain stat it replaces on Windows-cased data.
//
// A game folder with 200 scripts is made in a temp folder. "plain stat" is the floor: one stat of
// the path as spelled on disk. "resolve, exact case" is what most engine paths cost (backslashes
// turned around, one stat). "resolve, other case" is a path whose every component differs in
// case from the disk, which costs a folder scan per component.
#include "platform/DriveMap.h"
#include "platform/Files.h"
#include "tests/platform/TempFolder.h"

#include <benchmark/benchmark.h>

#include <string>
#include <sys/stat.h>

namespace {

class GameFolder {
public:
    GameFolder()
    {
        for (int i = 0; i < 200; ++i)
            folder_.write("Dane/Sceny/scene" + std::to_string(i) + ".cnv", "x");
        drives_.set('C', folder_.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives_);
    }
    ~GameFolder() { platform::setDrives(nullptr); }
    const std::string& root() const { return folder_.path(); }

private:
    TempFolder folder_;
    platform::DriveMap drives_;
};

GameFolder& folder()
{
    static GameFolder instance;
    return instance;
}

void plainStat(benchmark::State& state)
{
    const std::string path = folder().root() + "/Dane/Sceny/scene150.cnv";
    struct stat info;
    for (auto _ : state)
        benchmark::DoNotOptimize(::stat(path.c_str(), &info));
}

void resolveExactCase(benchmark::State& state)
{
    folder();
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::files().nativePath("C:\\Dane\\Sceny\\scene150.cnv"));
}

void resolveOtherCase(benchmark::State& state)
{
    folder();
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::files().nativePath("C:\\DANE\\SCENY\\SCENE150.CNV"));
}

} // namespace

BENCHMARK(plainStat)->Name("plain stat");
BENCHMARK(resolveExactCase)->Name("resolve, exact case");
BENCHMARK(resolveOtherCase)->Name("resolve, other case");
BENCHMARK_MAIN();
