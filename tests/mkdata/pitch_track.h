#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvin::test {

// The voice's pitch every 10 ms where it is voiced, in Hz: normalised autocorrelation over
// 25 ms windows (short enough to follow a falling tone), 60 to 250 Hz: a low voice. The shortest
// lag that correlates almost as well as the best is taken, so a period is never mistaken for its
// double (the octave below).
inline std::vector<double> pitchTrack(std::span<const std::int16_t> samples, double rate) {
    const auto window = static_cast<std::size_t>(0.025 * rate);
    const auto hop = static_cast<std::size_t>(0.010 * rate);
    const auto shortestLag = static_cast<std::size_t>(rate / 250);
    const auto longestLag = static_cast<std::size_t>(rate / 60);
    const auto energy = [&](std::size_t from) {
        double sum = 0.0;
        for (std::size_t i = from; i < from + window; ++i)
            sum += double(samples[i]) * samples[i];
        return sum;
    };

    double loudest = 0.0;
    for (std::size_t at = 0; at + window + longestLag <= samples.size(); at += hop) {
        loudest = std::max(loudest, energy(at));
    }
    std::vector<double> track;
    for (std::size_t at = 0; at + window + longestLag <= samples.size(); at += hop) {
        const double own = energy(at);
        if (own < 0.03 * loudest) continue;  // quiet: a consonant or the fading end
        std::vector<double> correlation(longestLag + 1, 0.0);
        double best = 0.0;
        for (std::size_t lag = shortestLag; lag <= longestLag; ++lag) {
            double product = 0.0;
            for (std::size_t i = at; i < at + window; ++i)
                product += double(samples[i]) * samples[i + lag];
            const double shifted = energy(at + lag);
            correlation[lag] = product / std::sqrt(own * shifted + 1.0);
            best = std::max(best, correlation[lag]);
        }
        if (best < 0.5) continue;  // not voiced
        for (std::size_t lag = shortestLag + 1; lag < longestLag; ++lag) {
            // The first peak close to the best one.
            if (correlation[lag] >= 0.9 * best && correlation[lag] >= correlation[lag - 1] &&
                correlation[lag] >= correlation[lag + 1]) {
                track.push_back(rate / static_cast<double>(lag));
                break;
            }
        }
    }
    return track;
}

inline double meanOf(std::span<const double> values) {
    double sum = 0.0;
    for (const double v : values)
        sum += v;
    return sum / static_cast<double>(values.size());
}

}  // namespace quorvin::test
