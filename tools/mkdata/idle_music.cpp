#include "mkdata/idle_music.h"

#include <array>
#include <span>

#include "mkdata/music_master.h"
#include "mkdata/music_track.h"
#include "mkdata/music_voices.h"
#include "mkdata/reverb.h"
#include "mkdata/synth_voice.h"

namespace quorvin::mkdata {

namespace {

constexpr Tempo kTempo{70.0, 4.0};
// The first note waits a moment so the loop starts from true silence.
constexpr double kLeadInSeconds = 0.08;
constexpr double kTailSeconds = 1.6;
constexpr double kFadeInSeconds = 0.6;
constexpr double kFadeOutSeconds = 3.0;
constexpr double kReverbLevel = 0.45;

struct Chord {
    double beats;
    std::array<int, 4> pad;  // MIDI notes, voiced close around middle C
    int bass;
};

// Sixteen bars in F major, one or two chords a bar, ending on the tonic so the restart
// follows naturally: Fmaj7 Dm7 Bbmaj7 C7sus-C7 | Fmaj7 Am7 Bbmaj7 C7sus-C7 |
// Dm9 Bbmaj9 Gm7 C9sus | Fmaj7 Bbmaj7 Gm7-C7 Fmaj9.
constexpr Chord kChords[] = {
    {4, {53, 57, 60, 64}, 41}, {4, {53, 57, 60, 62}, 38}, {4, {53, 57, 62, 65}, 46},
    {2, {55, 58, 60, 65}, 36}, {2, {55, 58, 60, 64}, 36},

    {4, {53, 57, 60, 64}, 41}, {4, {52, 55, 60, 64}, 45}, {4, {53, 57, 62, 65}, 46},
    {2, {55, 58, 60, 65}, 36}, {2, {55, 58, 60, 64}, 36},

    {4, {53, 57, 60, 64}, 38}, {4, {53, 57, 60, 62}, 46}, {4, {53, 58, 62, 65}, 43},
    {4, {55, 58, 62, 65}, 36},

    {4, {53, 57, 60, 64}, 41}, {4, {53, 57, 62, 65}, 46}, {2, {53, 58, 62, 65}, 43},
    {2, {55, 58, 60, 64}, 36},

    {4, {55, 57, 60, 64}, 41},
};

struct Stroke {
    double beat;  // within the chord
    int tone;     // index into the chord's voicing
    double gain;
};

// The electric piano breaks each chord upwards, one tone a beat; from bar nine it adds an
// off-beat so the second half moves a little more.
constexpr Stroke kPlainStrokes[] = {{0, 0, 1.0}, {1, 1, 0.7}, {2, 2, 0.8}, {3, 3, 0.7}};
constexpr Stroke kMovingStrokes[] = {
    {0, 0, 1.0}, {1, 1, 0.7}, {2, 2, 0.8}, {2.5, 3, 0.6}, {3, 1, 0.65},
};
constexpr Stroke kHalfBarStrokes[] = {{0, 0, 0.9}, {1, 2, 0.7}};
constexpr double kMovingFromBeat = 32.0;

struct MelodyNote {
    double beat;  // from the start of the piece
    double beats;
    int note;
};

// The flute enters in bar five, sings two phrases and comes to rest on F. Written an octave
// below where it sounds.
constexpr MelodyNote kMelody[] = {
    {16, 2, 72},   {18, 1, 69},     {19, 1, 67},  // Fmaj7
    {20, 3, 69},   {23, 1, 72},                   // Am7
    {24, 2, 74},   {26, 1, 72},     {27, 1, 69},  // Bbmaj7
    {28, 3.5, 67},                                // C7sus
    {32, 1.5, 69}, {33.5, 0.5, 72}, {34, 2, 74},  // Dm9
    {36, 2, 77},   {38, 1, 74},     {39, 1, 72},  // Bbmaj9
    {40, 2, 70},   {42, 1, 69},     {43, 1, 67},  // Gm7
    {44, 2, 72},   {46, 1, 70},     {47, 1, 67},  // C9sus
    {48, 3, 69},   {51, 1, 67},                   // Fmaj7
    {52, 1.5, 65}, {53.5, 0.5, 67}, {54, 2, 69},  // Bbmaj7
    {56, 2, 70},   {58, 2, 67},                   // Gm7 C7
    {60, 4, 65},                                  // Fmaj9
};

constexpr double kPadGain = 0.11;
constexpr double kPianoGain = 0.3;
constexpr double kFluteGain = 0.32;
constexpr double kBassGain = 0.36;

double at(double beat) {
    return kLeadInSeconds + kTempo.seconds(beat);
}

void playChord(Track& send, Track& dry, const Chord& chord, double beat, bool last) {
    const double hold = kTempo.seconds(chord.beats);
    for (const int tone : chord.pad) {
        addNote(send, voices::kPad, {at(beat), hold, static_cast<double>(tone), kPadGain});
    }
    addNote(dry, voices::kSoftBass,
            {at(beat), hold - 0.1, static_cast<double>(chord.bass), kBassGain});

    if (last) {
        // Rolled, and left to ring into the fade.
        for (std::size_t i = 0; i < chord.pad.size(); ++i) {
            addNote(send, voices::kElectricPiano,
                    {at(beat + 0.12 * static_cast<double>(i)), hold,
                     static_cast<double>(chord.pad[i] + 12), kPianoGain * 0.8});
        }
        return;
    }
    std::span<const Stroke> strokes = kPlainStrokes;
    if (chord.beats < 4) {
        strokes = kHalfBarStrokes;
    } else if (beat >= kMovingFromBeat) {
        strokes = kMovingStrokes;
    }
    for (const Stroke& stroke : strokes) {
        addNote(send, voices::kElectricPiano,
                {at(beat + stroke.beat), kTempo.seconds(1.5),
                 static_cast<double>(chord.pad[stroke.tone] + 12), kPianoGain * stroke.gain});
    }
}

}  // namespace

PcmSound composeIdleMusic() {
    double beats = 0.0;
    for (const Chord& chord : kChords) {
        beats += chord.beats;
    }
    Track dry(at(beats) + kTailSeconds);
    Track send(at(beats) + kTailSeconds);

    double beat = 0.0;
    for (const Chord& chord : kChords) {
        playChord(send, dry, chord, beat, &chord == &kChords[std::size(kChords) - 1]);
        beat += chord.beats;
    }
    for (const MelodyNote& note : kMelody) {
        // Slightly detached, like a player taking breath.
        addNote(send, voices::kFlute,
                {at(note.beat), kTempo.seconds(note.beats) - 0.08,
                 static_cast<double>(note.note + 12), kFluteGain});
    }

    for (std::size_t i = 0; i < dry.samples.size(); ++i) {
        dry.samples[i] += send.samples[i];
    }
    addReverb(dry.samples, send.samples, kReverbLevel);
    return masterMusic(dry.samples, kFadeInSeconds, kFadeOutSeconds);
}

}  // namespace quorvin::mkdata
