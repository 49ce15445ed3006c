#include "mkdata/reverb.h"

#include <cmath>
#include <cstddef>

namespace quorvin::mkdata {

namespace {

// Parallel damped combs into series all-passes (the classic Schroeder/Moorer room), with
// mutually prime delays so that their echoes never line up into a flutter. The lengths are
// for 22.05 kHz: 25 to 37 ms combs, a room of a few metres.
constexpr std::size_t kCombDelays[] = {558, 594, 639, 678, 711, 746, 779, 809};
constexpr std::size_t kAllPassDelays[] = {278, 221, 171, 113};
constexpr double kCombFeedback = 0.8;
// Each echo loses some treble, as in a furnished room.
constexpr double kCombDamping = 0.35;
constexpr double kAllPassFeedback = 0.5;

void addComb(std::span<const double> in, std::span<double> out, std::size_t delay) {
    std::vector<double> line(delay, 0.0);
    std::size_t at = 0;
    double damped = 0.0;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const double delayed = line[at];
        damped = delayed * (1.0 - kCombDamping) + damped * kCombDamping;
        line[at] = in[i] + damped * kCombFeedback;
        out[i] += delayed;
        at = at + 1 == delay ? 0 : at + 1;
    }
}

void allPass(std::span<double> signal, std::size_t delay) {
    std::vector<double> line(delay, 0.0);
    std::size_t at = 0;
    for (double& sample : signal) {
        const double delayed = line[at];
        line[at] = sample + delayed * kAllPassFeedback;
        sample = delayed - sample;
        at = at + 1 == delay ? 0 : at + 1;
    }
}

double rms(std::span<const double> signal) {
    double sum = 0.0;
    for (const double value : signal) {
        sum += value * value;
    }
    return signal.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(signal.size()));
}

}  // namespace

std::vector<double> reverberate(std::span<const double> dry) {
    std::vector<double> wet(dry.size(), 0.0);
    for (const std::size_t delay : kCombDelays) {
        addComb(dry, wet, delay);
    }
    for (const std::size_t delay : kAllPassDelays) {
        allPass(wet, delay);
    }
    return wet;
}

void addReverb(std::span<double> mix, std::span<const double> send, double wetToSend) {
    const std::vector<double> wet = reverberate(send);
    const double wetLevel = rms(wet);
    if (wetLevel == 0.0) return;
    const double gain = wetToSend * rms(send) / wetLevel;
    for (std::size_t i = 0; i < mix.size() && i < wet.size(); ++i) {
        mix[i] += gain * wet[i];
    }
}

}  // namespace quorvin::mkdata
