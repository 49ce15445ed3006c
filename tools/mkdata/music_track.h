#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvin::mkdata {

// The background music is synthesised at half the CD rate: the soft timbres have nothing
// above 11 kHz worth keeping, and it halves both the work and the MP3 size.
inline constexpr std::uint32_t kMusicSampleRate = 22050;

// A mono mix being built, in floating point until mastering.
struct Track {
    std::vector<double> samples;

    explicit Track(double seconds) : samples(sampleAt(seconds)) {}

    static std::size_t sampleAt(double seconds) {
        return seconds <= 0.0 ? 0
                              : static_cast<std::size_t>(std::lround(seconds * kMusicSampleRate));
    }
    static double secondsAt(std::size_t sample) {
        return static_cast<double>(sample) / kMusicSampleRate;
    }
};

// Scores are written in beats; this places them in time.
struct Tempo {
    double beatsPerMinute;
    double beatsPerBar;

    double seconds(double beats) const { return beats * 60.0 / beatsPerMinute; }
    double barSeconds() const { return seconds(beatsPerBar); }
};

// Equal temperament, A4 = MIDI note 69 = 440 Hz.
inline double noteFrequency(double midiNote) {
    return 440.0 * std::exp2((midiNote - 69.0) / 12.0);
}

}  // namespace quorvin::mkdata
