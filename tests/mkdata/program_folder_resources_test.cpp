// The resource containers of the built program folder, checked against the tables of data-src/
// read here on their own.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/media_resources.h"
#include "drills/gif_decoder.h"
#include "pitch_track.h"
#include "program_folder.h"
#include "strip_reading.h"
#include "wave_analysis.h"

namespace quorvin::mkdata {
namespace {

using data::MediaResources;
using data::ResourceModule;

const std::filesystem::path kSources = std::filesystem::path(QUORVIN_SOURCE_DIR) / "data-src";

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

// The named columns of every row of a table of data-src/.
std::vector<std::vector<std::string>> columns(const std::string& table,
                                              const std::vector<std::string>& names) {
    std::ifstream in(kSources / table);
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> header = splitTabs(line);
    std::vector<std::size_t> at;
    for (const std::string& name : names) {
        const auto found = std::find(header.begin(), header.end(), name);
        if (found == header.end()) throw std::runtime_error(table + " has no " + name);
        at.push_back(static_cast<std::size_t>(found - header.begin()));
    }
    std::vector<std::vector<std::string>> rows;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        const std::vector<std::string> fields = splitTabs(line);
        std::vector<std::string> row;
        for (const std::size_t i : at)
            row.push_back(i < fields.size() ? fields[i] : "");
        rows.push_back(row);
    }
    return rows;
}

std::set<std::string> soundNames() {
    std::set<std::string> names;
    for (const auto& [table, column] :
         {std::pair{"PYs.tsv", "sound"}, std::pair{"PYOne.tsv", "sound"},
          std::pair{"PYTwo.tsv", "sounds"}, std::pair{"PYMulti.tsv", "sounds"}}) {
        for (const auto& row : columns(table, {column})) {
            std::stringstream syllables(row[0]);
            for (std::string syllable; syllables >> syllable;)
                names.insert("MyPyWAV" + syllable);
        }
    }
    return names;
}

// The full code of each character of wbOne.tsv, by position from 1: its longest code.
std::vector<std::string> fullCodes() {
    std::vector<std::string> codes = {""};
    for (const auto& row : columns("wbOne.tsv", {"code1", "code2", "code3", "code4"})) {
        codes.push_back(*std::max_element(row.begin(), row.end(), [](const auto& a, const auto& b) {
            return a.size() < b.size();
        }));
    }
    return codes;
}

class ProgramFolderResources : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto folder = quorvin::testing::builtProgramFolder();
        if (!std::filesystem::exists(folder / data::kWbrc2File)) {
            GTEST_SKIP() << "the program folder has not been built";
        }
        ASSERT_TRUE(media_.load(folder));
    }

    test::ParsedWave sound(const std::string& name) const {
        return test::parseWave(media_.sound(name));
    }

    MediaResources media_;
};

TEST_F(ProgramFolderResources, EverySyllableOfThePinyinTablesCanBeHeard) {
    const std::set<std::string> names = soundNames();
    ASSERT_GT(names.size(), 1000u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const test::ParsedWave wave = sound(name);
        ASSERT_EQ(wave.error, "");
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.sampleRate, 22050u);
        // The neutral tone is short and light; the full tones take a good fifth of a second and
        // end before the second syllable of a word starts, 450 ms after the first (a few of the
        // longest just after).
        const bool neutral = name.back() == '5';
        EXPECT_GE(durationMs(wave), neutral ? 100.0 : 150.0);
        EXPECT_LE(durationMs(wave), 600.0);
        const std::span<const std::int16_t> samples = wave.samples;
        EXPECT_GT(test::decibels(test::rmsLevel(samples)), -24.0);
        EXPECT_LE(test::decibels(test::peakLevel(samples)), -2.9);
        // Starts and stops without a click.
        const auto edge = static_cast<std::size_t>(wave.sampleRate / 1000);
        EXPECT_LT(test::peakLevel(samples.first(edge)), 0.05 * test::peakLevel(samples));
        EXPECT_LT(test::peakLevel(samples.last(edge)), 0.05 * test::peakLevel(samples));
    }
}

