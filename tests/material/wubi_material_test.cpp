// The Wubi material against the rules of Wubi 86: short codes are prefixes of the full code,
// word and phrase codes follow from their characters' full codes, and every animation number
// names the character's position in WbOneTable.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "built_material.h"
#include "data/fixed_columns.h"
#include "faults.h"

namespace quorvin::material {
namespace {

struct Character {
    int position = 0;  // in WbOneTable, also its animation number
    std::string fullCode;
    std::vector<std::string> codes;
};

bool isWubiCode(const std::string& code) {
    return !code.empty() && code.size() <= 4 &&
           code.find_first_not_of("abcdefghijklmnopqrstuvwxy") == std::string::npos;
}

std::string letters(const std::string& code, std::size_t count) {
    return code.substr(0, count);
}

// A word's code from its characters' full codes: two characters take two letters of each;
// three the first letter of the first two and two of the third; four or more the first
// letter of the first three and of the last.
std::string wordCode(const std::vector<std::string>& full) {
    const std::size_t n = full.size();
    if (n == 2) return letters(full[0], 2) + letters(full[1], 2);
    if (n == 3) return letters(full[0], 1) + letters(full[1], 1) + letters(full[2], 2);
    return letters(full[0], 1) + letters(full[1], 1) + letters(full[2], 1) +
           letters(full[n - 1], 1);
}

class WubiMaterial : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(material_.status(), data::DataFileStatus::Ok);
        const auto& one = material_.wubi().WbOneTable;
        for (int n = 1; n < one.End(); ++n) {
            Character character{n, "", {}};
            for (const std::string& code : one[n].Codes) {
                if (code.empty()) break;
                character.codes.push_back(code);
                if (code.size() > character.fullCode.size()) character.fullCode = code;
            }
            characters_.emplace(one[n].Char, character);
        }
    }

    const Character* find(const std::string& gbkChar) const {
        const auto it = characters_.find(gbkChar);
        return it == characters_.end() ? nullptr : &it->second;
    }

    // The code the rules give the text, or a fault.
    std::string ruleCode(const std::string& gbkText, std::string& fault) const {
        std::vector<std::string> full;
        for (const std::string& c : gbkCharacters(gbkText)) {
            const Character* character = find(c);
            if (character == nullptr) {
                fault = utf8(c) + " is not in WbOneTable";
                return {};
            }
            full.push_back(character->fullCode);
        }
        return wordCode(full);
    }

    BuiltMaterial material_;
    std::map<std::string, Character> characters_;
};

TEST(WubiWordCodeRules, TakeLettersByTheNumberOfCharacters) {
    // Made-up full codes: only which letters are taken matters.
    EXPECT_EQ(wordCode({"xcag", "iyjh"}), "xciy");
    EXPECT_EQ(wordCode({"yfh", "thaj", "smwn"}), "ytsm");
    EXPECT_EQ(wordCode({"khk", "wxfb", "wwww", "nav"}), "kwwn");
    EXPECT_EQ(wordCode({"khk", "wxfb", "wwww", "nav", "awu", "tkg", "lgyi"}), "kwwl");
}

TEST_F(WubiMaterial, WbOneHasEachCharacterOnceWithCodesShortestFirstAndTheFullCodeLast) {
    Faults faults("WbOneTable");
    const auto& one = material_.wubi().WbOneTable;
    const auto& wb1 = material_.wubi().Wb1Table;
    std::set<std::string> levelOne;
    for (std::int64_t i = 0; i < wb1.count(); ++i)
        levelOne.emplace(wb1.record(i).substr(0, 2));
    std::set<std::string> seen;
    for (int n = 1; n < one.End(); ++n) {
        const auto& entry = one[n];
        const std::string where = std::to_string(n) + " " + utf8(entry.Char) + ": ";
        if (gbkCharacters(entry.Char).size() != 1 || entry.Char.size() != 2)
            faults.add(where + "not one Chinese character");
        if (!seen.insert(entry.Char).second) faults.add(where + "listed twice");
        const std::vector<std::string>& codes = characters_.at(entry.Char).codes;
        const std::string& full = codes.empty() ? std::string() : codes.back();
        if (codes.empty()) faults.add(where + "no code");
        for (std::size_t k = 0; k < codes.size(); ++k) {
            if (!isWubiCode(codes[k])) faults.add(where + "\"" + codes[k] + "\" is no Wubi code");
            if (k > 0 && codes[k].size() <= codes[k - 1].size())
                faults.add(where + "codes not shortest first");
            // Level-1 short codes go by frequency, not by the full code (我 q, full trnt);
            // every other short code is the full code cut short.
            if (codes[k].size() == 1 && !levelOne.contains(entry.Char))
                faults.add(where + codes[k] + " is not a level-1 short code");
            if (codes[k].size() > 1 && !full.starts_with(codes[k]))
                faults.add(where + codes[k] + " is not a prefix of the full code " + full);
        }
        for (std::size_t k = codes.size(); k < entry.Codes.size(); ++k) {
            if (!entry.Codes[k].empty()) faults.add(where + "a code after an empty one");
        }
    }
    faults.expectNone();
}

