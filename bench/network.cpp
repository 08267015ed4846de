// The network layer beside the physical limits it works against.
//
// "cut": 10^6 frames of 15 bytes (a command with two arguments) pushed into a frame cutter in the
// 64 KiB reads a socket makes, every frame cut out as a message; beside one memcpy of the same
// stream. "big frame": one 16 MiB frame pushed in 1 KiB pieces and cut; beside memcpy of it.
// "transfer": a 64 MiB file asked for by a receiver manager and sent by a sender manager over a
// loopback connection, every frame cut and dispatched; beside a raw copy of the same 64 MiB over
// another loopback connection in 64 KiB writes and reads. The program then prints the ratios and
// the transfer's throughput.
#include "network/CFileReceiver_Entry.h"
#include "network/CFileReceiver_Listener.h"
#include "network/CFileReceiver_Manager.h"
#include "network/CFileSender_Manager.h"
#include "network/CMessageStack.h"
#include "network/CNetFileRequestMessage.h"
#include "network/CNetMessage.h"
#include "network/CNetMessageProcessor.h"
#include "platform/TcpSocket.h"
#include "tests/network/NetworkHarness.h"
#include "tests/platform/TempFolder.h"

#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <atomic>
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

// Tells the waiting side that the file is whole; the bytes are not saved.
struct Arrival : CFileReceiver_Listener {
    bool onFileReceived(CFileReceiver_Entry* entry) override
    {
        arrived = entry->getReceived() == int(kFileSize);
        return true;
    }
    bool arrived = false;
};

// The answering engine: takes the request its end of the connection receives and ticks the
// sender until the transfer is done.
void answer(CXSocket& server, CFileSender_Manager& sender)
{
    Messages request = receiveFrames(server, 1);
    std::unique_ptr<CNetMessage> typed(CNetMessageProcessor::makeTyped(request.at(0).get()));
    auto* asked = static_cast<CNetFileRequestMessage*>(typed.get());
    sender.add_file(&server, asked->getRequestId(), asked->getFirstFolder(), asked->getSecondFolder(),
                    asked->getFileName());
    while (sender.getCount() > 0)
        sender.tick();
}

void transferBetweenManagers(benchmark::State& state)
{
    static FileFolder folder;
    SocketPair pair;
    if (!pair.isUp()) {
        state.SkipWithError("no loopback connection");
        return;
    }
    Arrival arrival;
    CFileReceiver_Manager receiver(&arrival);
    CFileSender_Manager sender;
    for (auto _ : state) {
        arrival.arrived = false;
        receiver.add_file(&pair.client, "", "", "big.bin");
        std::thread answering([&] { answer(*pair.server, sender); });
        while (!arrival.arrived && !pair.client.isClosed()) {
            CXArray* received = pair.client.receive();
            for (int i = 0; i < received->getSize(); ++i) {
                std::unique_ptr<CNetMessage> raw(static_cast<CNetMessage*>((*received)[i]));
                std::unique_ptr<CNetMessage> typed(CNetMessageProcessor::makeTyped(raw.get()));
                receiver.received(typed.get());
            }
        }
        answering.join();
        if (!arrival.arrived)
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
BENCHMARK(transferBetweenManagers)->Name("transfer/64 MiB between the managers")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(rawSocketCopy)->Name("transfer/64 MiB raw socket copy")->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nReal time over the peer's (above 1: the engine is slower):\n");
    const struct {
        const char* ours;
        const char* peer;
    } pairs[] = {
        {"cut/10^6 frames of 15 bytes", "cut/memcpy of the stream"},
        {"big frame/16 MiB in 1 KiB pieces", "big frame/memcpy"},
        {"transfer/64 MiB between the managers/real_time", "transfer/64 MiB raw socket copy/real_time"},
    };
    for (const auto& pair : pairs) {
        double ratio = reporter.ratio(pair.ours, pair.peer);
        if (ratio > 0.0)
            std::printf("%-48s / %-40s = %.2f\n", pair.ours, pair.peer, ratio);
    }
    const double megabytes = double(kFileSize) / 1e6;
    const double managersMs = reporter.realTime("transfer/64 MiB between the managers/real_time");
    const double rawMs = reporter.realTime("transfer/64 MiB raw socket copy/real_time");
    if (managersMs > 0.0 && rawMs > 0.0)
        std::printf("transfer: managers %.0f MB/s, raw socket copy %.0f MB/s\n", megabytes / managersMs * 1000.0,
                    megabytes / rawMs * 1000.0);
    benchmark::Shutdown();
    return 0;
}