TEST_F(ProgramFolderResources, TheTonesOfMaHaveTheirPitchContours) {
    const auto track = [&](const std::string& syllable) {
        const test::ParsedWave wave = sound("MyPyWAV" + syllable);
        EXPECT_EQ(wave.error, "") << syllable;
        const std::vector<double> pitch = test::pitchTrack(wave.samples, wave.sampleRate);
        EXPECT_GE(pitch.size(), 6u) << syllable << " is hardly voiced";
        return pitch;
    };
    const std::vector<double> high = track("ma1");
    const std::vector<double> rising = track("ma2");
    const std::vector<double> dipping = track("ma3");
    const std::vector<double> falling = track("ma4");
    const std::vector<double> neutral = track("ma5");
    ASSERT_GE(
        std::min({high.size(), rising.size(), dipping.size(), falling.size(), neutral.size()}), 6u);
    const auto third = [](const std::vector<double>& pitch, std::size_t which) {
        const std::size_t n = pitch.size() / 3;
        return test::meanOf(std::span(pitch).subspan(which * n, n));
    };
    const double level = test::meanOf(high);

    // First tone: high and level, within three semitones.
    const auto [lowest, highest] = std::minmax_element(high.begin(), high.end());
    EXPECT_LT(*highest / *lowest, 1.2) << *lowest << " to " << *highest << " Hz";
    // Second: rising by more than two semitones.
    EXPECT_GT(third(rising, 2), 1.15 * third(rising, 0));
    // Third: dipping well below the first.
    EXPECT_LT(*std::min_element(dipping.begin(), dipping.end()), 0.85 * level);
    // Fourth: from as high as the first, falling.
    const double top = *std::max_element(falling.begin(), falling.end());
    EXPECT_GT(top, 0.9 * level);
    EXPECT_LT(falling.back(), 0.85 * top);
    // Neutral: low and light.
    EXPECT_LT(test::meanOf(neutral), 0.8 * level);
}

TEST_F(ProgramFolderResources, EveryAnimationNumberHasItsAnimationInTheRightContainer) {
    const std::size_t positions = fullCodes().size() - 1;
    ASSERT_GT(positions, 3500u) << "both containers are used";
    std::set<std::int32_t> numbers;
    for (std::size_t n = 1; n <= positions; ++n)
        numbers.insert(static_cast<std::int32_t>(n));
    for (const char* table : {"wbs.tsv", "wb2.tsv"}) {
        for (const auto& row : columns(table, {"animation"}))
            numbers.insert(std::stoi(row[0]));
    }
    EXPECT_EQ(numbers.size(), positions) << "wbs.tsv and wb2.tsv name positions of wbOne.tsv";

    for (const std::int32_t n : numbers) {
        SCOPED_TRACE(n);
        const std::string name = data::animationResourceName(n);
        const bool first = n < data::kFirstWbrc2Animation;
        const auto bytes = media_.fetch(first ? ResourceModule::Wbrc1 : ResourceModule::Wbrc2,
                                        data::kAnimationType, name);
        ASSERT_GT(bytes.size(), 6u);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");
        EXPECT_LE(bytes.size(), 2048u);
        EXPECT_TRUE(media_
                        .fetch(first ? ResourceModule::Wbrc2 : ResourceModule::Wbrc1,
                               data::kAnimationType, name)
                        .empty());
    }
    EXPECT_TRUE(media_.animation(static_cast<std::int32_t>(positions + 1)).empty());
}

TEST_F(ProgramFolderResources, AnimationsTypeTheFullCodeOfTheirCharacter) {
    const std::vector<std::string> codes = fullCodes();
    std::vector<std::size_t> sample = {1, 2, 3499, 3500, codes.size() - 1};
    for (std::size_t n = 5; n < codes.size(); n += 97)
        sample.push_back(n);
    for (const std::size_t n : sample) {
        SCOPED_TRACE(n);
        const auto picture = drills::decodeGif(media_.animation(static_cast<std::int32_t>(n)));
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->width, 225);
        EXPECT_EQ(picture->height, 41);
        EXPECT_EQ(test::typedLetters(*picture), codes[n]);
    }
}

TEST_F(ProgramFolderResources, ContainersStaySmall) {
    const auto folder = quorvin::testing::builtProgramFolder();
    for (const auto file : {data::kWbrc1File, data::kWbrc2File}) {
        EXPECT_LE(std::filesystem::file_size(folder / file), 7u << 20) << file;
    }
    EXPECT_LE(std::filesystem::file_size(folder / data::kWavResFile), 20u << 20);
}

}  // namespace
}  // namespace quorvin::mkdata
