#include "DemoSounds.h"

#include "DemoFolder.h"
#include "Synth.h"

#include <vector>

namespace {

using Voice = Synth::Voice;

// MIDI note numbers of the octave from C4.
enum : int { C4 = 60, D4 = 62, E4 = 64, F4 = 65, G4 = 67, A4 = 69, B4 = 71 };

constexpr int octave(int note, int shift)
{
    return note + 12 * shift;
}

// A note of a line: its number (0 a rest) and its length in beats.
struct Step {
    int note;
    double beats;
};

// Plays the steps one after another from `start` beats.
void line(Synth& synth, double beat, double start, const std::vector<Step>& steps, Voice voice, float volume, double hold = 0.9)
{
    double at = start;
    for (const Step& step : steps) {
        if (step.note != 0)
            synth.note(at * beat, step.beats * beat * hold, Synth::pitch(step.note), voice, volume);
        at += step.beats;
    }
}

// A chord of each bar: the notes of its triad from the root upwards.
struct Chord {
    int root;
    bool minor;
};

std::vector<int> triad(Chord chord)
{
    return {chord.root, chord.root + (chord.minor ? 3 : 4), chord.root + 7};
}

} // namespace

void DemoSounds::make(DemoFolder& folder)
{
    dayTheme(folder);
    nightTheme(folder);
    studioTheme(folder);
    effects(folder);
    studioEffects(folder);
}

void DemoSounds::dayTheme(DemoFolder& folder)
{
    constexpr double beat = 60.0 / 112;
    const std::vector<Chord> chords = {{C4, false}, {A4 - 12, true}, {F4, false}, {G4, false},
                                       {C4, false}, {A4 - 12, true}, {D4, true},  {G4, false}};
    Synth synth(beat * 4 * double(chords.size()), true);
    const std::vector<Step> melody = {
        {octave(E4, 1), 1}, {octave(G4, 1), 1}, {octave(C4, 2), 2},
        {octave(B4, 1), 1}, {octave(A4, 1), 1}, {octave(E4, 1), 2},
        {octave(F4, 1), 1}, {octave(A4, 1), 1}, {octave(C4, 2), 1}, {octave(A4, 1), 1},
        {octave(G4, 1), 3}, {octave(D4, 1), 1},
        {octave(E4, 1), 1}, {octave(G4, 1), 1}, {octave(C4, 2), 1}, {octave(E4, 2), 1},
        {octave(D4, 2), 1}, {octave(C4, 2), 1}, {octave(A4, 1), 2},
        {octave(F4, 1), 1}, {octave(A4, 1), 1}, {octave(D4, 2), 1}, {octave(C4, 2), 1},
        {octave(B4, 1), 2}, {octave(G4, 1), 2},
    };
    line(synth, beat, 0, melody, Voice::Lead, 0.30f);
    line(synth, beat, 0, melody, Voice::Bell, 0.10f);
    for (size_t bar = 0; bar < chords.size(); ++bar) {
        const double start = double(bar) * 4;
        const std::vector<int> notes = triad(chords[bar]);
        // Bass on the first and third beats; the chord picked in eighths above it.
        line(synth, beat, start, {{octave(chords[bar].root, -1), 1.5}, {octave(chords[bar].root, -1), 0.5}, {octave(notes[2], -2), 2}},
             Voice::Bass, 0.45f, 0.8);
        std::vector<Step> picking;
        for (int i = 0; i < 8; ++i)
            picking.push_back({notes[size_t(i % 3 == 2 ? 1 : i % 3 == 1 ? 2 : 0)] + (i >= 4 ? 12 : 0), 0.5});
        line(synth, beat, start, picking, Voice::Pluck, 0.12f);
    }
    folder.sound("day.wav", synth.samples(0.55f), Synth::kRate);
}

