#include "mkdata/drill_music.h"

#include <array>
#include <cstdint>

#include "mkdata/music_master.h"
#include "mkdata/music_track.h"
#include "mkdata/music_voices.h"
#include "mkdata/reverb.h"
#include "mkdata/synth_drums.h"
#include "mkdata/synth_voice.h"

namespace quorvin::mkdata {

namespace {

constexpr Tempo kTempo{116.0, 4.0};
constexpr double kLeadInSeconds = 0.08;
constexpr double kTailSeconds = 1.2;
constexpr double kFadeInSeconds = 0.5;
constexpr double kFadeOutSeconds = 2.5;
constexpr double kReverbLevel = 0.3;

struct Bar {
    std::array<int, 4> tones;  // MIDI notes the arpeggio walks through, low to high
    int bass;
};

constexpr Bar kG{{55, 59, 62, 67}, 43};
constexpr Bar kEm7{{55, 59, 62, 64}, 40};
constexpr Bar kCmaj7{{55, 59, 60, 64}, 36};
constexpr Bar kD{{54, 57, 62, 66}, 38};
constexpr Bar kDsus4{{55, 57, 62, 67}, 38};
constexpr Bar kBm7{{54, 57, 59, 62}, 35};
constexpr Bar kAm7{{55, 57, 60, 64}, 45};
constexpr Bar kC{{55, 60, 64, 67}, 36};

// Six four-bar phrases; the texture grows from the bare arpeggio and thins again at the end,
// landing on G so that the restart follows on.
constexpr Bar kBars[] = {
    kG,   kEm7,   kCmaj7, kD,      // the arpeggio alone
    kG,   kBm7,   kCmaj7, kDsus4,  // bass and shaker join
    kEm7, kCmaj7, kG,     kD,      // kick and melody
    kEm7, kCmaj7, kAm7,   kD,      // the melody's second phrase
    kG,   kEm7,   kCmaj7, kD,      // the melody rests
    kC,   kD,     kG,     kG,      // the kick drops out; the last bar is one chord left to ring
};
constexpr int kBassFromBar = 4;
constexpr int kShakerFromBar = 4;
constexpr int kKickFromBar = 8;
constexpr int kKickUntilBar = 20;
constexpr int kLastBar = 23;

// Eighth notes up and back down the chord; the top tone falls on the off-beats of beats two
// and four, so the pattern lilts rather than marches.
constexpr int kArpeggio[] = {0, 1, 2, 3, 2, 1, 2, 3};
constexpr double kArpeggioAccent[] = {1.0, 0.7, 0.85, 0.7, 0.9, 0.7, 0.85, 0.7};

struct BassStroke {
    double beat;
    double beats;
    int interval;  // semitones above the bar's root
};
constexpr BassStroke kBassLine[] = {{0, 1.4, 0}, {1.5, 0.4, 0}, {2, 0.9, 7}, {3, 0.9, 12}};

struct MelodyNote {
    double beat;  // from the start of the piece
    double beats;
    int note;
};

constexpr MelodyNote kMelody[] = {
    {32, 3, 79}, {35, 1, 78},  // Em7
    {36, 2, 76}, {38, 2, 79},  // Cmaj7
    {40, 3, 74}, {43, 1, 76},  // G
    {44, 2, 78}, {46, 2, 81},  // D
    {48, 3, 79}, {51, 1, 81},  // Em7
    {52, 2, 83}, {54, 2, 79},  // Cmaj7
    {56, 3, 76}, {59, 1, 74},  // Am7
    {60, 2, 78}, {62, 2, 74},  // D
    {80, 4, 76}, {84, 4, 78},  // C D
    {88, 4, 79},               // G
};

constexpr double kPluckGain = 0.26;
constexpr double kBassGain = 0.4;
constexpr double kMalletGain = 0.45;
constexpr double kPadGain = 0.035;
constexpr double kKickGain = 0.5;
constexpr double kShakerGain = 0.25;

double at(double beat) {
    return kLeadInSeconds + kTempo.seconds(beat);
}

void playArpeggio(Track& send, const Bar& bar, double barBeat) {
    for (std::size_t step = 0; step < std::size(kArpeggio); ++step) {
        const double beat = barBeat + 0.5 * static_cast<double>(step);
        addNote(
            send, voices::kPluck,
            {at(beat), kTempo.seconds(1.0), static_cast<double>(bar.tones[kArpeggio[step]] + 12),
             kPluckGain * kArpeggioAccent[step]});
    }
}

void playFinalChord(Track& send, Track& dry, const Bar& bar, double barBeat) {
    for (std::size_t i = 0; i < bar.tones.size(); ++i) {
        addNote(send, voices::kPluck,
                {at(barBeat + 0.08 * static_cast<double>(i)), kTempo.seconds(4),
                 static_cast<double>(bar.tones[i] + 12), kPluckGain * 0.8});
    }
    addNote(dry, voices::kPluckedBass,
            {at(barBeat), kTempo.seconds(3), static_cast<double>(bar.bass), kBassGain});
}

void playBass(Track& dry, const Bar& bar, double barBeat) {
    for (const BassStroke& stroke : kBassLine) {
        addNote(dry, voices::kPluckedBass,
                {at(barBeat + stroke.beat), kTempo.seconds(stroke.beats),
                 static_cast<double>(bar.bass + stroke.interval), kBassGain});
    }
}

void playPercussion(Track& dry, int barIndex, double barBeat) {
    if (barIndex >= kShakerFromBar) {
        for (int eighth = 0; eighth < 8; ++eighth) {
            // Off-beats louder: the shaker pushes forward without ticking like a clock.
            const double gain = eighth % 2 == 1 ? kShakerGain : 0.55 * kShakerGain;
            const auto seed = static_cast<std::uint32_t>(barIndex * 8 + eighth + 1);
            addShaker(dry, at(barBeat + 0.5 * eighth), gain, seed);
        }
    }
    if (barIndex >= kKickFromBar && barIndex < kKickUntilBar) {
        addKick(dry, at(barBeat), kKickGain);
        addKick(dry, at(barBeat + 2), 0.8 * kKickGain);
    }
}

}  // namespace

PcmSound composeDrillMusic() {
    const double beats = kTempo.beatsPerBar * static_cast<double>(std::size(kBars));
    Track dry(at(beats) + kTailSeconds);
    Track send(at(beats) + kTailSeconds);

    for (int barIndex = 0; barIndex < static_cast<int>(std::size(kBars)); ++barIndex) {
        const Bar& bar = kBars[barIndex];
        const double barBeat = kTempo.beatsPerBar * barIndex;
        // A faint pad underneath glues the plucks together.
        for (const int tone : bar.tones) {
            addNote(send, voices::kPad,
                    {at(barBeat), kTempo.barSeconds(), static_cast<double>(tone), kPadGain});
        }
        if (barIndex == kLastBar) {
            playFinalChord(send, dry, bar, barBeat);
            continue;
        }
        playArpeggio(send, bar, barBeat);
        if (barIndex >= kBassFromBar) playBass(dry, bar, barBeat);
        playPercussion(dry, barIndex, barBeat);
    }
    for (const MelodyNote& note : kMelody) {
        addNote(send, voices::kMallet,
                {at(note.beat), kTempo.seconds(note.beats), static_cast<double>(note.note),
                 kMalletGain});
    }

    for (std::size_t i = 0; i < dry.samples.size(); ++i) {
        dry.samples[i] += send.samples[i];
    }
    addReverb(dry.samples, send.samples, kReverbLevel);
    return masterMusic(dry.samples, kFadeInSeconds, kFadeOutSeconds);
}

}  // namespace quorvin::mkdata
