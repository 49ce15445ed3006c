#include "mkdata/music_master.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "mkdata/music_track.h"

namespace quorvin::mkdata {

namespace {

// -4 dBFS.
constexpr double kPeak = 0.63;

double raisedCosine(double progress) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * progress);
}

}  // namespace

PcmSound masterMusic(std::span<double> mix, double fadeInSeconds, double fadeOutSeconds) {
    const std::size_t in = std::min(Track::sampleAt(fadeInSeconds), mix.size());
    for (std::size_t i = 0; i < in; ++i) {
        mix[i] *= raisedCosine(static_cast<double>(i) / in);
    }
    const std::size_t out = std::min(Track::sampleAt(fadeOutSeconds), mix.size());
    for (std::size_t i = 0; i < out; ++i) {
        mix[mix.size() - 1 - i] *= raisedCosine(static_cast<double>(i) / out);
    }

    double loudest = 0.0;
    for (const double value : mix) {
        loudest = std::max(loudest, std::abs(value));
    }
    const double gain = loudest > 0.0 ? kPeak * 32767.0 / loudest : 0.0;
    PcmSound sound{kMusicSampleRate, {}};
    sound.samples.reserve(mix.size());
    for (const double value : mix) {
        sound.samples.push_back(static_cast<std::int16_t>(std::lround(value * gain)));
    }
    return sound;
}

}  // namespace quorvin::mkdata
