#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "mkdata/speech_cleanup.h"
#include "mkdata/wave_file.h"
#include "mkdata/wave_reader.h"
#include "wave_analysis.h"

namespace quorvin::mkdata {
namespace {

constexpr std::uint32_t kRate = 22050;

// Silence, a 200 Hz tone of the given seconds and amplitude, silence.
PcmSound tonePadded(double silenceBefore, double seconds, double silenceAfter, double amplitude) {
    PcmSound sound{kRate, {}};
    const auto count = [](double s) { return static_cast<std::size_t>(std::lround(s * kRate)); };
    sound.samples.assign(count(silenceBefore), 0);
    for (std::size_t i = 0; i < count(seconds); ++i) {
        const double t = static_cast<double>(i) / kRate;
        sound.samples.push_back(static_cast<std::int16_t>(
            std::lround(amplitude * 32767 * std::sin(2 * std::numbers::pi * 200 * t))));
    }
    sound.samples.insert(sound.samples.end(), count(silenceAfter), 0);
    return sound;
}

TEST(WaveReader, ReadsBackWhatTheWriterWrote) {
    const PcmSound sound{16000, {0, 1, -1, 32767, -32768, 1234}};
    const PcmSound read = decodeWave(encodeWave(sound));
    EXPECT_EQ(read.sampleRate, 16000u);
    EXPECT_EQ(read.samples, sound.samples);
}

TEST(WaveReader, RefusesWhatIsNotCompleteMonoPcm) {
    const auto good = encodeWave({22050, {1, 2, 3, 4}});
    const auto changed = [&](std::size_t at, std::uint8_t value) {
        auto bytes = good;
        bytes[at] = value;
        return bytes;
    };
    auto cut = good;
    cut.resize(cut.size() - 3);  // the data chunk runs past the end
    auto headerOnly = good;
    headerOnly.resize(36);  // no data chunk
    const std::vector<std::vector<std::uint8_t>> bad = {
        {},
        {'R', 'I', 'F', 'F'},
        changed(8, 'X'),    // not WAVE
        changed(20, 3),     // float samples
        changed(22, 2),     // stereo
        changed(34, 8),     // 8-bit
        changed(40, 0xFF),  // data size far past the end
        cut,
        headerOnly,
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_THROW(decodeWave(bad[i]), std::runtime_error) << i;
    }
}

TEST(SpeechCleanup, CutsTheSilenceAwayKeepingTenMillisecondsEachSide) {
    const PcmSound recording = tonePadded(0.2, 0.3, 0.4, 0.3);
    const PcmSound clean = cleanUpSpeech(recording);
    EXPECT_EQ(clean.sampleRate, kRate);
    EXPECT_NEAR(1000.0 * static_cast<double>(clean.samples.size()) / kRate, 300.0 + 2 * 10.0, 1.0);
}

TEST(SpeechCleanup, KeepsQuietBreathAtTheEdges) {
    // A breath at -40 dB from the peak before the voice is speech, not silence.
    PcmSound recording = tonePadded(0.1, 0.05, 0.0, 0.01);
    const PcmSound voice = tonePadded(0.0, 0.2, 0.1, 1.0);
    recording.samples.insert(recording.samples.end(), voice.samples.begin(), voice.samples.end());
    const PcmSound clean = cleanUpSpeech(recording);
    EXPECT_NEAR(static_cast<double>(clean.samples.size()) / kRate, 0.05 + 0.2 + 0.02, 0.002);
}

TEST(SpeechCleanup, BringsQuietAndLoudRecordingsToOneLevelWithoutClicks) {
    for (const double amplitude : {0.02, 0.3, 1.0}) {
        SCOPED_TRACE(amplitude);
        const PcmSound clean = cleanUpSpeech(tonePadded(0.1, 0.3, 0.1, amplitude));
        const std::span<const std::int16_t> samples = clean.samples;
        // A steady sine has a crest of 3 dB: the RMS target (-18 dBFS) decides, not the peak.
        EXPECT_NEAR(test::decibels(test::rmsLevel(samples)), kSpeechRmsDb, 0.5);
        EXPECT_LE(test::decibels(test::peakLevel(samples)), kSpeechPeakDb + 0.01);
        const auto edge = static_cast<std::size_t>(kRate / 1000);  // 1 ms
        EXPECT_LT(test::peakLevel(samples.first(edge)), 0.05 * test::peakLevel(samples));
        EXPECT_LT(test::peakLevel(samples.last(edge)), 0.05 * test::peakLevel(samples));
    }
}

TEST(SpeechCleanup, APeakyRecordingIsHeldBelowTheCeiling) {
    // One loud click in quiet speech: lifting the RMS to -18 dBFS would clip it.
    PcmSound recording = tonePadded(0.05, 0.3, 0.05, 0.02);
    recording.samples[recording.samples.size() / 2] = 30000;
    const PcmSound clean = cleanUpSpeech(recording);
    EXPECT_NEAR(test::decibels(test::peakLevel(clean.samples)), kSpeechPeakDb, 0.1);
    EXPECT_LT(test::decibels(test::rmsLevel(clean.samples)), kSpeechRmsDb - 6);
}

TEST(SpeechCleanup, RefusesASilentRecording) {
    EXPECT_THROW(cleanUpSpeech({kRate, std::vector<std::int16_t>(1000, 0)}), std::runtime_error);
    EXPECT_THROW(cleanUpSpeech({kRate, {}}), std::runtime_error);
}

}  // namespace
}  // namespace quorvin::mkdata
