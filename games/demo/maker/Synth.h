#pragma once

#include <cstdint>
#include <vector>

// Sounds made from numbers: notes of a few voices, each shaped by its envelope, mixed into one
// buffer of mono samples. A looping buffer carries what sounds past its end over to its start,
// so the piece joins its own beginning without a seam.
class Synth {
public:
    static constexpr int kRate = 22050;

    enum class Voice {
        // Struck metal: inharmonic partials that die away, the high ones first.
        Bell,
        // A plucked string: bright at once, duller as it fades.
        Pluck,
        // A round lead that swells and holds, with a little vibrato.
        Lead,
        // A low, soft string of two partials.
        Bass,
        // Detuned partials that swell slowly: a choir of strings.
        Pad,
    };

    Synth(double seconds, bool loops);

    // A note sounding from `start` for `length` seconds at that frequency (its ring or release
    // goes on after), `volume` from 0 to 1.
    void note(double start, double length, double frequency, Voice voice, float volume);
    // A frequency gliding from one to the other, of a plain sine: beeps, croaks and sweeps.
    void glide(double start, double length, double fromFrequency, double toFrequency, float volume);
    // Noise through a filter whose brightness goes from one value to the other (0 dull to 1
    // bright): splashes, clicks and whooshes.
    void noise(double start, double length, float fromBrightness, float toBrightness, float volume, uint32_t seed);
    // The sound multiplied by a wave between 1 and 1 - depth, `rate` times a second.
    void tremolo(double start, double length, double rate, float depth);

    // The frequency of a note numbered as MIDI numbers them (69 is A4, 440 Hz).
    static double pitch(int note);

    // The samples, scaled so that the loudest one reaches `peak`.
    std::vector<float> samples(float peak) const;

private:
    // Adds a sample `at` samples from the start; past the end it wraps or is dropped.
    void add(int64_t at, float value);
    static float sine(double phase);

    std::vector<float> buffer_;
    bool loops_;
};