void DemoSounds::nightTheme(DemoFolder& folder)
{
    constexpr double beat = 60.0 / 84;
    const std::vector<Chord> chords = {{A4 - 12, true}, {F4, false}, {C4, false}, {G4, false},
                                       {A4 - 12, true}, {F4, false}, {D4, true},  {E4, false}};
    Synth synth(beat * 4 * double(chords.size()), true);
    const std::vector<Step> melody = {
        {octave(A4, 1), 2}, {octave(C4, 2), 1}, {octave(E4, 2), 1},
        {octave(D4, 2), 3}, {octave(C4, 2), 1},
        {octave(E4, 1), 1}, {octave(G4, 1), 1}, {octave(C4, 2), 2},
        {octave(B4, 1), 2}, {octave(G4, 1), 2},
        {octave(A4, 1), 1}, {octave(C4, 2), 1}, {octave(E4, 2), 1}, {octave(A4, 2), 1},
        {octave(G4, 2), 2}, {octave(F4, 2), 1}, {octave(E4, 2), 1},
        {octave(D4, 2), 2}, {octave(F4, 2), 1}, {octave(D4, 2), 1},
        {octave(E4, 2), 4},
    };
    line(synth, beat, 0, melody, Voice::Bell, 0.32f);
    for (size_t bar = 0; bar < chords.size(); ++bar) {
        const double start = double(bar) * 4;
        for (int note : triad(chords[bar]))
            synth.note(start * beat, 3.6 * beat, Synth::pitch(note), Voice::Pad, 0.09f);
        line(synth, beat, start, {{octave(chords[bar].root, -1), 3}, {octave(chords[bar].root, -1), 1}}, Voice::Bass, 0.4f, 0.7);
    }
    folder.sound("night.wav", synth.samples(0.5f), Synth::kRate);
}

void DemoSounds::studioTheme(DemoFolder& folder)
{
    constexpr double beat = 60.0 / 96;
    // B flat, which the octave's names lack, is a step below B.
    const int bFlat3 = B4 - 12 - 1;
    const std::vector<Chord> chords = {{F4, false}, {D4, true},     {bFlat3, false}, {C4, false},
                                       {F4, false}, {A4 - 12, true}, {G4 - 12, true}, {C4, false}};
    Synth synth(beat * 4 * double(chords.size()), true);
    const std::vector<Step> melody = {
        {octave(C4, 2), 1.5}, {octave(A4, 1), 0.5}, {octave(F4, 1), 2},
        {octave(D4, 2), 1.5}, {octave(C4, 2), 0.5}, {octave(A4, 1), 2},
        {octave(D4, 2), 1}, {octave(F4, 2), 1}, {octave(D4, 2), 1}, {octave(B4, 1) - 1, 1},
        {octave(C4, 2), 3}, {0, 1},
        {octave(A4, 1), 1}, {octave(C4, 2), 1}, {octave(F4, 2), 2},
        {octave(E4, 2), 1.5}, {octave(C4, 2), 0.5}, {octave(A4, 1), 2},
        {octave(G4, 1), 1}, {octave(B4, 1) - 1, 1}, {octave(D4, 2), 1}, {octave(G4, 2), 1},
        {octave(F4, 2), 2}, {octave(E4, 2), 2},
    };
    line(synth, beat, 0, melody, Voice::Pluck, 0.30f);
    line(synth, beat, 0, melody, Voice::Bell, 0.06f);
    for (size_t bar = 0; bar < chords.size(); ++bar) {
        const double start = double(bar) * 4;
        for (int note : triad(chords[bar]))
            synth.note(start * beat, 3.7 * beat, Synth::pitch(note), Voice::Pad, 0.07f);
        line(synth, beat, start, {{octave(chords[bar].root, -1), 2}, {octave(chords[bar].root + 7, -2), 2}}, Voice::Bass, 0.38f, 0.85);
    }
    folder.sound("studio.wav", synth.samples(0.5f), Synth::kRate);
}

void DemoSounds::studioEffects(DemoFolder& folder)
{
    {
        // The owl's speech: eight hooting syllables that rise and fall, with a throb in the voice.
        Synth synth(1.9, false);
        const double pitches[][2] = {{420, 560}, {560, 470}, {380, 520}, {520, 600}, {600, 430}, {450, 500}, {500, 380}, {400, 330}};
        for (int i = 0; i < 8; ++i) {
            synth.glide(0.05 + 0.22 * i, 0.17, pitches[i][0], pitches[i][1], 0.6f);
            synth.glide(0.05 + 0.22 * i, 0.17, pitches[i][0] * 2, pitches[i][1] * 2, 0.15f);
        }
        synth.tremolo(0, 1.9, 9, 0.35f);
        folder.sound("speech.wav", synth.samples(0.7f), Synth::kRate);
    }
    {
        // A dab of paint: a soft wet pat.
        Synth synth(0.25, false);
        synth.noise(0, 0.12, 0.35f, 0.05f, 0.7f, 17);
        synth.glide(0, 0.08, 240, 120, 0.4f);
        folder.sound("dab.wav", synth.samples(0.55f), Synth::kRate);
    }
}

