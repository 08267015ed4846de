// CPU time to make one second of 44.1 kHz stereo output from 16, 32 and 64 voices of 22.05 kHz
// 16-bit mono sound, each with its own volume and panning, in blocks of 1024 frames as a sound
// card asks for them.
//
// "engine" is our mixer (AudioMixer, what SDL's audio thread calls). The peer "SDL" does the same
// with SDL2 alone: one SDL_AudioStream per voice turns 22.05 kHz mono into 44.1 kHz stereo and
// SDL_MixAudioFormat adds it at the voice's volume (SDL's mixer has no panning, so the peer does a
// little less work). After the table the program prints each case's share of one core and the
// ratio to the peer.
#include "platform/AudioMixer.h"

#include "bench/RatioReporter.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kOutputRate = 44100;
constexpr int kVoiceRate = 22050;
constexpr int kBlock = 1024;
constexpr int kBlocksPerSecond = (kOutputRate + kBlock - 1) / kBlock;

// Two seconds of a different tone per voice, with its volume and panning.
struct Voice {
    std::vector<int16_t> samples;
    int volume; // hundredths of a decibel
    int pan;
};

std::vector<Voice> makeVoices(int count)
{
    std::vector<Voice> voices;
    for (int v = 0; v < count; ++v) {
        Voice voice{std::vector<int16_t>(2 * kVoiceRate), -100 * (v % 20), (v * 1234) % 20001 - 10000};
        for (size_t i = 0; i < voice.samples.size(); ++i)
            voice.samples[i] = static_cast<int16_t>(6000 * std::sin(double(i) * (0.01 + 0.003 * v)));
        voices.push_back(std::move(voice));
    }
    return voices;
}

platform::AudioFormat voiceFormat()
{
    return platform::AudioFormat{1, kVoiceRate, kVoiceRate * 2, 2, 16};
}

void engine(benchmark::State& state)
{
    platform::AudioMixer mixer(kOutputRate, 2);
    std::vector<std::unique_ptr<platform::AudioBuffer>> buffers;
    for (const Voice& voice : makeVoices(static_cast<int>(state.range(0)))) {
        const uint32_t bytes = static_cast<uint32_t>(voice.samples.size() * 2);
        auto buffer = mixer.createBuffer(voiceFormat(), bytes);
        platform::AudioLock locked;
        buffer->lock(0, bytes, locked);
        std::memcpy(locked.first, voice.samples.data(), bytes);
        buffer->unlock(locked);
        buffer->setVolume(voice.volume);
        buffer->setPan(voice.pan);
        buffer->play(true);
        buffers.push_back(std::move(buffer));
    }
    std::vector<int16_t> out(kBlock * 2);
    for (auto _ : state) {
        for (int block = 0; block < kBlocksPerSecond; ++block) {
            mixer.mix(out.data(), kBlock);
            benchmark::DoNotOptimize(out.data());
        }
    }
}

// SDL_MixAudioFormat's volume runs from 0 to 128 on a linear scale.
int sdlVolume(int hundredthsOfDb)
{
    return static_cast<int>(std::lround(SDL_MIX_MAXVOLUME * std::pow(10.0, hundredthsOfDb / 2000.0)));
}

void sdl(benchmark::State& state)
{
    struct Stream {
        SDL_AudioStream* stream;
        const Voice* voice;
        size_t next = 0;
        int volume;
    };
    const std::vector<Voice> voices = makeVoices(static_cast<int>(state.range(0)));
    std::vector<Stream> streams;
    for (const Voice& voice : voices)
        streams.push_back({SDL_NewAudioStream(AUDIO_S16SYS, 1, kVoiceRate, AUDIO_S16SYS, 2, kOutputRate), &voice, 0,
                           sdlVolume(voice.volume)});
    const int blockBytes = kBlock * 2 * static_cast<int>(sizeof(int16_t));
    std::vector<uint8_t> out(static_cast<size_t>(blockBytes));
    std::vector<uint8_t> converted(static_cast<size_t>(blockBytes));
    for (auto _ : state) {
        for (int block = 0; block < kBlocksPerSecond; ++block) {
            std::memset(out.data(), 0, out.size());
            for (Stream& s : streams) {
                while (SDL_AudioStreamAvailable(s.stream) < blockBytes) {
                    const size_t frames = kBlock / 2;
                    if (s.next + frames > s.voice->samples.size())
                        s.next = 0;
                    SDL_AudioStreamPut(s.stream, s.voice->samples.data() + s.next, static_cast<int>(frames * 2));
                    s.next += frames;
                }
                SDL_AudioStreamGet(s.stream, converted.data(), blockBytes);
                SDL_MixAudioFormat(out.data(), converted.data(), AUDIO_S16SYS, static_cast<Uint32>(blockBytes), s.volume);
            }
            benchmark::DoNotOptimize(out.data());
        }
    }
    for (Stream& s : streams)
        SDL_FreeAudioStream(s.stream);
}

} // namespace

BENCHMARK(engine)->Name("mix/engine")->Arg(16)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(sdl)->Name("mix/SDL")->Arg(16)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [](const RatioReporter& reporter) {
        std::printf("\nOne second of output (CPU time; above 1: the engine is slower):\n");
        for (int voices : {16, 32, 64}) {
            const std::string ours = "mix/engine/" + std::to_string(voices);
            const std::string peer = "mix/SDL/" + std::to_string(voices);
            const double ratio = reporter.ratio(ours, peer, true);
            if (ratio > 0.0)
                std::printf("%2d voices: engine %.2f%% of a core, SDL %.2f%%, engine / SDL = %.2f\n", voices,
                            reporter.cpuTime(ours) / 10.0, reporter.cpuTime(peer) / 10.0, ratio);
        }
    });
}
