#include "Synth.h"

#include "Noise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

struct Partial {
    double ratio;
    float level;
    // Seconds for the partial to fall to a third.
    double decay;
};

// Each voice as partials over the note's frequency, an attack and a release.
struct VoiceShape {
    std::vector<Partial> partials;
    double attack;
    double release;
    // Whether the note holds at full level until its length ends (else it only dies away).
    bool sustains;
    double vibrato;
};

const VoiceShape& shapeOf(Synth::Voice voice)
{
    static const std::array<VoiceShape, 5> shapes = {{
        {{{1.0, 1.0f, 1.2}, {2.76, 0.45f, 0.5}, {5.40, 0.25f, 0.25}, {8.93, 0.12f, 0.12}}, 0.002, 0.05, false, 0},
        {{{1.0, 1.0f, 0.6}, {2.0, 0.5f, 0.35}, {3.0, 0.3f, 0.2}, {4.0, 0.18f, 0.12}, {5.0, 0.1f, 0.08}}, 0.003, 0.04, false, 0},
        {{{1.0, 1.0f, 4.0}, {2.0, 0.25f, 2.0}, {3.0, 0.1f, 1.0}}, 0.03, 0.12, true, 0.004},
        {{{1.0, 1.0f, 1.5}, {2.0, 0.35f, 0.6}}, 0.01, 0.08, false, 0},
        {{{1.0, 0.6f, 9.0}, {1.006, 0.6f, 9.0}, {2.0, 0.25f, 6.0}, {2.997, 0.12f, 4.0}}, 0.35, 0.6, true, 0.002},
    }};
    return shapes[size_t(voice)];
}

} // namespace

Synth::Synth(double seconds, bool loops) : buffer_(size_t(seconds * kRate)), loops_(loops) {}

float Synth::sine(double phase)
{
    // A table of one turn: the pieces are long and made on every build.
    static const std::vector<float> table = [] {
        std::vector<float> values(4096);
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = float(std::sin(kTwoPi * double(i) / double(values.size())));
        return values;
    }();
    const double turn = phase - std::floor(phase);
    return table[size_t(turn * double(table.size())) & (table.size() - 1)];
}

void Synth::add(int64_t at, float value)
{
    const auto size = int64_t(buffer_.size());
    if (loops_)
        at %= size;
    if (at >= 0 && at < size)
        buffer_[size_t(at)] += value;
}

void Synth::note(double start, double length, double frequency, Voice voice, float volume)
{
    const VoiceShape& shape = shapeOf(voice);
    double longest = 0;
    for (const Partial& partial : shape.partials)
        longest = std::max(longest, partial.decay);
    const double ring = shape.sustains ? length + shape.release : std::min(length + shape.release, longest * 4);
    // Each partial's level falls by a constant factor a sample.
    struct Running {
        double step;
        double gain;
        double fall;
    };
    std::vector<Running> partials;
    for (const Partial& partial : shape.partials)
        partials.push_back({frequency * partial.ratio / kRate, partial.level, std::exp(-1.1 / (partial.decay * kRate))});
    const auto first = int64_t(start * kRate);
    const auto count = int64_t(ring * kRate);
    double phase = 0;
    for (int64_t i = 0; i < count; ++i) {
        const double t = double(i) / kRate;
        double level = std::min(1.0, t / shape.attack);
        if (t > length)
            level *= std::max(0.0, 1 - (t - length) / (shape.sustains ? shape.release : ring - length));
        phase += 1 + shape.vibrato * sine(5.5 * t) * std::min(1.0, t * 4);
        float sum = 0;
        for (Running& partial : partials) {
            sum += float(partial.gain) * sine(partial.step * phase);
            partial.gain *= partial.fall;
        }
        add(first + i, float(level) * sum * volume);
    }
}

void Synth::glide(double start, double length, double fromFrequency, double toFrequency, float volume)
{
    const auto first = int64_t(start * kRate);
    const auto count = int64_t(length * kRate);
    double phase = 0;
    for (int64_t i = 0; i < count; ++i) {
        const double t = double(i) / double(count);
        phase += (fromFrequency + (toFrequency - fromFrequency) * t) / kRate;
        const double envelope = std::min({1.0, t * 40, (1 - t) * 8});
        add(first + i, float(envelope) * sine(phase) * volume);
    }
}

void Synth::noise(double start, double length, float fromBrightness, float toBrightness, float volume, uint32_t seed)
{
    const auto first = int64_t(start * kRate);
    const auto count = int64_t(length * kRate);
    float low = 0;
    for (int64_t i = 0; i < count; ++i) {
        const float t = float(i) / float(count);
        const float brightness = fromBrightness + (toBrightness - fromBrightness) * t;
        const float white = Noise::hash(int(i), 0, seed) * 2 - 1;
        // One pole: a bright filter lets the noise through, a dull one smooths it.
        low += (white - low) * std::clamp(brightness, 0.01f, 1.0f);
        const float envelope = std::min({1.0f, t * 50, (1 - t) * 3});
        add(first + i, envelope * low * volume);
    }
}

void Synth::tremolo(double start, double length, double rate, float depth)
{
    const auto first = int64_t(start * kRate);
    const auto count = int64_t(length * kRate);
    for (int64_t i = 0; i < count; ++i) {
        const auto at = size_t(first + i);
        if (at < buffer_.size())
            buffer_[at] *= 1 - depth * (0.5f + 0.5f * sine(rate * double(i) / kRate));
    }
}

double Synth::pitch(int note)
{
    return 440.0 * std::pow(2.0, double(note - 69) / 12.0);
}

std::vector<float> Synth::samples(float peak) const
{
    float loudest = 1e-6f;
    for (float sample : buffer_)
        loudest = std::max(loudest, std::abs(sample));
    std::vector<float> scaled(buffer_);
    for (float& sample : scaled)
        sample *= peak / loudest;
    return scaled;
}
