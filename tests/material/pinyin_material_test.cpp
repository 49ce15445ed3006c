// The Pinyin material: sound names the sound library can hold, readings that carry the tones
// of their sounds, spellings typed from them, and real alternative readings in the groups.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "built_material.h"
#include "faults.h"
#include "pinyin_marks.h"

namespace quorvin::material {
namespace {

constexpr std::string_view kPrefix = "MyPyWAV";

// "MyPyWAVzhong1" -> "zhong1"; empty unless it is a well-formed sound name.
std::string syllableOf(const std::string& sound) {
    if (!sound.starts_with(kPrefix)) return {};
    const std::string syllable = sound.substr(kPrefix.size());
    if (syllable.size() < 2 || syllable.back() < '1' || syllable.back() > '5') return {};
    const std::string letters = syllable.substr(0, syllable.size() - 1);
    if (letters.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos) return {};
    return syllable;
}

std::string withoutTone(const std::string& syllable) {
    return syllable.substr(0, syllable.size() - 1);
}

// Each entry of the four tables as the checks need it: its text, readings and sounds.
struct Entry {
    std::string where;
    std::string text;  // GBK
    std::string spelling;
    std::string reading;  // GBK
    std::vector<std::string> sounds;
};

struct Table {
    std::string name;
    std::vector<Entry> entries;
};

std::vector<Table> tablesOf(const data::PinyinTables& pinyin) {
    std::vector<Table> tables = {
        {"PYsTable", {}}, {"PYOneTable", {}}, {"PYTwoTable", {}}, {"PYMultiTable", {}}};
    const auto where = [](int n, const std::string& text) {
        return std::to_string(n) + " " + utf8(text) + ": ";
    };
    for (int t = 0; t < 2; ++t) {
        const auto& table = t == 0 ? pinyin.PYsTable : pinyin.PYOneTable;
        for (int n = 1; n < table.End(); ++n) {
            const auto& e = table[n];
            tables[static_cast<std::size_t>(t)].entries.push_back(
                {where(n, e.Char), e.Char, e.Spelling, e.Reading, {e.Sound}});
        }
    }
    for (int n = 1; n < pinyin.PYTwoTable.End(); ++n) {
        const auto& e = pinyin.PYTwoTable[n];
        tables[2].entries.push_back({where(n, e.Word), e.Word, e.Spelling, e.Reading,
                                     std::vector<std::string>(e.Sounds.begin(), e.Sounds.end())});
    }
    for (int n = 1; n < pinyin.PYMultiTable.End(); ++n) {
        const auto& e = pinyin.PYMultiTable[n];
        std::vector<std::string> sounds;
        for (const std::string& sound : e.Sounds) {
            if (!sound.empty()) sounds.push_back(sound);
        }
        tables[3].entries.push_back({where(n, e.Phrase), e.Phrase, e.Spelling, e.Reading, sounds});
    }
    return tables;
}

// The spelling typed for an entry: the syllables' letters, or for a phrase their initials.
std::string spellingFor(const std::string& table, const std::vector<std::string>& syllables) {
    std::string spelling;
    for (const std::string& syllable : syllables)
        spelling += table == "PYMultiTable" ? syllable.substr(0, 1) : withoutTone(syllable);
    return spelling;
}

// The reading shown for an entry: a word's syllables written as one, a phrase's apart.
std::string readingFor(const std::string& table, const std::vector<std::string>& syllables) {
    if (table != "PYMultiTable") return tonedWord(syllables);
    std::string reading;
    for (const std::string& syllable : syllables)
        reading += (reading.empty() ? "" : " ") + tonedSyllable(syllable);
    return reading;
}

class PinyinMaterial : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(material_.status(), data::DataFileStatus::Ok); }

    BuiltMaterial material_;
};

