#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvin::test {

// A WAVE file read back independently of the code that wrote it.
struct ParsedWave {
    std::string error;  // empty when the file is well formed
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::int16_t> samples;  // only for 16-bit PCM
};

inline std::uint32_t le(std::span<const std::uint8_t> bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + i];
    }
    return value;
}

inline bool tagAt(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag) {
    return std::equal(tag.begin(), tag.end(), bytes.begin() + at);
}

inline ParsedWave parseWave(std::span<const std::uint8_t> file) {
    ParsedWave wave;
    const auto fail = [&](std::string why) {
        wave.error = std::move(why);
        return wave;
    };
    if (file.size() < 12 || !tagAt(file, 0, "RIFF") || !tagAt(file, 8, "WAVE")) {
        return fail("no RIFF/WAVE header");
    }
    if (le(file, 4, 4) + 8 != file.size()) return fail("RIFF size disagrees with the file");

    bool haveFormat = false;
    bool haveData = false;
    std::size_t at = 12;
    while (at < file.size()) {
        if (file.size() - at < 8) return fail("chunk header cut short");
        const std::uint32_t size = le(file, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > file.size() - body) return fail("chunk runs past the end");
        if (tagAt(file, at, "fmt ")) {
            if (size < 16) return fail("fmt chunk too small");
            wave.format = static_cast<std::uint16_t>(le(file, body, 2));
            wave.channels = static_cast<std::uint16_t>(le(file, body + 2, 2));
            wave.sampleRate = le(file, body + 4, 4);
            const std::uint32_t byteRate = le(file, body + 8, 4);
            const std::uint32_t blockAlign = le(file, body + 12, 2);
            wave.bitsPerSample = static_cast<std::uint16_t>(le(file, body + 14, 2));
            if (blockAlign != wave.channels * wave.bitsPerSample / 8u) return fail("block align");
            if (byteRate != wave.sampleRate * blockAlign) return fail("byte rate");
            haveFormat = true;
        } else if (tagAt(file, at, "data")) {
            if (!haveFormat) return fail("data before fmt");
            if (wave.format != 1 || wave.bitsPerSample != 16) return fail("not 16-bit PCM");
            if (size % (2u * wave.channels) != 0) return fail("data is not whole frames");
            for (std::size_t i = 0; i < size; i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(le(file, body + i, 2)));
            }
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (at != file.size()) return fail("padding runs past the end");
    if (!haveData) return fail("no data chunk");
    return wave;
}

inline double durationMs(const ParsedWave& wave) {
    return 1000.0 * static_cast<double>(wave.samples.size()) / wave.sampleRate;
}

// Levels relative to full scale, 1.0 = 32768.
inline double peakLevel(std::span<const std::int16_t> samples) {
    int peak = 0;
    for (const std::int16_t s : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    return peak / 32768.0;
}

inline double rmsLevel(std::span<const std::int16_t> samples) {
    double sum = 0.0;
    for (const std::int16_t s : samples) {
        sum += static_cast<double>(s) * s;
    }
    return std::sqrt(sum / static_cast<double>(samples.size())) / 32768.0;
}

inline double decibels(double level) {
    return 20.0 * std::log10(level);
}

// Goertzel power of one frequency over the whole span.
inline double powerAt(std::span<const std::int16_t> samples, double frequency, double rate) {
    const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / rate);
    double previous = 0.0;
    double beforePrevious = 0.0;
    for (const std::int16_t s : samples) {
        const double current = s + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    return previous * previous + beforePrevious * beforePrevious -
           coefficient * previous * beforePrevious;
}

// The strongest frequency between 50 Hz and 6 kHz, to 5 Hz.
inline double dominantFrequency(std::span<const std::int16_t> samples, double rate) {
    double best = 0.0;
    double bestPower = -1.0;
    for (double f = 50.0; f <= 6000.0; f += 5.0) {
        const double power = powerAt(samples, f, rate);
        if (power > bestPower) {
            bestPower = power;
            best = f;
        }
    }
    return best;
}

}  // namespace quorvin::test
