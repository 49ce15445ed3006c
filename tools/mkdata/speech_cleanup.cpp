#include "mkdata/speech_cleanup.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace quorvin::mkdata {

namespace {

// Speech is whatever rises above -50 dB from the loudest sample: quiet enough to keep the
// breath of an "h" or "s" and the end of a nasal, far above the synthesiser's silence.
constexpr double kSpeechThresholdDb = -50.0;
constexpr double kMarginSeconds = 0.010;
constexpr double kFadeInSeconds = 0.010;
constexpr double kFadeOutSeconds = 0.030;

double fromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

std::size_t samplesFor(double seconds, std::uint32_t rate) {
    return static_cast<std::size_t>(std::lround(seconds * rate));
}

double ramp(double progress) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * progress);
}

}  // namespace

PcmSound cleanUpSpeech(const PcmSound& recording) {
    const auto& in = recording.samples;
    int peak = 0;
    for (const std::int16_t s : in)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    if (peak == 0) throw std::runtime_error("the recording is silent");

    const double threshold = peak * fromDb(kSpeechThresholdDb);
    const auto loud = [&](std::int16_t s) { return std::abs(static_cast<int>(s)) >= threshold; };
    const std::size_t first =
        static_cast<std::size_t>(std::find_if(in.begin(), in.end(), loud) - in.begin());
    const std::size_t last =
        in.size() - 1 -
        static_cast<std::size_t>(std::find_if(in.rbegin(), in.rend(), loud) - in.rbegin());
    const std::size_t margin = samplesFor(kMarginSeconds, recording.sampleRate);
    const std::size_t begin = first > margin ? first - margin : 0;
    const std::size_t end = std::min(in.size(), last + 1 + margin);

    std::vector<double> speech(in.begin() + static_cast<std::ptrdiff_t>(begin),
                               in.begin() + static_cast<std::ptrdiff_t>(end));
    const std::size_t fadeIn =
        std::min(samplesFor(kFadeInSeconds, recording.sampleRate), speech.size());
    for (std::size_t i = 0; i < fadeIn; ++i)
        speech[i] *= ramp(static_cast<double>(i) / fadeIn);
    const std::size_t fadeOut =
        std::min(samplesFor(kFadeOutSeconds, recording.sampleRate), speech.size());
    for (std::size_t i = 0; i < fadeOut; ++i) {
        speech[speech.size() - 1 - i] *= ramp(static_cast<double>(i) / fadeOut);
    }

    double sumOfSquares = 0.0;
    double loudest = 0.0;
    for (const double s : speech) {
        sumOfSquares += s * s;
        loudest = std::max(loudest, std::abs(s));
    }
    const double rms = std::sqrt(sumOfSquares / static_cast<double>(speech.size()));
    const double gain =
        std::min(fromDb(kSpeechRmsDb) * 32767.0 / rms, fromDb(kSpeechPeakDb) * 32767.0 / loudest);

    PcmSound out{recording.sampleRate, {}};
    out.samples.reserve(speech.size());
    for (const double s : speech)
        out.samples.push_back(static_cast<std::int16_t>(std::lround(s * gain)));
    return out;
}

}  // namespace quorvin::mkdata
