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

// Whether a pitch track has the contour of its tone, against the level of a first tone of the
// same voice: first high and level, second rising by more than two semitones, third dipping
// well below the level, fourth from about the level falling, neutral low.
void expectToneContour(const std::string& syllable, const std::vector<double>& pitch,
                       double level) {
    SCOPED_TRACE(syllable);
    ASSERT_GE(pitch.size(), 6u) << "hardly voiced";
    const std::size_t n = pitch.size() / 3;
    const std::span<const double> first = std::span(pitch).first(n),
                                  last = std::span(pitch).last(n);
    const auto [lowest, highest] = std::minmax_element(pitch.begin(), pitch.end());
    switch (syllable.back()) {
        case '1':
            EXPECT_LT(*highest / *lowest, 1.2) << *lowest << " to " << *highest << " Hz";
            break;
        case '2':
            // Some rise only late (cong2, chong2): the end against the start.
            EXPECT_GT(*std::max_element(last.begin(), last.end()),
                      1.15 * *std::min_element(first.begin(), first.end()));
            break;
        case '3':
            EXPECT_LT(*lowest, 0.85 * level);
            break;
        case '4':
            EXPECT_GT(*highest, 0.9 * level);
            EXPECT_LT(pitch.back(), 0.85 * *highest);
            break;
        default:
            EXPECT_LT(test::meanOf(pitch), 0.8 * level);
    }
}

TEST_F(ProgramFolderResources, SyllablesHaveThePitchContoursOfTheirTones) {
    const auto track = [&](const std::string& syllable) {
        const test::ParsedWave wave = sound("MyPyWAV" + syllable);
        EXPECT_EQ(wave.error, "") << syllable;
        return test::pitchTrack(wave.samples, wave.sampleRate);
    };
    const std::vector<double> high = track("ma1");
    ASSERT_GE(high.size(), 6u);
    const double level = test::meanOf(high);
    // The five tones of ma, then the tones of readings the tables once had wrong (只要 zhǐ,
    // 成绩 jì, 应用 yìng, 模样 mú, 相差 chà, 着想 zhuó, 朝夕相处 chǔ, 大为 wéi, 电荷 hè, 白发 fà,
    // 投奔 bèn, 混蛋 hún, 曲艺 qǔ, 转速 zhuàn, 事情 qing, 暖和 huo, 笑话 hua …).
    for (const char* syllable :
         {"ma1",  "ma2",    "ma3",    "ma4",   "ma5",    "zhi3",  "ji4",  "ying4", "dang4",
          "mu2",  "cha4",   "zhong4", "ning4", "kuang4", "cong2", "wei3", "zhuo2", "chu3",
          "wei2", "he4",    "fa4",    "ji1",   "za1",    "ben4",  "hun2", "zai4",  "zai3",
          "qu3",  "zhuan4", "chong2", "qing5", "huo5",   "hua5"}) {
        expectToneContour(syllable, track(syllable), level);
    }
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