TEST(PinyinMarks, GoOnTheVowelTheRulesName) {
    const std::pair<const char*, const char*> cases[] = {
        {"zhong1", "zhōng"}, {"guo2", "guó"}, {"hao3", "hǎo"}, {"xie4", "xiè"}, {"lve4", "lüè"},
        {"nv3", "nǚ"},       {"lv2", "lǘ"},   {"gui4", "guì"}, {"liu2", "liú"}, {"zhou1", "zhōu"},
        {"de5", "de"},       {"er4", "èr"},   {"zhong", ""},   {"zh1", ""},
    };
    for (const auto& [sound, reading] : cases)
        EXPECT_EQ(tonedSyllable(sound), reading) << sound;
    EXPECT_EQ(tonedWord({"xi1", "an1"}), "xī'ān");
    EXPECT_EQ(tonedWord({"dong1", "xi5"}), "dōngxi");
}

TEST_F(PinyinMaterial, EverySoundNameIsTheSoundPrefixWithASyllableAndTone) {
    for (const Table& table : tablesOf(material_.pinyin())) {
        Faults faults(table.name);
        for (const Entry& entry : table.entries) {
            for (const std::string& sound : entry.sounds) {
                if (syllableOf(sound).empty()) faults.add(entry.where + "\"" + sound + "\"");
            }
        }
        faults.expectNone();
    }
}

TEST_F(PinyinMaterial, EachCharacterHasOneSyllableAndEachSpellingAndReadingFollowsFromThem) {
    for (const Table& table : tablesOf(material_.pinyin())) {
        Faults faults(table.name);
        for (const Entry& entry : table.entries) {
            std::vector<std::string> syllables;
            for (const std::string& sound : entry.sounds)
                syllables.push_back(syllableOf(sound));
            const std::size_t chars = gbkCharacters(entry.text).size();
            if (chars != syllables.size() || chars * 2 != entry.text.size()) {
                faults.add(entry.where + std::to_string(chars) + " characters, " +
                           std::to_string(syllables.size()) + " sounds");
                continue;
            }
            if (entry.spelling != spellingFor(table.name, syllables))
                faults.add(entry.where + "spelling \"" + entry.spelling + "\"");
            const std::string reading = readingFor(table.name, syllables);
            if (utf8(entry.reading) != reading) {
                faults.add(entry.where + "reading \"" + utf8(entry.reading) +
                           "\", the sounds give \"" + reading + "\"");
            }
        }
        faults.expectNone();
    }
}

TEST_F(PinyinMaterial, GroupsHoldTwoOrThreeDifferentReadingsOfOneCharacter) {
    const auto& pys = material_.pinyin().PYsTable;
    const auto& groups = material_.pinyin().PYsGroupTable;
    for (int g = 1; g <= data::PYsGroups::kCount; ++g) {
        const int members = g <= 17 ? 2 : 3;
        const int first = g <= 17 ? 2 * g - 1 : 35 + 3 * (g - 18);
        std::set<std::string> readings;
        for (int j = 0; j < members; ++j) {
            EXPECT_EQ(pys[first + j].Char, pys[first].Char) << "group " << g << " member " << j;
            readings.insert(groups[g].Readings[static_cast<std::size_t>(j)]);
        }
        EXPECT_EQ(readings.size(), static_cast<std::size_t>(members))
            << "group " << g << " (" << utf8(pys[first].Char) << ") repeats a reading";
        EXPECT_FALSE(readings.contains("")) << "group " << g;
    }
}

TEST_F(PinyinMaterial, ACharactersReadingsAreConsecutiveDistinctAndAtMostFour) {
    Faults faults("PYOneTable");
    const auto& one = material_.pinyin().PYOneTable;
    std::set<std::string> finished;
    for (int n = 1; n < one.End();) {
        const std::string& c = one[n].Char;
        const std::string where = std::to_string(n) + " " + utf8(c) + ": ";
        if (!finished.insert(c).second) faults.add(where + "its readings are not consecutive");
        std::set<std::string> readings;
        int run = 0;
        for (; n < one.End() && one[n].Char == c; ++n, ++run) {
            if (!readings.insert(one[n].Sound).second)
                faults.add(where + "reading " + utf8(one[n].Reading) + " twice");
        }
        // The hint gathers at most four readings of a character.
        if (run > 4) faults.add(where + std::to_string(run) + " readings");
    }
    faults.expectNone();
}

}  // namespace
}  // namespace quorvin::material
