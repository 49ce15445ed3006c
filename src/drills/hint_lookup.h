#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

#include "data/pinyin_tables.h"
#include "data/wubi_tables.h"

namespace quorvin::drills {

// The text ahead of the cursor of an article line: its next one, two, three and four
// characters (each shorter at the end of the line).
struct HintNext {
    std::string Next1;
    std::string Next2;
    std::string Next3;
    std::string Next4;
    bool operator==(const HintNext&) const = default;
};

// Up to four readings of the next character; F1 steps HintReadingIndex through them.
struct hzPYOneSet {
    std::array<std::string, 4> Spellings;
    std::array<std::string, 4> Readings;
    std::string Char;
    std::array<std::string, 4> Sounds;
    std::int16_t HintReadingIndex = 1;
};
struct hzPYTwoSet {
    std::string Spelling;
    std::string Word;
    std::string Reading;
    std::array<std::string, 2> Sounds;
};
struct hzPYMultiSet {
    std::string Spelling;
    std::string Phrase;
    std::string Reading;
    std::array<std::string, 8> Sounds;
};
struct hzWBOneSet {
    std::array<std::string, 4> Codes;
    std::string Char;
    std::int32_t AnimationNo = 1;
    std::int16_t CodeStep = 1;
};
struct hzWBTwoSet {
    std::string Code;
    std::string Word;
};
struct hzWBMultiSet {
    std::string Code;
    std::string Phrase;
};

// What one Pinyin job finds: the records, and the texts for Label8 and Label16.
struct PinyinHints {
    hzPYOneSet PinyinCharHint;
    hzPYTwoSet PinyinWordHint;
    hzPYMultiSet PinyinPhraseHint;
    std::string HintText;
    std::string WordText;
};

// What one Wubi job finds: the records, the texts for Label5 and Label16, and the animation.
struct WubiHints {
    hzWBOneSet WubiCharHint;
    hzWBTwoSet WubiWordHint;
    hzWBMultiSet WubiPhraseHint;
    std::string HintText;
    std::string WordText;
    std::int32_t AnimationNo = 0;
};

enum class LookupMethod {
    Scan,   // every table read from position 1 until the first match
    Index,  // a hash of each key to its first position: the same answers
};

// The first position of a table whose key equals a text, 0 when there is none.
template <typename Entry, std::string Entry::*Key>
class FirstMatch {
  public:
    FirstMatch(const data::LineTable<Entry>& table, LookupMethod method)
        : table_(table), method_(method) {
        if (method != LookupMethod::Index) return;
        for (int i = table.End() - 1; i >= 1; --i)
            index_[table[i].*Key] = i;
    }
    int find(const std::string& key) const {
        if (method_ == LookupMethod::Index) {
            const auto it = index_.find(key);
            return it == index_.end() ? 0 : it->second;
        }
        for (int i = 1; i < table_.End(); ++i)
            if (table_[i].*Key == key) return i;
        return 0;
    }
    const Entry& operator[](int position) const { return table_[position]; }

  private:
    const data::LineTable<Entry>& table_;
    LookupMethod method_;
    std::unordered_map<std::string, int> index_;
};

// The Pinyin job over PYOneTable, PYTwoTable and PYMultiTable.
class PinyinLookup {
  public:
    PinyinLookup(const data::PinyinTables& tables, LookupMethod method);
    PinyinHints run(const HintNext& next) const;

  private:
    FirstMatch<data::orvcharsetPYOne, &data::orvcharsetPYOne::Char> chars_;
    FirstMatch<data::orvcharsetpyTwo, &data::orvcharsetpyTwo::Word> words_;
    FirstMatch<data::orvcharsetpyMulti, &data::orvcharsetpyMulti::Phrase> phrases_;
};

// The Wubi job over WbOneTable, WbTwoTable and WbMultiTable.
class WubiLookup {
  public:
    WubiLookup(const data::WubiTables& tables, LookupMethod method);
    WubiHints run(const HintNext& next) const;

  private:
    FirstMatch<data::orvcharsetWBOne, &data::orvcharsetWBOne::Char> chars_;
    FirstMatch<data::orvcharsetWBTwo, &data::orvcharsetWBTwo::Word> words_;
    FirstMatch<data::orvcharsetWBMulti, &data::orvcharsetWBMulti::Phrase> phrases_;
};

}  // namespace quorvin::drills
