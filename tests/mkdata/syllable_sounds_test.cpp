#include "mkdata/syllable_sounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "mkdata/pinyin_syllables.h"
#include "mkdata/syllable_voice.h"
#include "mkdata/wave_file.h"
#include "program_folder.h"
#include "small_sources.h"
#include "wave_analysis.h"

namespace quorvin::mkdata {
namespace {

using quorvin::testing::TempProgramFolder;

// The Pinyin tables, a few lines each, in a folder of their own.
class PinyinSources : public ::testing::Test {
  protected:
    void SetUp() override { test::writeSmallSources(sources_); }

    TempProgramFolder sources_;
};

TEST_F(PinyinSources, EverySyllableOfTheFourTablesOnceInOrder) {
    EXPECT_EQ(
        pinyinTableSyllables(sources_.path()),
        (std::vector<std::string>{"de5", "di4", "guo2", "kou3", "lv4", "qi4", "yi1", "zhong1"}));
}

TEST_F(PinyinSources, AFieldThatIsNoSyllablesNamesItsTableAndLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"zhong guo", "PYTwo.tsv line 3"},  // no tones
        {"zhong1  guo2", "PYTwo.tsv line 3"},
        {"zhong1 guo2 ", "PYTwo.tsv line 3"},
        {"Zhong1 guo2", "PYTwo.tsv line 3"},
        {"zhong6 guo2", "PYTwo.tsv line 3"},
        {"", "PYTwo.tsv line 3"},
    };
    for (const auto& [sounds, where] : cases) {
        SCOPED_TRACE(sounds);
        sources_.write("PYTwo.tsv",
                       "word\tspelling\treading\tsounds\n"
                       "中国\tzhongguo\tzhōngguó\tzhong1 guo2\n"
                       "中国\tzhongguo\tzhōngguó\t" +
                           sounds + "\n");
        try {
            pinyinTableSyllables(sources_.path());
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(where), std::string::npos) << error.what();
        }
    }
    sources_.write("PYTwo.tsv", "word\tspelling\treading\n");
    EXPECT_THROW(pinyinTableSyllables(sources_.path()), std::runtime_error);
}

TEST(SyllableVoice, SpeaksEachSyllableOnceAndKeepsIt) {
    TempProgramFolder cache;
    const std::vector<std::string> syllables = {"ma1", "lv4"};
    const std::vector<PcmSound> first = speakSyllables(syllables, cache.path());
    ASSERT_EQ(first.size(), 2u);
    for (const PcmSound& recording : first) {
        EXPECT_EQ(recording.sampleRate, 22050u);
        EXPECT_GT(recording.samples.size(), 22050u / 10);
        EXPECT_GT(test::peakLevel(recording.samples), 0.1);
    }
    EXPECT_NE(first[0].samples, first[1].samples);

    // The recordings are kept by syllable; nothing half-written stays behind.
    const auto folder = syllableCacheFolder(cache.path());
    std::vector<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        kept.push_back(entry.path().filename().string());
    }
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<std::string>{"lv4.wav", "ma1.wav"}));

    // A kept recording is used as it is: espeak-ng is not asked again.
    const PcmSound marker{22050, {1, 2, 3, 4, 5}};
    const auto markerBytes = encodeWave(marker);
    std::ofstream(folder / "ma1.wav", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(markerBytes.data()),
               static_cast<std::streamsize>(markerBytes.size()));
    const std::vector<PcmSound> again = speakSyllables(syllables, cache.path());
    EXPECT_EQ(again[0].samples, marker.samples);
    EXPECT_EQ(again[1].samples, first[1].samples);
}

TEST(SyllableVoice, SameSyllableSameRecording) {
    TempProgramFolder firstCache;
    TempProgramFolder secondCache;
    const std::vector<std::string> syllables = {"shi4"};
    EXPECT_EQ(speakSyllables(syllables, firstCache.path())[0].samples,
              speakSyllables(syllables, secondCache.path())[0].samples);
}

TEST(SyllableVoice, ASyllableItCannotSayFailsTheBuildByName) {
    // espeak-ng spells what is no Pinyin syllable as English letters; "ma" lacks a tone and
    // "../ma1" would leave the cache.
    for (const std::string bad : {"xyz3", "ma", "../ma1", "qqq1"}) {
        SCOPED_TRACE(bad);
        TempProgramFolder cache;
        const std::vector<std::string> syllables = {"ma1", bad};
        try {
            speakSyllables(syllables, cache.path());
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(bad), std::string::npos) << error.what();
        }
        const auto folder = syllableCacheFolder(cache.path());
        EXPECT_FALSE(std::filesystem::exists(folder / (bad + ".wav")));
    }
}

TEST_F(PinyinSources, EverySyllableBecomesAPronunciationEntry) {
    TempProgramFolder cache;
    const std::vector<ContainerEntry> entries = syllableSounds(sources_.path(), cache.path());
    std::vector<std::string> names;
    for (const ContainerEntry& entry : entries) {
        names.push_back(entry.name);
        const test::ParsedWave wave = test::parseWave(entry.bytes);
        EXPECT_EQ(wave.error, "") << entry.name;
        EXPECT_EQ(wave.sampleRate, 22050u) << entry.name;
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"WAV/MyPyWAVde5", "WAV/MyPyWAVdi4", "WAV/MyPyWAVguo2",
                                        "WAV/MyPyWAVkou3", "WAV/MyPyWAVlv4", "WAV/MyPyWAVqi4",
                                        "WAV/MyPyWAVyi1", "WAV/MyPyWAVzhong1"}));
}

}  // namespace
}  // namespace quorvin::mkdata
