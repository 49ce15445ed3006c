#include "drills/hint_lookup.h"

#include <algorithm>
#include <cctype>

namespace quorvin::drills {

namespace {

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The idiom that starts at the cursor: four characters first, then three.
template <typename Lookup>
int idiomAt(const Lookup& phrases, const HintNext& next) {
    const int four = phrases.find(next.Next4);
    return four != 0 ? four : phrases.find(next.Next3);
}

}  // namespace

PinyinLookup::PinyinLookup(const data::PinyinTables& tables, LookupMethod method)
    : chars_(tables.PYOneTable, method),
      words_(tables.PYTwoTable, method),
      phrases_(tables.PYMultiTable, method) {}

PinyinHints PinyinLookup::run(const HintNext& next) const {
    PinyinHints h;
    hzPYOneSet& c = h.PinyinCharHint;
    if (const int first = chars_.find(next.Next1); first != 0) {
        // The readings of one character stand in consecutive entries.
        for (int k = 0; k < 4 && chars_[first + k].Char == chars_[first].Char; ++k) {
            const data::orvcharsetPYOne& entry = chars_[first + k];
            c.Spellings[k] = entry.Spelling;
            c.Readings[k] = entry.Reading;
            c.Sounds[k] = entry.Sound;
            c.Char = entry.Char;
        }
    }
    if (const int word = words_.find(next.Next2); word != 0) {
        const data::orvcharsetpyTwo& entry = words_[word];
        h.PinyinWordHint = {entry.Spelling, entry.Word, entry.Reading, entry.Sounds};
    }
    if (const int idiom = idiomAt(phrases_, next); idiom != 0) {
        const data::orvcharsetpyMulti& entry = phrases_[idiom];
        hzPYMultiSet& p = h.PinyinPhraseHint;
        p.Spelling = entry.Spelling;
        p.Phrase = entry.Phrase;
        p.Reading = entry.Reading;
        std::copy_n(entry.Sounds.begin(), p.Sounds.size(), p.Sounds.begin());
    }

    if (!c.Spellings[0].empty()) h.HintText = c.Readings[0] + "(" + c.Char + ")";
    const hzPYTwoSet& w = h.PinyinWordHint;
    if (!w.Spelling.empty()) h.WordText = w.Reading + "(" + w.Word + ")";
    const hzPYMultiSet& p = h.PinyinPhraseHint;
    if (!p.Spelling.empty()) h.WordText += " " + p.Spelling + "(" + p.Phrase + ")" + p.Reading;
    return h;
}

WubiLookup::WubiLookup(const data::WubiTables& tables, LookupMethod method)
    : chars_(tables.WbOneTable, method),
      words_(tables.WbTwoTable, method),
      phrases_(tables.WbMultiTable, method) {}

WubiHints WubiLookup::run(const HintNext& next) const {
    WubiHints h;
    hzWBOneSet& c = h.WubiCharHint;
    if (const int position = chars_.find(next.Next1); position != 0) {
        c.Codes = chars_[position].Codes;
        c.Char = chars_[position].Char;
        c.AnimationNo = position;
    }
    if (const int word = words_.find(next.Next2); word != 0)
        h.WubiWordHint = {words_[word].Code, words_[word].Word};
    if (const int idiom = idiomAt(phrases_, next); idiom != 0)
        h.WubiPhraseHint = {phrases_[idiom].Code, phrases_[idiom].Phrase};

    if (!c.Codes[0].empty()) {
        h.HintText = upper(c.Codes[0]);
        h.AnimationNo = c.AnimationNo;
    }
    if (!h.WubiWordHint.Code.empty())
        h.WordText = upper(h.WubiWordHint.Code) + "(" + h.WubiWordHint.Word + ")";
    if (!h.WubiPhraseHint.Code.empty())
        h.WordText += "  " + upper(h.WubiPhraseHint.Code) + "(" + h.WubiPhraseHint.Phrase + ")";
    return h;
}

}  // namespace quorvin::drills
