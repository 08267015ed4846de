// The network layer beside the physical limits it works against.
//
// "cut": 10^6 frames of 15 bytes (a command with two arguments) pushed into a frame cutter in the
// 64 KiB reads a socket makes, every frame cut out as a message; beside one memcpy of the same
// stream. "big frame": one 16 MiB frame pushed in 1 KiB pieces and cut; beside memcpy of it.
// "transfer": a 64 MiB file asked for by a client peer of a server peer over a loopback
// connection and saved, both peers stepped back to back as engine turns run them (the receiver
// threads cut and queue, the steps dispatch, answer, collect and send their share of the file);
// beside a raw copy of the same 64 MiB over another loopback connection in 64 KiB writes and
// reads. The program then prints the ratios and the transfer's throughput.
#include "network/CMessageStack.h"
#include "network/CNetMessage.h"
#include "network/CNetworkClient.h"
#include "network/CNetworkServer.h"
#include "platform/TcpSocket.h"
#include "tests/network/FrameBytes.h"
#include "tests/platform/TempFolder.h"

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>

using namespace nettest;

namespace {

constexpr size_t kFrames = 1000000;
constexpr size_t kReadSize = 64 * 1024;
constexpr size_t kPiece = 1024;
constexpr size_t kFileSize = 64u * 1024 * 1024;

const Bytes& commandStream()
{
    static const Bytes stream = [] {
        Bytes frame = hex("01 00 00 00 0F 00 00 00 47 4F 00 31 00 41 00");
        Bytes out;
        out.reserve(frame.size() * kFrames);
        for (size_t i = 0; i < kFrames; ++i)
            out.insert(out.end(), frame.begin(), frame.end());
        return out;
    }();
    return stream;
}

const Bytes& bigFrame()
{
    static const Bytes frame = Payload().zeros(CMessageStack::MAX_FRAME_LENGTH - 8).frame(5);
    return frame;
}

// Pushes the stream in pieces and deletes every message cut; the number cut.
size_t cutAll(const Bytes& stream, size_t piece)
{
    CMessageStack stack(nullptr);
    size_t cut = 0;
    for (size_t at = 0; at < stream.size(); at += piece) {
        stack.push(stream.data() + at, static_cast<int>(std::min(piece, stream.size() - at)));
        while (CNetMessage* message = stack.get()) {
            delete message;
            ++cut;
        }
    }
    return cut;
}

void copyOf(benchmark::State& state, const Bytes& source)
{
    Bytes target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(source.size()));
}

void cutFrames(benchmark::State& state)
{
    const Bytes& stream = commandStream();
    for (auto _ : state)
        benchmark::DoNotOptimize(cutAll(stream, kReadSize));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stream.size()));
    state.counters["frames/s"] = benchmark::Counter(double(kFrames), benchmark::Counter::kIsIterationInvariantRate);
}

void copyFrames(benchmark::State& state)
{
    copyOf(state, commandStream());
}

void cutBigFrame(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(cutAll(bigFrame(), kPiece));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bigFrame().size()));
}

void copyBigFrame(benchmark::State& state)
{
    copyOf(state, bigFrame());
}

// The 64 MiB file in a temp folder that is the working folder while the benchmarks run.
class FileFolder {
public:
    FileFolder() : saved_(std::filesystem::current_path())
    {
        std::string bytes(kFileSize, '\0');
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 131 + (i >> 12));
        folder_.write("big.bin", bytes);
        std::filesystem::current_path(folder_.path());
    }
    ~FileFolder() { std::filesystem::current_path(saved_); }

private:
    TempFolder folder_;
    std::filesystem::path saved_;
};

void transferBetweenPeers(benchmark::State& state)
{
    static FileFolder folder;
    CNetworkServer server(nullptr);
    CNetworkClient client(nullptr);
    if (!server.start(0) || !client.connect("127.0.0.1", server.getPort())) {
        state.SkipWithError("no loopback connection");
        return;
    }
    for (auto _ : state) {
        client.downlnoad_file("got", "", "big.bin");
        while (client.getFileReceiver().getCount() > 0 && client.isConnected()) {
            server.tick();
            client.tick();
        }
        if (!client.isConnected() || std::filesystem::file_size("got/big.bin") != kFileSize)
            state.SkipWithError("the file did not arrive");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}

void rawSocketCopy(benchmark::State& state)
{
    platform::TcpSocket listening;
    platform::Ipv4Address loopback;
    platform::parseIpv4("127.0.0.1", loopback);
    listening.bindAny(0);
    listening.listen(1);
    platform::TcpSocket client;
    client.connect(loopback, listening.localPort(), 5000);
    int handle = -1;
    platform::Ipv4Address peer;
    listening.accept(handle, peer);
    platform::TcpSocket server(handle);
    Bytes source(kFileSize, 7);
    Bytes buffer(kReadSize);
    for (auto _ : state) {
        std::thread sending([&] {
            for (size_t at = 0; at < source.size(); at += kReadSize)
                server.sendAll(source.data() + at, kReadSize);
        });
        size_t received = 0;
        while (received < kFileSize) {
            int64_t count = client.receive(buffer.data(), buffer.size());
            if (count <= 0)
                break;
            received += size_t(count);
        }
        sending.join();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}

} // namespace

BENCHMARK(cutFrames)->Name("cut/10^6 frames of 15 bytes")->Unit(benchmark::kMillisecond);
BENCHMARK(copyFrames)->Name("cut/memcpy of the stream")->Unit(benchmark::kMillisecond);
BENCHMARK(cutBigFrame)->Name("big frame/16 MiB in 1 KiB pieces")->Unit(benchmark::kMillisecond);
BENCHMARK(copyBigFrame)->Name("big frame/memcpy")->Unit(benchmark::kMillisecond);
BENCHMARK(transferBetweenPeers)->Name("transfer/64 MiB between peers")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(rawSocketCopy)->Name("transfer/64 MiB raw socket copy")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        std::printf("\nReal time over the peer's (above 1: the engine is slower):\n");
        const struct {
            const char* ours;
            const char* peer;
        } pairs[] = {
            {"cut/10^6 frames of 15 bytes", "cut/memcpy of the stream"},
            {"big frame/16 MiB in 1 KiB pieces", "big frame/memcpy"},
            {"transfer/64 MiB between peers/real_time", "transfer/64 MiB raw socket copy/real_time"},
        };
        for (const auto& pair : pairs) {
            double ratio = reporter.ratio(pair.ours, pair.peer);
            if (ratio > 0.0)
                std::printf("%-48s / %-40s = %.2f\n", pair.ours, pair.peer, ratio);
        }
        const double megabytes = double(kFileSize) / 1e6;
        const double peersMs = reporter.realTime("transfer/64 MiB between peers/real_time");
        const double rawMs = reporter.realTime("transfer/64 MiB raw socket copy/real_time");
        if (peersMs > 0.0 && rawMs > 0.0)
            std::printf("transfer: peers %.0f MB/s, raw socket copy %.0f MB/s\n", megabytes / peersMs * 1000.0,
                        megabytes / rawMs * 1000.0);
    });
}
