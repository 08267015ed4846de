// Definition-text parser against the floors of reading the same bytes.
//
// A scene script of 2,000 objects (OBJECT and DEF declarations, typed properties, behaviour code,
// continuation lines, comments, links) is generated in memory and written to a temp folder (with
// CR LF line ends, as game files have them). The floors: "memchr line split" only finds every line
// end, "read lines" hands out every line of the
// bytes held in memory, "read file lines" reads the file through the engine's file class first.
// "parse" builds the element list from memory, "parse file" from the file, "parse coded" from the
// coded form (cycle 6) in memory. Items are objects, so items_per_second is objects per second.
#include "foundation/CMElements.h"
#include "foundation/CMElementsLoader.h"
#include "foundation/CTextCoder.h"
#include "foundation/CTextFileReader.h"

#include "bench/RatioReporter.h"

#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "tests/platform/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

const int kObjects = 2000;

std::string sceneScript()
{
    std::string script = "# generated scene of " + std::to_string(kObjects) + " objects\n";
    for (int i = 0; i < kObjects; ++i) {
        const std::string name = "OBJ_" + std::to_string(i);
        if (i % 10 == 0) {
            script += "DEF:" + name + "(TYPE=IMAGE | FILENAME=img" + std::to_string(i) + ".img | PRIORITY=" +
                std::to_string(i % 100) + ")\n";
        } else {
            script += "OBJECT=" + name + "\n" + name + ":TYPE=ANIMO\n" + name + ":FILENAME=anim" + std::to_string(i) +
                ".ann\n";
        }
        script += "\t" + name + ":POSITION=" + std::to_string(i % 800) + "," + std::to_string(i % 600) + "\n";
        script += name + ":VISIBLE=TRUE\n" + name + ":TOCANVAS=TRUE\n";
        script += name + ":ONCLICK={" + name + "^PLAY(\"CLICK\");SND_" + std::to_string(i) + "^PLAY();}\n";
        script += name + ":ONFINISHED^CLICK={" + name + "^HIDE();/\n" + name + "^SETFRAME(0);}\n";
        if (i > 0)
            script += name + ":ADD=OBJ_0\n";
        if (i % 50 == 0)
            script += "# group " + std::to_string(i / 50) + "\n";
    }
    return script;
}

const std::string& plainScript()
{
    static const std::string text = sceneScript();
    return text;
}

const std::string& codedScript()
{
    static const std::string text = CTextCoder::codeText(plainScript().data(), static_cast<int>(plainScript().size()), 6).c_str();
    return text;
}

// The scene file as C:\scene.cnv, drive C being a temp folder.
class SceneFile {
public:
    SceneFile()
    {
        std::string crLf;
        for (char c : plainScript()) {
            if (c == '\n')
                crLf += '\r';
            crLf += c;
        }
        folder_.write("scene.cnv", crLf);
        drives_.set('C', folder_.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives_);
    }
    ~SceneFile() { platform::setDrives(nullptr); }
    const char* name() const { return "C:\\scene.cnv"; }

private:
    TempFolder folder_;
    platform::DriveMap drives_;
};

SceneFile& sceneFile()
{
    static SceneFile instance;
    return instance;
}

void countWork(benchmark::State& state, const std::string& text)
{
    state.SetItemsProcessed(state.iterations() * kObjects);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void readLines(benchmark::State& state)
{
    const std::string& text = plainScript();
    for (auto _ : state) {
        CTextFileReader reader(nullptr, text.data(), static_cast<int>(text.size()));
        while (!reader.eof())
            benchmark::DoNotOptimize(reader.getLine());
    }
    countWork(state, text);
}

// The plain floor: every line found with memchr in the bytes, nothing copied.
void splitLines(benchmark::State& state)
{
    const std::string& text = plainScript();
    for (auto _ : state) {
        const char* position = text.data();
        const char* end = position + text.size();
        size_t lines = 0;
        while (position < end) {
            const void* lineFeed = std::memchr(position, '\n', static_cast<size_t>(end - position));
            position = lineFeed != nullptr ? static_cast<const char*>(lineFeed) + 1 : end;
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    countWork(state, text);
}

void readFileLines(benchmark::State& state)
{
    const CXString name = sceneFile().name();
    for (auto _ : state) {
        CTextFileReader reader(nullptr, name);
        while (!reader.eof())
            benchmark::DoNotOptimize(reader.getLine());
    }
    countWork(state, plainScript());
}

void checkCount(benchmark::State& state, const CMElements* elements)
{
    if (elements == nullptr || elements->getSize() != kObjects)
        state.SkipWithError("wrong element count");
}

void parseFile(benchmark::State& state)
{
    const CXString name = sceneFile().name();
    for (auto _ : state) {
        std::unique_ptr<CMElements> elements(CMElementsLoader::load(nullptr, name));
        checkCount(state, elements.get());
    }
    countWork(state, plainScript());
}

void parse(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) {
        auto* reader = new CTextFileReader(nullptr, text.data(), static_cast<int>(text.size()));
        std::unique_ptr<CMElements> elements(CMElementsLoader::load(nullptr, reader));
        checkCount(state, elements.get());
    }
    countWork(state, text);
}

void parsePlain(benchmark::State& state)
{
    parse(state, plainScript());
}

void parseCoded(benchmark::State& state)
{
    parse(state, codedScript());
}

} // namespace

BENCHMARK(splitLines)->Name("memchr line split (floor)")->Unit(benchmark::kMillisecond);
BENCHMARK(readLines)->Name("read lines (floor)")->Unit(benchmark::kMillisecond);
BENCHMARK(readFileLines)->Name("read file lines (floor)")->Unit(benchmark::kMillisecond);
BENCHMARK(parsePlain)->Name("parse")->Unit(benchmark::kMillisecond);
BENCHMARK(parseFile)->Name("parse file")->Unit(benchmark::kMillisecond);
BENCHMARK(parseCoded)->Name("parse coded")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        const double ratio = reporter.ratio("parse", "memchr line split (floor)", true);
        if (ratio > 0.0)
            std::printf("\nCPU time of parse / memchr line split of the same bytes = %.1f\n", ratio);
    });
}
