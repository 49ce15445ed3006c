#include "mkdata/synth_drums.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace quorvin::mkdata {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::span<double> window(Track& track, double startSeconds, double seconds) {
    const std::size_t start = Track::sampleAt(startSeconds);
    if (start >= track.samples.size()) return {};
    const std::size_t length = std::min(Track::sampleAt(seconds), track.samples.size() - start);
    return std::span(track.samples).subspan(start, length);
}

double attack(double t, double seconds) {
    return t >= seconds ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * t / seconds);
}

// xorshift32: tiny, and the same sequence on every platform, unlike the standard
// distributions.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}

    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t state_;
};

}  // namespace

void addKick(Track& track, double startSeconds, double gain) {
    constexpr double kLowHz = 48.0;
    constexpr double kDropHz = 70.0;
    constexpr double kDropSeconds = 0.035;
    constexpr double kDecaySeconds = 0.14;
    const std::span<double> out = window(track, startSeconds, 0.6);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Track::secondsAt(i);
        const double frequency = kLowHz + kDropHz * std::exp(-t / kDropSeconds);
        out[i] += gain * attack(t, 0.004) * std::exp(-t / kDecaySeconds) * std::sin(phase);
        phase += kTwoPi * frequency / kMusicSampleRate;
    }
}

void addShaker(Track& track, double startSeconds, double gain, std::uint32_t seed) {
    constexpr double kDecaySeconds = 0.03;
    // One-pole high-pass and low-pass around 2-4 kHz: a soft hiss without the fizz.
    constexpr double kHighPass = 0.45;
    constexpr double kLowPass = 0.35;
    // The filters keep only a sliver of the noise's band; this brings a hit back to about
    // full scale at gain 1.
    constexpr double kMakeUp = 4.0;
    const std::span<double> out = window(track, startSeconds, 0.25);
    Noise noise(seed);
    double previousIn = 0.0;
    double high = 0.0;
    double low = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Track::secondsAt(i);
        const double in = noise.next();
        high = kHighPass * (high + in - previousIn);
        previousIn = in;
        low += kLowPass * (high - low);
        out[i] += kMakeUp * gain * attack(t, 0.006) * std::exp(-t / kDecaySeconds) * low;
    }
}

}  // namespace quorvin::mkdata