void DemoSounds::effects(DemoFolder& folder)
{
    {
        // A rising arpeggio of bells.
        Synth synth(1.2, false);
        const int notes[] = {octave(C4, 2), octave(E4, 2), octave(G4, 2), octave(C4, 3)};
        for (int i = 0; i < 4; ++i)
            synth.note(0.07 * i, 0.2, Synth::pitch(notes[i]), Voice::Bell, 0.5f);
        folder.sound("chime.wav", synth.samples(0.7f), Synth::kRate);
    }
    {
        // A bud opening: a soft upward pluck with a breath of air.
        Synth synth(0.9, false);
        synth.glide(0, 0.18, 300, 900, 0.5f);
        synth.note(0.05, 0.3, Synth::pitch(octave(G4, 1)), Voice::Pluck, 0.5f);
        synth.note(0.12, 0.3, Synth::pitch(octave(C4, 2)), Voice::Pluck, 0.5f);
        synth.noise(0, 0.3, 0.6f, 0.1f, 0.15f, 11);
        folder.sound("bloom.wav", synth.samples(0.7f), Synth::kRate);
    }
    {
        // The button's tick.
        Synth synth(0.12, false);
        synth.noise(0, 0.03, 0.9f, 0.3f, 0.6f, 3);
        synth.glide(0, 0.06, 1400, 1000, 0.5f);
        folder.sound("click.wav", synth.samples(0.6f), Synth::kRate);
    }
    {
        // Two croaks: a low buzz throbbing thirty times a second.
        Synth synth(0.75, false);
        synth.glide(0.0, 0.25, 190, 140, 0.7f);
        synth.glide(0.0, 0.25, 380, 290, 0.3f);
        synth.glide(0.35, 0.3, 200, 130, 0.7f);
        synth.glide(0.35, 0.3, 400, 270, 0.3f);
        synth.tremolo(0, 0.75, 28, 0.85f);
        folder.sound("ribbit.wav", synth.samples(0.75f), Synth::kRate);
    }
    {
        // Water closing over a dive.
        Synth synth(0.8, false);
        synth.noise(0, 0.7, 0.5f, 0.03f, 0.8f, 5);
        synth.glide(0.02, 0.15, 900, 300, 0.2f);
        folder.sound("splash.wav", synth.samples(0.6f), Synth::kRate);
    }
    {
        // The stars' notes, a pentatonic scale of bells.
        const int notes[] = {octave(C4, 2), octave(D4, 2), octave(E4, 2), octave(G4, 2), octave(A4, 2)};
        for (int i = 0; i < 5; ++i) {
            Synth synth(1.6, false);
            synth.note(0, 0.3, Synth::pitch(notes[i]), Voice::Bell, 0.6f);
            synth.note(0, 0.3, Synth::pitch(notes[i] + 12), Voice::Bell, 0.15f);
            folder.sound("star" + std::to_string(i + 1) + ".wav", synth.samples(0.65f), Synth::kRate);
        }
    }
    {
        // A comet: air rushing past and a rising whistle.
        Synth synth(1.6, false);
        synth.noise(0, 1.5, 0.05f, 0.5f, 0.7f, 9);
        synth.glide(0.1, 1.3, 500, 1500, 0.12f);
        folder.sound("whoosh.wav", synth.samples(0.6f), Synth::kRate);
    }
    {
        // Success: a major arpeggio and its chord held.
        Synth synth(2.0, false);
        const int notes[] = {octave(C4, 1), octave(E4, 1), octave(G4, 1), octave(C4, 2)};
        for (int i = 0; i < 4; ++i) {
            synth.note(0.11 * i, 0.12, Synth::pitch(notes[i]), Voice::Lead, 0.35f);
            synth.note(0.11 * i, 0.1, Synth::pitch(notes[i] + 12), Voice::Bell, 0.2f);
        }
        for (int note : {octave(C4, 1), octave(E4, 1), octave(G4, 1)})
            synth.note(0.45, 0.8, Synth::pitch(note), Voice::Lead, 0.2f);
        folder.sound("fanfare.wav", synth.samples(0.75f), Synth::kRate);
    }
}