TEST_F(WubiMaterial, WordAndPhraseCodesFollowFromTheirCharactersFullCodes) {
    struct Table {
        const char* name;
        std::vector<std::pair<std::string, std::string>> entries;  // text, code
        std::size_t minChars;
        std::size_t maxChars;
    };
    const auto& two = material_.wubi().WbTwoTable;
    const auto& multi = material_.wubi().WbMultiTable;
    Table tables[] = {{"WbTwoTable", {}, 2, 2}, {"WbMultiTable", {}, 3, 20}};
    for (int n = 1; n < two.End(); ++n)
        tables[0].entries.emplace_back(two[n].Word, two[n].Code);
    for (int n = 1; n < multi.End(); ++n)
        tables[1].entries.emplace_back(multi[n].Phrase, multi[n].Code);

    for (const Table& table : tables) {
        Faults faults(table.name);
        for (std::size_t i = 0; i < table.entries.size(); ++i) {
            const auto& [text, code] = table.entries[i];
            const std::string where = std::to_string(i + 1) + " " + utf8(text) + " " + code + ": ";
            const std::size_t chars = gbkCharacters(text).size();
            if (chars < table.minChars || chars > table.maxChars || chars * 2 != text.size()) {
                faults.add(where + std::to_string(chars) + " characters");
                continue;
            }
            std::string fault;
            const std::string expected = ruleCode(text, fault);
            if (!fault.empty())
                faults.add(where + fault);
            else if (code != expected)
                faults.add(where + "the rules give " + expected);
        }
        faults.expectNone();
    }
}

TEST_F(WubiMaterial, LevelTwoCodesArePrefixesOfFullCodesAndNameTheirAnimation) {
    Faults faults("Wb2Table");
    const auto& wb2 = material_.wubi().Wb2Table;
    std::set<std::string> codes;
    for (std::int64_t i = 0; i < wb2.count(); ++i) {
        const std::string_view record = wb2.record(i);
        const std::string c(record.substr(0, 2));
        const std::string code(record.substr(2, 2));
        const std::int32_t animation = data::decimalOr(data::trimField(record.substr(8, 8)), -1);
        const std::string where = std::to_string(i) + " " + utf8(c) + " " + code + ": ";
        if (!isWubiCode(code) || code.size() != 2) faults.add(where + "not a two-letter code");
        if (!codes.insert(code).second) faults.add(where + "the code is given twice");
        const Character* character = find(c);
        if (character == nullptr) {
            faults.add(where + "not in WbOneTable");
            continue;
        }
        if (!character->fullCode.starts_with(code))
            faults.add(where + "not a prefix of the full code " + character->fullCode);
        if (animation != character->position) {
            faults.add(where + "animation " + std::to_string(animation) + ", its position is " +
                       std::to_string(character->position));
        }
    }
    faults.expectNone();
}

TEST_F(WubiMaterial, LevelOneCharactersAreTheTwentyFiveShortCodesByKey) {
    // The level-1 short codes of Wubi 86, keys a to y.
    const char* const kLevelOne[] = {"工", "了", "以", "在", "有", "地", "一", "上", "不",
                                     "是", "中", "国", "同", "民", "为", "这", "我", "的",
                                     "要", "和", "产", "发", "人", "经", "主"};
    const auto& wb1 = material_.wubi().Wb1Table;
    ASSERT_EQ(wb1.count(), 25);
    for (std::int64_t i = 0; i < wb1.count(); ++i) {
        const std::string_view record = wb1.record(i);
        const std::string c(record.substr(0, 2));
        const std::string key(1, static_cast<char>('a' + i));
        EXPECT_EQ(record.substr(2, 1), key) << "record " << i;
        EXPECT_EQ(utf8(c), kLevelOne[i]) << "key " << key;
        const Character* character = find(c);
        ASSERT_NE(character, nullptr) << utf8(c) << " is not in WbOneTable";
        EXPECT_EQ(character->codes.front(), key) << utf8(c);
    }
}

TEST_F(WubiMaterial, WbsCharactersHaveTheirWbOneCodesAndAnimation) {
    Faults faults("WbsTable");
    const auto& wbs = material_.wubi().WbsTable;
    std::set<std::string> seen;
    for (int n = 1; n < wbs.End(); ++n) {
        const auto& entry = wbs[n];
        const std::string where = std::to_string(n) + " " + utf8(entry.Char) + ": ";
        if (!seen.insert(entry.Char).second) faults.add(where + "listed twice");
        const Character* character = find(entry.Char);
        if (character == nullptr) {
            faults.add(where + "not in WbOneTable");
            continue;
        }
        std::vector<std::string> codes;
        for (const std::string& code : entry.Codes) {
            if (!code.empty()) codes.push_back(code);
        }
        if (codes != character->codes) faults.add(where + "codes differ from WbOneTable's");
        if (entry.AnimationNo != character->position) {
            faults.add(where + "animation " + std::to_string(entry.AnimationNo) +
                       ", its position is " + std::to_string(character->position));
        }
    }
    faults.expectNone();
}

TEST_F(WubiMaterial, RadicalsCoverEveryKeyAndThoseThatAreCharactersLieOnTheirFirstLetter) {
    Faults faults("WbzgTable");
    const auto& wbzg = material_.wubi().WbzgTable;
    std::set<char> keys;
    std::set<std::string> radicals;
    for (std::int64_t i = 0; i < wbzg.count(); ++i) {
        const std::string_view record = wbzg.record(i);
        const std::string radical(record.substr(0, 2));
        const char key = record[2];
        const std::string where = std::to_string(i) + " " + utf8(radical) + " " + key + ": ";
        if (key < 'a' || key > 'y') faults.add(where + "no key");
        keys.insert(key);
        if (!radicals.insert(radical + key).second) faults.add(where + "listed twice");
        if (const Character* character = find(radical)) {
            if (character->fullCode.front() != key)
                faults.add(where + "the character's full code is " + character->fullCode);
        }
    }
    faults.expectNone();
    EXPECT_EQ(keys.size(), 25u) << "every key a to y has radicals";
}

}  // namespace
}  // namespace quorvin::material
