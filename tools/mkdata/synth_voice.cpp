#include "mkdata/synth_voice.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace quorvin::mkdata {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Partials above this fraction of the sample rate would fold back as inharmonic whistles.
constexpr double kHighestFraction = 0.45;
// A decaying partial is inaudible after it has fallen by 80 dB.
const double kAudibleTimeConstants = std::log(1e4);

double raisedCosine(double progress) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(progress, 0.0, 1.0));
}

double audibleSeconds(const Voice& voice, const Note& note) {
    double ringing = 0.0;
    for (const Partial& partial : voice.partials) {
        ringing = std::max(ringing, partial.decaySeconds > 0.0
                                        ? partial.decaySeconds * kAudibleTimeConstants
                                        : std::numeric_limits<double>::infinity());
    }
    return std::min(note.holdSeconds + voice.releaseSeconds, ringing);
}

std::vector<double> envelope(const Voice& voice, const Note& note, std::size_t length) {
    std::vector<double> gain(length, note.gain);
    const std::size_t attackEnd = std::min(Track::sampleAt(voice.attackSeconds), length);
    for (std::size_t i = 0; i < attackEnd; ++i) {
        gain[i] *= raisedCosine(Track::secondsAt(i) / voice.attackSeconds);
    }
    const std::size_t releaseStart = std::min(Track::sampleAt(note.holdSeconds), length);
    for (std::size_t i = releaseStart; i < length; ++i) {
        const double sinceHold = Track::secondsAt(i) - note.holdSeconds;
        gain[i] *=
            voice.releaseSeconds > 0.0 ? 1.0 - raisedCosine(sinceHold / voice.releaseSeconds) : 0.0;
    }
    return gain;
}

// The fundamental's phase at every sample; only voices with vibrato need it.
std::vector<double> vibratoPhase(const Voice& voice, double frequency, std::size_t length) {
    std::vector<double> phase(length);
    double accumulated = 0.0;
    for (std::size_t i = 0; i < length; ++i) {
        phase[i] = accumulated;
        const double t = Track::secondsAt(i);
        const double depth = voice.vibratoCents * raisedCosine(t - voice.vibratoDelaySeconds);
        const double cents = depth * std::sin(kTwoPi * voice.vibratoHz * t);
        accumulated += kTwoPi * frequency * std::exp2(cents / 1200.0) / kMusicSampleRate;
    }
    return phase;
}

void addPartial(std::span<double> out, std::span<const double> gain, const Partial& partial,
                double frequency, double amplitude) {
    // A rotating phasor: one complex multiply per sample instead of a sine.
    const double step = kTwoPi * frequency / kMusicSampleRate;
    const double stepCos = std::cos(step);
    const double stepSin = std::sin(step);
    const double decay = partial.decaySeconds > 0.0
                             ? std::exp(-1.0 / (partial.decaySeconds * kMusicSampleRate))
                             : 1.0;
    // Raw pointers: this loop is most of the music's build time, and unoptimised (debug and
    // sanitizer) builds would otherwise spend it in calls to span's accessors.
    double* const target = out.data();
    const double* const envelope = gain.data();
    const std::size_t count = out.size();
    double c = 1.0;
    double s = 0.0;
    double level = amplitude;
    for (std::size_t i = 0; i < count; ++i) {
        target[i] += envelope[i] * level * s;
        const double next = c * stepCos - s * stepSin;
        s = s * stepCos + c * stepSin;
        c = next;
        level *= decay;
    }
}

void addVibratoPartial(std::span<double> out, std::span<const double> gain,
                       std::span<const double> phase, const Partial& partial, double amplitude) {
    const double decay = partial.decaySeconds > 0.0
                             ? std::exp(-1.0 / (partial.decaySeconds * kMusicSampleRate))
                             : 1.0;
    double level = amplitude;
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] += gain[i] * level * std::sin(partial.ratio * phase[i]);
        level *= decay;
    }
}

}  // namespace

void addNote(Track& track, const Voice& voice, const Note& note) {
    const std::size_t start = Track::sampleAt(note.startSeconds);
    if (start >= track.samples.size()) return;
    const std::size_t length =
        std::min(Track::sampleAt(audibleSeconds(voice, note)), track.samples.size() - start);
    const std::span<double> out = std::span(track.samples).subspan(start, length);
    const std::vector<double> gain = envelope(voice, note, length);
    const double frequency = noteFrequency(note.midiNote);

    if (voice.vibratoCents > 0.0) {
        const std::vector<double> phase = vibratoPhase(voice, frequency, length);
        for (const Partial& partial : voice.partials) {
            if (frequency * partial.ratio > kHighestFraction * kMusicSampleRate) continue;
            addVibratoPartial(out, gain, phase, partial, partial.amplitude);
        }
        return;
    }

    if (voice.detuneCents <= 0.0) {
        for (const Partial& partial : voice.partials) {
            if (frequency * partial.ratio > kHighestFraction * kMusicSampleRate) continue;
            addPartial(out, gain, partial, frequency * partial.ratio, partial.amplitude);
        }
        return;
    }
    const double spread = std::exp2(voice.detuneCents / 2400.0);
    for (const Partial& partial : voice.partials) {
        const double centre = frequency * partial.ratio;
        if (centre * spread > kHighestFraction * kMusicSampleRate) continue;
        addPartial(out, gain, partial, centre * spread, partial.amplitude / 2.0);
        addPartial(out, gain, partial, centre / spread, partial.amplitude / 2.0);
    }
}

}  // namespace quorvin::mkdata
