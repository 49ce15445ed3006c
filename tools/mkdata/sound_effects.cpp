#include "mkdata/sound_effects.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <span>
#include <vector>

namespace quorvin::mkdata {

namespace {

// -6 dBFS leaves headroom for the mixer and never clips.
constexpr double kPeak = 0.5;

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kEffectSampleRate));
}

double timeOf(std::size_t sample) {
    return static_cast<double>(sample) / kEffectSampleRate;
}

// Raised-cosine ramps at both ends, so the sound starts and stops at zero without a click.
void applyFades(std::span<double> signal, double fadeInSeconds, double fadeOutSeconds) {
    const auto ramp = [](double progress) {
        return 0.5 - 0.5 * std::cos(std::numbers::pi * progress);
    };
    const std::size_t in = std::min(samplesFor(fadeInSeconds), signal.size());
    for (std::size_t i = 0; i < in; ++i) {
        signal[i] *= ramp(static_cast<double>(i) / in);
    }
    const std::size_t out = std::min(samplesFor(fadeOutSeconds), signal.size());
    for (std::size_t i = 0; i < out; ++i) {
        signal[signal.size() - 1 - i] *= ramp(static_cast<double>(i) / out);
    }
}

PcmSound quantize(std::span<const double> signal) {
    double loudest = 0.0;
    for (const double value : signal) {
        loudest = std::max(loudest, std::abs(value));
    }
    const double gain = loudest > 0.0 ? kPeak * 32767.0 / loudest : 0.0;

    PcmSound sound{kEffectSampleRate, {}};
    sound.samples.reserve(signal.size());
    for (const double value : signal) {
        sound.samples.push_back(static_cast<std::int16_t>(std::lround(value * gain)));
    }
    return sound;
}

struct Partial {
    double ratio;  // to the fundamental; the last one is off the harmonic series, as in a bell
    double amplitude;
    double decaySeconds;  // higher partials die sooner, which is what makes it a pluck
};

constexpr double kHitFundamental = 1046.5;  // C6
constexpr double kHitSeconds = 0.12;
constexpr Partial kHitPartials[] = {
    {1.0, 1.0, 0.045},
    {2.0, 0.45, 0.028},
    {3.0, 0.22, 0.018},
    {4.16, 0.12, 0.010},
};

struct Tone {
    double frequency;
    double seconds;
};

// A falling fourth, E flat 4 to B flat 3.
constexpr Tone kErrorTones[] = {{311.1, 0.095}, {233.1, 0.115}};
// Harmonics fall off faster than a sawtooth's: a buzz, but a soft one.
constexpr int kErrorHarmonics = 7;
constexpr double kErrorRolloff = 1.5;
// Each tone sags a little, like a struck string rather than a held organ note.
constexpr double kErrorDecaySeconds = 0.1;

}  // namespace

PcmSound synthesizeHitSound() {
    std::vector<double> signal(samplesFor(kHitSeconds));
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double t = timeOf(i);
        for (const Partial& partial : kHitPartials) {
            signal[i] += partial.amplitude * std::exp(-t / partial.decaySeconds) *
                         std::sin(2.0 * std::numbers::pi * kHitFundamental * partial.ratio * t);
        }
    }
    applyFades(signal, 0.002, 0.015);
    return quantize(signal);
}

PcmSound synthesizeErrorSound() {
    std::vector<double> signal;
    for (const Tone& tone : kErrorTones) {
        std::vector<double> part(samplesFor(tone.seconds));
        for (std::size_t i = 0; i < part.size(); ++i) {
            const double t = timeOf(i);
            double value = 0.0;
            for (int k = 1; k <= kErrorHarmonics; ++k) {
                value += std::pow(k, -kErrorRolloff) *
                         std::sin(2.0 * std::numbers::pi * tone.frequency * k * t);
            }
            part[i] = value * std::exp(-t / kErrorDecaySeconds);
        }
        // Each tone fades on its own, so the two read as separate steps down.
        applyFades(part, 0.004, 0.012);
        signal.insert(signal.end(), part.begin(), part.end());
    }
    return quantize(signal);
}

}  // namespace quorvin::mkdata
