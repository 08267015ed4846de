// An HTTP download beside the curl tool.
//
// "download": a 50 MiB file from the tests' HTTP server on 127.0.0.1, fetched into a temp folder
// by CInternet (connection check, worker thread, file written block by block and renamed into
// place, listeners told), beside the curl tool ("curl -s -o") fetching the same file from the same
// server in the same run. The program then prints the ratio and both throughputs.
#include "network/CInternet.h"
#include "platform/Files.h"
#include "tests/network/HttpTestServer.h"
#include "tests/platform/TempFolder.h"

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

extern char** environ;

namespace {

constexpr size_t kFileSize = 50u * 1024 * 1024;
constexpr const char* kOurs = "download/50 MiB by CInternet/real_time";
constexpr const char* kPeer = "download/50 MiB by the curl tool/real_time";

// The server and the folder the files land in, made once for the whole run.
struct Setup {
    Setup()
    {
        server.serve("/big.bin", httptest::withLength(httptest::pattern(kFileSize)));
        platform::files().setCurrentFolder(folder.path());
    }
    httptest::Server server;
    TempFolder folder;
};

Setup& setup()
{
    static Setup instance;
    return instance;
}

void byCInternet(benchmark::State& state)
{
    Setup& run = setup();
    for (auto _ : state) {
        CInternet internet(run.server.host().c_str());
        internet.GET(run.server.base().c_str(), "big.bin");
        if (!internet.waitForEnd(60000) || !internet.isSuccess() || internet.getDataBytes() != int64_t(kFileSize)) {
            state.SkipWithError("the download failed");
            return;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}

// Runs the curl tool and waits for it; whether it succeeded.
bool curlTool(const std::string& url, const std::string& target)
{
    std::string arguments[] = {"curl", "-s", "-o", target, url};
    char* argv[] = {arguments[0].data(), arguments[1].data(), arguments[2].data(), arguments[3].data(), arguments[4].data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, "curl", nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void byCurlTool(benchmark::State& state)
{
    Setup& run = setup();
    const std::string url = run.server.base() + "big.bin";
    const std::string target = run.folder / "peer.bin";
    for (auto _ : state) {
        if (!curlTool(url, target)) {
            state.SkipWithError("the curl tool failed (is it installed?)");
            return;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}

} // namespace

BENCHMARK(byCInternet)->Name("download/50 MiB by CInternet")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(byCurlTool)->Name("download/50 MiB by the curl tool")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        const double ratio = reporter.ratio(kOurs, kPeer);
        if (ratio > 0.0) {
            std::printf("\nReal time over the peer's (above 1: the engine is slower):\n");
            std::printf("%-40s / %-40s = %.2f\n", kOurs, kPeer, ratio);
            const double megabytes = double(kFileSize) / 1e6;
            std::printf("download: CInternet %.0f MB/s, curl tool %.0f MB/s\n", megabytes / reporter.realTime(kOurs) * 1000.0,
                        megabytes / reporter.realTime(kPeer) * 1000.0);
        }
    });
}
